#include "datalib/typed_value_text.hpp"

#include <array>
#include <charconv>
#include <vector>

#include "datalib/number_text.hpp"
#include "datalib/text_split.hpp"

namespace pelcon {
namespace {

template <typename Int>
std::string IntegerText(Int value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// The last `count` comma-separated parts of the text, or false if there are fewer.
template <std::size_t count>
bool LastParts(std::string_view text, std::array<std::string_view, count>& parts) {
  std::vector<std::string_view> all = SplitParts(text, ",");
  if (all.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) parts[i] = all[all.size() - count + i];
  return true;
}

// One scalar or composite element: text -> value, value -> text. The result of Read is the
// element's success flag.
int ReadElement(int code, std::string_view text, void* value) {
  switch (code) {
    case kTypeCString:
      static_cast<std::string*>(value)->assign(text);
      return 1;
    case kTypeInt:
    case kTypeLong:
      *static_cast<std::int32_t*>(value) = static_cast<std::int32_t>(ReadInteger(text));
      return 1;
    case kTypeDouble:
      *static_cast<double*>(value) = ReadFloating(text);
      return 1;
    case kTypeDWORD:
    case kTypeUINT:
      *static_cast<std::uint32_t*>(value) = ReadInteger(text);
      return 1;
    case kTypeBOOL:
      *static_cast<std::int32_t*>(value) = ReadBool(text);
      return 1;
    case kTypeFloat:
      *static_cast<float*>(value) = static_cast<float>(ReadFloating(text));
      return 1;
    case kTypeShort:
      *static_cast<std::int16_t*>(value) = static_cast<std::int16_t>(ReadInteger(text));
      return 1;
    case kTypeBYTE:
      *static_cast<std::uint8_t*>(value) = static_cast<std::uint8_t>(ReadInteger(text));
      return 1;
    case kTypeCOleDate:
      return ReadDateOnly(text, *static_cast<DateTimeValue*>(value)) ? 1 : 0;
    case kTypeCOleTime:
      return ReadTimeOnly(text, *static_cast<DateTimeValue*>(value)) ? 1 : 0;
    case kTypeCOleDateTime:
      return ParseDateTimeText(text, *static_cast<DateTimeValue*>(value)) ? 1 : 0;
    case kTypeCOleCurrency:
      return ParseCurrencyText(text, *static_cast<CurrencyValue*>(value)) ? 1 : 0;
    case kTypeWORD:
      *static_cast<std::uint16_t*>(value) = static_cast<std::uint16_t>(ReadInteger(text));
      return 1;
    case kTypeRGB:
      *static_cast<RgbColor*>(value) = ReadRgb(text);
      return 1;
    case kTypeCRect:
      *static_cast<Rect*>(value) = ReadRect(text);
      return 1;
    case kTypeCPoint:
      *static_cast<Point*>(value) = ReadPoint(text);
      return 1;
    default:
      return 0;
  }
}

std::string WriteElement(int code, const void* value) {
  switch (code) {
    case kTypeCString:
      return *static_cast<const std::string*>(value);
    case kTypeInt:
    case kTypeLong:
      return IntegerText(*static_cast<const std::int32_t*>(value));
    case kTypeDouble:
      return FormatDouble(*static_cast<const double*>(value));
    case kTypeDWORD:
    case kTypeUINT:
      return IntegerText(*static_cast<const std::uint32_t*>(value));
    case kTypeBOOL:
      return FormatBool(*static_cast<const std::int32_t*>(value));
    case kTypeFloat:
      return FormatFloat(*static_cast<const float*>(value));
    case kTypeShort:
      return IntegerText(*static_cast<const std::int16_t*>(value));
    case kTypeBYTE:
      return IntegerText(*static_cast<const std::uint8_t*>(value));
    case kTypeCOleDate:
      return FormatDateText(*static_cast<const DateTimeValue*>(value));
    case kTypeCOleTime:
      return FormatTimeText(*static_cast<const DateTimeValue*>(value));
    case kTypeCOleDateTime:
      return FormatDateTimeText(*static_cast<const DateTimeValue*>(value));
    case kTypeCOleCurrency:
      return FormatCurrencyText(*static_cast<const CurrencyValue*>(value));
    case kTypeWORD:
      return IntegerText(*static_cast<const std::uint16_t*>(value));
    case kTypeRGB:
      return FormatRgb(*static_cast<const RgbColor*>(value));
    case kTypeCRect:
      return FormatRect(*static_cast<const Rect*>(value));
    case kTypeCPoint:
      return FormatPoint(*static_cast<const Point*>(value));
    default:
      return {};
  }
}

template <typename Element>
std::string WriteArray(int elementCode, const void* value, std::string_view separator) {
  const auto& array = *static_cast<const std::vector<Element>*>(value);
  std::string text;
  for (const Element& element : array) {
    text += WriteElement(elementCode, &element);
    text += separator;
  }
  return text;
}

template <typename Element>
int ReadArray(int elementCode, std::string_view text, std::string_view separator, void* value) {
  auto& array = *static_cast<std::vector<Element>*>(value);
  int appended = 0;
  ForEachPart(text, separator, [&](std::string_view part) {
    Element element{};
    ReadElement(elementCode, part, &element);
    array.push_back(element);
    ++appended;
  });
  return appended;
}

// Calls f.template operator()<Element>() with the element type of an array code.
template <typename F>
auto WithArrayElement(int code, F&& f) {
  switch (code) {
    case kTypeCStringArray:
      return f.template operator()<std::string>();
    case kTypeIntArray:
    case kTypeBOOLArray:
    case kTypeLongArray:
      return f.template operator()<std::int32_t>();
    case kTypeDoubleArray:
      return f.template operator()<double>();
    case kTypeDWORDArray:
    case kTypeUINTArray:
      return f.template operator()<std::uint32_t>();
    case kTypeFloatArray:
      return f.template operator()<float>();
    case kTypeShortArray:
      return f.template operator()<std::int16_t>();
    case kTypeBYTEArray:
      return f.template operator()<std::uint8_t>();
    case kTypeCOleDateArray:
    case kTypeCOleTimeArray:
    case kTypeCOleDateTimeArray:
      return f.template operator()<DateTimeValue>();
    case kTypeCOleCurrencyArray:
      return f.template operator()<CurrencyValue>();
    case kTypeWORDArray:
      return f.template operator()<std::uint16_t>();
    case kTypeRGBArray:
      return f.template operator()<RgbColor>();
    case kTypeCRectArray:
      return f.template operator()<Rect>();
    default:
      return f.template operator()<Point>();  // kTypeCPointArray
  }
}

}  // namespace

std::string ValueToText(int code, const void* value, std::string_view separator) {
  if (IsArrayType(code)) {
    const int elementCode = ArrayElementType(code);
    return WithArrayElement(code, [&]<typename Element>() {
      return WriteArray<Element>(elementCode, value, separator);
    });
  }
  return WriteElement(code, value);
}

int TextToValue(int code, std::string_view text, std::string_view separator, void* value) {
  if (IsArrayType(code)) {
    const int elementCode = ArrayElementType(code);
    return WithArrayElement(code, [&]<typename Element>() {
      return ReadArray<Element>(elementCode, text, separator, value);
    });
  }
  return ReadElement(code, text, value);
}

std::string FormatBool(std::int32_t value) {
  if (value == 0) return "0";
  if (value == kBoolThirdState) return "2147483647";
  return "1";
}

std::int32_t ReadBool(std::string_view text) {
  if (text.empty()) return 0;
  static constexpr std::string_view kTrueWords[] = {"TRUE", "T",    "1", "YES",
                                                    "Y",    "PASS", "P", "SUCCESS"};
  for (std::string_view word : kTrueWords) {
    if (EqualsIgnoringCase(text, word)) return 1;
  }
  if (text == "2147483647") return kBoolThirdState;
  return 0;
}

bool ReadDateOnly(std::string_view text, DateTimeValue& value) {
  DateTimeValue parsed;
  DateTimeRecord r;
  if (!ParseDateTimeText(text, parsed) || !SplitDateTimeValue(parsed, r)) {
    value = parsed;
    return false;
  }
  value = MakeDateTimeValue(r.year, r.month, r.day, 0, 0, 0);
  return value.status == ValueStatus::kValid;
}

bool ReadTimeOnly(std::string_view text, DateTimeValue& value) {
  DateTimeValue parsed;
  DateTimeRecord r;
  if (!ParseDateTimeText(text, parsed) || !SplitDateTimeValue(parsed, r)) {
    value = parsed;
    return false;
  }
  value = MakeDateTimeValue(1899, 12, 30, r.hour, r.minute, r.second);
  return value.status == ValueStatus::kValid;
}

std::string FormatRgb(RgbColor value) {
  return IntegerText(static_cast<unsigned>(RedOf(value))) + "," +
         IntegerText(static_cast<unsigned>(GreenOf(value))) + "," +
         IntegerText(static_cast<unsigned>(BlueOf(value)));
}

RgbColor ReadRgb(std::string_view text) {
  std::array<std::string_view, 3> parts;
  if (!LastParts(text, parts)) return 0;
  return MakeRgb(static_cast<std::uint8_t>(ReadInteger(parts[0])),
                 static_cast<std::uint8_t>(ReadInteger(parts[1])),
                 static_cast<std::uint8_t>(ReadInteger(parts[2])));
}

std::string FormatRect(const Rect& value) {
  return IntegerText(value.left) + "," + IntegerText(value.top) + "," + IntegerText(value.right) +
         "," + IntegerText(value.bottom);
}

Rect ReadRect(std::string_view text) {
  std::array<std::string_view, 4> parts;
  if (!LastParts(text, parts)) return Rect{};
  return Rect{static_cast<std::int32_t>(ReadInteger(parts[0])),
              static_cast<std::int32_t>(ReadInteger(parts[1])),
              static_cast<std::int32_t>(ReadInteger(parts[2])),
              static_cast<std::int32_t>(ReadInteger(parts[3]))};
}

std::string FormatPoint(const Point& value) {
  return IntegerText(value.x) + "," + IntegerText(value.y);
}

Point ReadPoint(std::string_view text) {
  std::array<std::string_view, 2> parts;
  if (!LastParts(text, parts)) return Point{};
  return Point{static_cast<std::int32_t>(ReadInteger(parts[0])),
               static_cast<std::int32_t>(ReadInteger(parts[1]))};
}

}  // namespace pelcon
