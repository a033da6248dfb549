#include "values/value_function_registry.hpp"

#include <array>

#include "logfile/log_family.hpp"
#include "values/applied_value_table.hpp"
#include "values/derived_formula.hpp"
#include "values/derived_value_compute.hpp"

namespace pelcon {
namespace {

// Each family adds its own flag to these.
constexpr std::array<std::string_view, 12> kRootValueNames{
    "STARTTIME",      "SPECIFIC_GRAVITY",  "DENSITY",          "ELEVATION",
    "LATITUDE",       "DISPLAY_MODE",      "USER_REFERENCE",   "NOW_REFERENCE",
    "WHENTOREAD_REF", "START_OF_TEST_REF", "DEVICE_SERIAL_NO", "ENTITY_CODE_STR"};

// The stage values of the first sensor generation, then (after the applied names and
// "TIMESTAMP") those of the optical sensors. Five optical names appear in both lists.
constexpr std::array<std::string_view, 82> kStageValueNames{
    "RAW_TPCB",        "RAW_TPXD",          "RAW_BARO",        "RAW_RTD",       "RAW_PXD",
    "RAW_ISEA1",       "RAW_ISEA2",         "RAW_DOISE",       "RAW_DO",        "RAW_ISEB1",
    "RAW_ISEB2",       "RAW_GISE1",         "RAW_GISE2",       "RAW_CONDLO",    "RAW_CONDME",
    "RAW_CONDHI",      "RAW_TURBLO",        "RAW_TURBHI",      "RAW_BATT_V",    "RAW_OPD_DO",
    "RAW_OPD_TEMP",    "RAW_OPD_BPHASE",    "RAW_OPD_BAMP",

    "COOKED_TPCB",     "COOKED_TPXD",       "COOKED_BARO",     "COOKED_RTD",    "COOKED_PXD",
    "COOKED_ISEA1",    "COOKED_ISEA2",      "COOKED_DOISE",    "COOKED_DO",     "COOKED_ISEB1",
    "COOKED_ISEB2",    "COOKED_GISE1",      "COOKED_GISE2",    "COOKED_CONDLO", "COOKED_CONDME",
    "COOKED_CONDHI",   "COOKED_TURBLO",     "COOKED_TURBHI",   "COOKED_BATT_V", "COOKED_OPD_DO",
    "COOKED_OPD_TEMP", "COOKED_OPD_BPHASE", "COOKED_OPD_BAMP",

    "BASE_TIMESTAMP",  "BASE_RTD",          "BASE_PXD",        "BASE_BARO",     "BASE_TURB",
    "BASE_ISEA1",      "BASE_ISEA2",        "BASE_DOISE",      "BASE_DO",       "BASE_ISEB1",
    "BASE_ISEB2",      "BASE_GISE1",        "BASE_GISE2",      "BASE_COND",     "BASE_BATT_V",
    "BASE_OPD_DO",     "BASE_OPD_TEMP",     "BASE_OPD_BPHASE", "BASE_OPD_BAMP",

    "USER_TIMESTAMP",  "USER_RTD",          "USER_PXD",        "USER_BARO",     "USER_TURB",
    "USER_ISEA1",      "USER_ISEA2",        "USER_DOISE",      "USER_DO",       "USER_ISEB1",
    "USER_ISEB2",      "USER_GISE1",        "USER_GISE2",      "USER_COND",     "USER_BATT_V",
    "USER_OPD_DO",     "USER_OPD2_DO"};

constexpr std::array<std::string_view, 60> kOpticalValueNames{"RAW_OPD_DO",
                                                              "RAW_OPD_TEMP ",
                                                              "RAW_OPD_DPHASE ",
                                                              "RAW_OPD_EXCEPTION",
                                                              "RAW_OPD_PHASE_DIAG_HIWORD",
                                                              "RAW_OPD_PHASE_DIAG_LOWORD",
                                                              "RAW_OPD_O2PP",
                                                              "RAW_OPD_TEMP_COUNTS",
                                                              "RAW_OPD_BLUE_PHASE",
                                                              "RAW_OPD_BLUE_REF",
                                                              "RAW_OPD_BLUE_AC_AMP",
                                                              "RAW_OPD_BLUE_REF_AC_AMP",
                                                              "RAW_OPD_BLUE_MAX_ABS",
                                                              "RAW_OPD_BLUE_EXCEPTION",
                                                              "RAW_OPD_RED_PHASE",
                                                              "RAW_OPD_RED_REF",
                                                              "RAW_OPD_RED_AC_AMP",
                                                              "RAW_OPD_RED_REF_AC_AMP",
                                                              "RAW_OPD_RED_MAX_ABS",
                                                              "RAW_OPD_RED_EXCEPTION",
                                                              "COOKED_OPD_DO",
                                                              "COOKED_OPD_TEMP",
                                                              "COOKED_OPD_DPHASE",
                                                              "COOKED_OPD_EXCEPTION",
                                                              "COOKED_OPD_PHASE_DIAG_HIWORD",
                                                              "COOKED_OPD_PHASE_DIAG_LOWORD",
                                                              "COOKED_OPD_O2PP",
                                                              "COOKED_OPD_TEMP_COUNTS",
                                                              "COOKED_OPD_BLUE_PHASE",
                                                              "COOKED_OPD_BLUE_REF",
                                                              "COOKED_OPD_BLUE_AC_AMP",
                                                              "COOKED_OPD_BLUE_REF_AC_AMP",
                                                              "COOKED_OPD_BLUE_MAX_ABS",
                                                              "COOKED_OPD_BLUE_EXCEPTION",
                                                              "COOKED_OPD_RED_PHASE",
                                                              "COOKED_OPD_RED_REF\t",
                                                              "COOKED_OPD_RED_AC_AMP",
                                                              "COOKED_OPD_RED_REF_AC_AMP",
                                                              "COOKED_OPD_RED_MAX_ABS",
                                                              "COOKED_OPD_RED_EXCEPTION",
                                                              "BASE_OPD_DO",
                                                              "BASE_OPD_TEMP",
                                                              "BASE_OPD_DPHASE",
                                                              "BASE_OPD_EXCEPTION",
                                                              "BASE_OPD_PHASE_DIAG_HIWORD",
                                                              "BASE_OPD_PHASE_DIAG_LOWORD",
                                                              "BASE_OPD_O2PP",
                                                              "BASE_OPD_TEMP_COUNTS",
                                                              "BASE_OPD_BLUE_PHASE",
                                                              "BASE_OPD_BLUE_REF",
                                                              "BASE_OPD_BLUE_AC_AMP",
                                                              "BASE_OPD_BLUE_REF_AC_AMP",
                                                              "BASE_OPD_BLUE_MAX_ABS",
                                                              "BASE_OPD_BLUE_EXCEPTION",
                                                              "BASE_OPD_RED_PHASE",
                                                              "BASE_OPD_RED_REF\t",
                                                              "BASE_OPD_RED_AC_AMP",
                                                              "BASE_OPD_RED_REF_AC_AMP",
                                                              "BASE_OPD_RED_MAX_ABS",
                                                              "BASE_OPD_RED_EXCEPTION"};

}  // namespace

const ValueFunctionRegistry& ValueFunctionRegistry::Instance() {
  static const ValueFunctionRegistry registry;
  return registry;
}

ValueFunctionRegistry::ValueFunctionRegistry() {
  Insert("ZERO", FetchZero);
  for (std::string_view name : kRootValueNames) Insert(name, FetchRootValue);
  for (const LogFamily* family : LogFamilies()) Insert(family->FlagValueName(), FetchRootValue);
  for (std::string_view name : kStageValueNames) Insert(name, FetchRowValue);
  for (const AppliedValueRow& row : AppliedValueRows()) Insert(row.functionName, FetchRowValue);
  Insert("TIMESTAMP", FetchRowValue);
  for (std::string_view name : kOpticalValueNames) Insert(name, FetchRowValue);
  for (const DerivedFormula& formula : DerivedFormulas()) {
    Insert(formula.name, formula.compute != nullptr ? FetchDerivedValue : FetchZero);
  }
}

void ValueFunctionRegistry::Insert(std::string_view key, ValueFunction function) {
  functions_.insert_or_assign(std::string(key), function);
  ++insertions_;
}

ValueFunction ValueFunctionRegistry::Find(std::string_view key) const {
  const auto found = functions_.find(key);
  return found == functions_.end() ? nullptr : found->second;
}

}  // namespace pelcon
