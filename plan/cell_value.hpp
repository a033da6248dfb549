#pragma once

#include <string>

namespace pelcon {

// The typed value of one cell.
struct CellValue {
  enum class Type { kNone, kNumber, kDateTime, kText };
  Type type = Type::kNone;
  // kNumber: the value as the value dictionary gives it (at its "%.15g" precision);
  // kDateTime: the Julian date.
  double number = 0.0;
  // kText: the text, the same in every record (site columns). Lives as long as the plan.
  const std::string* text = nullptr;
};

}  // namespace pelcon
