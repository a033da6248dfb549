#pragma once

#include <string_view>

// The 37 type codes of the typed data library and their names.
//
// The C++ value that goes with each code, wherever the library takes or fills a value through a
// pointer (TextToValue, ValueToText, CDataMap::SetTypedValue/GetTypedValue, CDataTable cells):
//
//   1 CString      std::string            16 CStringArray       std::vector<std::string>
//   2 int          std::int32_t           17 IntArray           std::vector<std::int32_t>
//   3 double       double                 18 DoubleArray        std::vector<double>
//   4 DWORD        std::uint32_t          19 DWORDArray         std::vector<std::uint32_t>
//   5 BOOL         std::int32_t           20 BOOLArray          std::vector<std::int32_t>
//   6 UINT         std::uint32_t          21 UINTArray          std::vector<std::uint32_t>
//   7 long         std::int32_t           22 LongArray          std::vector<std::int32_t>
//   8 float        float                  23 FloatArray         std::vector<float>
//   9 short        std::int16_t           24 ShortArray         std::vector<std::int16_t>
//  10 BYTE         std::uint8_t           25 BYTEArray          std::vector<std::uint8_t>
//  11 COleDate     DateTimeValue          26 COleDateArray      std::vector<DateTimeValue>
//  12 COleTime     DateTimeValue          27 COleTimeArray      std::vector<DateTimeValue>
//  13 COleDateTime DateTimeValue          28 COleDateTimeArray  std::vector<DateTimeValue>
//  14 COleCurrency CurrencyValue          29 COleCurrencyArray  std::vector<CurrencyValue>
//  15 WORD         std::uint16_t          30 WORDArray          std::vector<std::uint16_t>
//  31 RGB          RgbColor (uint32_t)    34 RGBArray           std::vector<RgbColor>
//  32 CRect        Rect                   35 CRectArray         std::vector<Rect>
//  33 CPoint       Point                  36 CPointArray        std::vector<Point>
//
// Growable arrays are std::vector: elements in index order, new
// elements zero; the grow-step rule of the original only tunes allocation and is not kept.

namespace pelcon {

enum TypeCode : int {
  kTypeUnknown = 0,
  kTypeCString = 1,
  kTypeInt = 2,
  kTypeDouble = 3,
  kTypeDWORD = 4,
  kTypeBOOL = 5,
  kTypeUINT = 6,
  kTypeLong = 7,
  kTypeFloat = 8,
  kTypeShort = 9,
  kTypeBYTE = 10,
  kTypeCOleDate = 11,
  kTypeCOleTime = 12,
  kTypeCOleDateTime = 13,
  kTypeCOleCurrency = 14,
  kTypeWORD = 15,
  kTypeCStringArray = 16,
  kTypeIntArray = 17,
  kTypeDoubleArray = 18,
  kTypeDWORDArray = 19,
  kTypeBOOLArray = 20,
  kTypeUINTArray = 21,
  kTypeLongArray = 22,
  kTypeFloatArray = 23,
  kTypeShortArray = 24,
  kTypeBYTEArray = 25,
  kTypeCOleDateArray = 26,
  kTypeCOleTimeArray = 27,
  kTypeCOleDateTimeArray = 28,
  kTypeCOleCurrencyArray = 29,
  kTypeWORDArray = 30,
  kTypeRGB = 31,
  kTypeCRect = 32,
  kTypeCPoint = 33,
  kTypeRGBArray = 34,
  kTypeCRectArray = 35,
  kTypeCPointArray = 36,
};

inline constexpr int kTypeCodeCount = 37;

// The type name of a code ("double" for 3), or the empty text for a code outside 0..36.
std::string_view DataTypeName(int code);

// The code of a type name, compared exactly (letter case significant); 0 for an unknown name.
int DataTypeCode(std::string_view name);

// Scalar types are 1..15, array types 16..30 and 34..36, composite types 31..33.
inline constexpr bool IsScalarType(int code) {
  return code >= 1 && code <= 15;
}
inline constexpr bool IsArrayType(int code) {
  return (code >= 16 && code <= 30) || (code >= 34 && code <= 36);
}
inline constexpr bool IsCompositeType(int code) {
  return code >= 31 && code <= 33;
}

// The scalar or composite code of an array type's elements (17 IntArray -> 2 int); 0 otherwise.
inline constexpr int ArrayElementType(int code) {
  if (code >= 16 && code <= 30) return code - 15;
  if (code >= 34 && code <= 36) return code - 3;
  return kTypeUnknown;
}

}  // namespace pelcon
