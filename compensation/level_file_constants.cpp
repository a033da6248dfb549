#include "compensation/level_file_constants.hpp"

#include <cmath>

#include "plan/conversion_plan.hpp"
#include "plan/record_evaluator.hpp"

namespace pelcon {
namespace {

// A usable positive number, or 0.
double Positive(const CellValue& value) {
  const bool usable =
      value.type == CellValue::Type::kNumber && std::isfinite(value.number) && value.number > 0;
  return usable ? value.number : 0.0;
}

}  // namespace

LevelFileConstants LevelFileConstantsOf(const LogFile& log) {
  const PlanColumnRequest requests[] = {
      {"", "DENSITY", {}}, {"", "SPECIFIC_GRAVITY", {}}, {"", "GRAVITY", {}}};
  const ConversionPlan plan(log, requests);
  RecordEvaluator evaluator(plan);
  // The three are the same in every record; a file without records keeps the defaults (it has
  // nothing to compensate anyway).
  evaluator.Select(0);
  LevelFileConstants constants;
  if (const double density = Positive(evaluator.Value(0)); density > 0) {
    constants.densityKgPerM3 = density * 1000;
    if (const double gravity = Positive(evaluator.Value(2)); gravity > 0) {
      constants.gravity = gravity;
    }
  } else if (const double specificGravity = Positive(evaluator.Value(1)); specificGravity > 0) {
    constants.densityKgPerM3 = specificGravity * 1000;
  }
  return constants;
}

}  // namespace pelcon
