// Drives the component library exactly as a client does: load it, ask for the class factory,
// create the object and call it through its interface.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "component/ipelcon.hpp"
#include "platform/registry.hpp"
#include "tests/support/log_file_builder.hpp"

namespace pelcon {
namespace {

namespace fs = std::filesystem;

class ComponentLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = fs::temp_directory_path() /
                 ("pelcon-com-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(directory_);
    registry_ = (directory_ / "registry.reg").string();
    ::setenv("PELCON_REGISTRY", registry_.c_str(), 1);

    library_ = ::dlopen(PELCON_COMPONENT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << ::dlerror();
    getClassObject_ = Entry<DllGetClassObjectFunction>("DllGetClassObject");
    canUnloadNow_ = Entry<DllCanUnloadNowFunction>("DllCanUnloadNow");
    registerServer_ = Entry<DllRegisterServerFunction>("DllRegisterServer");
    unregisterServer_ = Entry<DllRegisterServerFunction>("DllUnregisterServer");
  }

  void TearDown() override {
    if (library_ != nullptr) ::dlclose(library_);
    ::unsetenv("PELCON_REGISTRY");
    fs::remove_all(directory_);
  }

  template <typename Function>
  Function Entry(const char* name) {
    auto function = reinterpret_cast<Function>(::dlsym(library_, name));
    EXPECT_NE(function, nullptr) << name;
    return function;
  }

  IClassFactory* Factory() {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(
        getClassObject_(kClsidCoPelcon, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
        S_OK);
    return factory;
  }

  IPelcon* CreatePelcon() {
    IClassFactory* factory = Factory();
    IPelcon* pelcon = nullptr;
    EXPECT_EQ(factory->CreateInstance(nullptr, kIidIPelcon, reinterpret_cast<void**>(&pelcon)),
              S_OK);
    factory->Release();
    return pelcon;
  }

  static std::string Read(const std::string& key, const std::string& name = "") {
    return platform::ReadRegistryString(key, name).value_or("<missing>");
  }

  fs::path directory_;
  std::string registry_;
  void* library_ = nullptr;
  DllGetClassObjectFunction getClassObject_ = nullptr;
  DllCanUnloadNowFunction canUnloadNow_ = nullptr;
  DllRegisterServerFunction registerServer_ = nullptr;
  DllRegisterServerFunction unregisterServer_ = nullptr;
};

const std::string kClassKey =
    std::string("HKEY_CLASSES_ROOT\\CLSID\\") + "{FBAFE34B-476E-4801-A040-D70685730EBB}";

TEST_F(ComponentLibrary, RegistrationWritesEveryKeyAndUnregistrationKeepsTheClsidKey) {
  ASSERT_EQ(registerServer_(), S_OK);
  EXPECT_EQ(Read("HKEY_CLASSES_ROOT\\TarvelPelcon.CoPelcon.1"), "CoPelcon Class");
  EXPECT_EQ(Read("HKEY_CLASSES_ROOT\\TarvelPelcon.CoPelcon.1\\CLSID"),
            "{FBAFE34B-476E-4801-A040-D70685730EBB}");
  EXPECT_EQ(Read("HKEY_CLASSES_ROOT\\TarvelPelcon.CoPelcon"), "CoPelcon Class");
  EXPECT_EQ(Read("HKEY_CLASSES_ROOT\\TarvelPelcon.CoPelcon\\CLSID"),
            "{FBAFE34B-476E-4801-A040-D70685730EBB}");
  EXPECT_EQ(Read("HKEY_CLASSES_ROOT\\TarvelPelcon.CoPelcon\\CurVer"), "TarvelPelcon.CoPelcon.1");
  EXPECT_EQ(Read(kClassKey), "CoPelcon Class");
  EXPECT_EQ(Read(kClassKey + "\\ProgID"), "TarvelPelcon.CoPelcon.1");
  EXPECT_EQ(Read(kClassKey + "\\VersionIndependentProgID"), "TarvelPelcon.CoPelcon");
  EXPECT_EQ(fs::canonical(Read(kClassKey + "\\InprocServer32")),
            fs::canonical(PELCON_COMPONENT_LIBRARY));
  EXPECT_EQ(Read(kClassKey + "\\InprocServer32", "ThreadingModel"), "Both");
  EXPECT_EQ(Read(kClassKey + "\\TypeLib"), "{54BC353F-58CF-42E8-B3E1-ABC3476C3ECF}");

  ASSERT_EQ(unregisterServer_(), S_OK);
  EXPECT_FALSE(platform::RegistryKeyExists(kClassKey));
  EXPECT_FALSE(platform::RegistryKeyExists("HKEY_CLASSES_ROOT\\TarvelPelcon.CoPelcon"));
  EXPECT_FALSE(platform::RegistryKeyExists("HKEY_CLASSES_ROOT\\TarvelPelcon.CoPelcon.1"));
  EXPECT_TRUE(platform::RegistryKeyExists("HKEY_CLASSES_ROOT\\CLSID"));
}

TEST_F(ComponentLibrary, UnloadsOnlyWhenNoObjectOrServerLockLives) {
  EXPECT_EQ(canUnloadNow_(), S_OK);
  IPelcon* pelcon = CreatePelcon();
  ASSERT_NE(pelcon, nullptr);
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  pelcon->Release();
  EXPECT_EQ(canUnloadNow_(), S_OK);

  IClassFactory* factory = Factory();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);  // a client holds the cached factory
  factory->LockServer(1);
  factory->Release();
  EXPECT_EQ(canUnloadNow_(), S_FALSE);
  factory = Factory();
  factory->LockServer(0);
  factory->Release();
  EXPECT_EQ(canUnloadNow_(), S_OK);
}

TEST_F(ComponentLibrary, RefusesUnknownClassesInterfacesAndAggregation) {
  const CLSID unknown = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(getClassObject_(unknown, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);

  IClassFactory* factory = Factory();
  EXPECT_EQ(factory->CreateInstance(factory, kIidIPelcon, &object), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->CreateInstance(nullptr, kIidIPelcon, nullptr), E_POINTER);
  EXPECT_EQ(factory->CreateInstance(nullptr, unknown, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  factory->Release();
  EXPECT_EQ(canUnloadNow_(), S_OK);  // the refused object did not stay alive
}

TEST_F(ComponentLibrary, CreateTemplateWithoutAnOutPointerIsAPointerError) {
  IPelcon* pelcon = CreatePelcon();
  ASSERT_NE(pelcon, nullptr);
  EXPECT_EQ(pelcon->CreateTemplate(nullptr), E_POINTER);
  pelcon->Release();
}

TEST_F(ComponentLibrary, ConvertFileWithoutTemplateOrDefaultReportsTheMissingTemplate) {
  const std::string logFile = (directory_ / "well.bin").string();
  ASSERT_TRUE(
      test_support::WriteFile(logFile, test_support::Build(test_support::LodaxDescription())));
  IPelcon* pelcon = CreatePelcon();
  ASSERT_NE(pelcon, nullptr);
  const std::wstring wideLogFile(logFile.begin(), logFile.end());
  BSTR path = SysAllocString(wideLogFile.c_str());
  EXPECT_EQ(pelcon->ConvertFile(path, nullptr), static_cast<HRESULT>(0x81000003));
  SysFreeString(path);
  pelcon->Release();
}

TEST_F(ComponentLibrary, ConfigureTemplateOfAMissingFileReportsItWithoutAWindow) {
  IPelcon* pelcon = CreatePelcon();
  ASSERT_NE(pelcon, nullptr);
  BSTR path = SysAllocString(L"/nonexistent/site.bft");
  EXPECT_EQ(pelcon->ConfigureTemplate(path), static_cast<HRESULT>(0x81000003));
  SysFreeString(path);
  pelcon->Release();
}

TEST_F(ComponentLibrary, DialogMethodsFailWithoutADisplayAndLeaveTheOutValueAlone) {
  for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(display);
  IPelcon* pelcon = CreatePelcon();
  ASSERT_NE(pelcon, nullptr);
  EXPECT_EQ(pelcon->UIConvertFiles(), E_FAIL);
  BSTR untouched = reinterpret_cast<BSTR>(0x1);
  EXPECT_EQ(pelcon->CreateTemplate(&untouched), E_FAIL);
  EXPECT_EQ(untouched, reinterpret_cast<BSTR>(0x1));
  pelcon->Release();
}

}  // namespace
}  // namespace pelcon
