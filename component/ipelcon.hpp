#pragma once

// The component's whole outside face: one class, CoPelcon, with one interface, IPelcon.

#include "platform/com_types.hpp"

namespace pelcon {

// {FBAFE34B-476E-4801-A040-D70685730EBB}
inline constexpr CLSID kClsidCoPelcon = {
    0xfbafe34b, 0x476e, 0x4801, {0xa0, 0x40, 0xd7, 0x06, 0x85, 0x73, 0x0e, 0xbb}};
// {BB20968F-F45A-4CF1-9BC9-CBEC49A14253}
inline constexpr IID kIidIPelcon = {
    0xbb20968f, 0xf45a, 0x4cf1, {0x9b, 0xc9, 0xcb, 0xec, 0x49, 0xa1, 0x42, 0x53}};
// {54BC353F-58CF-42E8-B3E1-ABC3476C3ECF}
inline constexpr GUID kLibidTarvelPelconLib = {
    0x54bc353f, 0x58cf, 0x42e8, {0xb3, 0xe1, 0xab, 0xc3, 0x47, 0x6c, 0x3e, 0xcf}};

inline constexpr const char* kClsidCoPelconText = "{FBAFE34B-476E-4801-A040-D70685730EBB}";
inline constexpr const char* kLibidTarvelPelconLibText = "{54BC353F-58CF-42E8-B3E1-ABC3476C3ECF}";
inline constexpr const char* kProgId = "TarvelPelcon.CoPelcon.1";
inline constexpr const char* kVersionIndependentProgId = "TarvelPelcon.CoPelcon";
inline constexpr const char* kClassDescription = "CoPelcon Class";

// Slots follow IUnknown's three, in this order.
struct IPelcon : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE ConfigureTemplate(BSTR bstrTemplatePathFile) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateTemplate(BSTR* pbstrPathFile) = 0;
  virtual HRESULT STDMETHODCALLTYPE ConvertFile(BSTR bstrPathFile, BSTR bstrTemplatePathFile) = 0;
  virtual HRESULT STDMETHODCALLTYPE UIConvertFiles() = 0;

 protected:
  ~IPelcon() = default;
};

}  // namespace pelcon

// Entry points of the component library, looked up by name after it is loaded.
extern "C" {
using DllGetClassObjectFunction = HRESULT(STDAPICALLTYPE*)(REFCLSID clsid, REFIID iid,
                                                           void** object);
using DllCanUnloadNowFunction = HRESULT(STDAPICALLTYPE*)();
using DllRegisterServerFunction = HRESULT(STDAPICALLTYPE*)();
}
