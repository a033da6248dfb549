#pragma once

#include <string_view>

namespace pelcon {

class CDataMap;

// Value result codes: single bits, combined with OR; 0 is success. A value query leaves them in
// its result map as the integer "ErrCode" and the text "ErrStr" (one message line per code).
inline constexpr int kResultSuccess = 0;
inline constexpr int kResultFailed = 1;
inline constexpr int kResultFunctionError = 2;
inline constexpr int kResultNameNotFound = 4;
inline constexpr int kResultValueNotAvailable = 8;
inline constexpr int kResultRootNotFound = 16;
inline constexpr int kResultRootNotAvailable = 32;
inline constexpr int kResultRowNotFound = 64;
inline constexpr int kResultRowNotAvailable = 128;
inline constexpr int kResultAppliedNotFound = 256;
inline constexpr int kResultAppliedNotAvailable = 512;
inline constexpr int kResultDerivedNotFound = 1024;
inline constexpr int kResultDerivedNotAvailable = 2048;
inline constexpr int kResultAttributeNotFound = 4096;

inline constexpr std::string_view kErrCodeKey = "ErrCode";
inline constexpr std::string_view kErrStrKey = "ErrStr";

// The message of exactly one code; "Unknown error" for any other number, combinations included.
std::string_view ResultText(int code);

// Code 0 resets "ErrCode" to 0 and "ErrStr" to "Success". Any other code is ORed into "ErrCode"
// and its message appended to "ErrStr" as a new line, replacing the "Success" of a reset.
void ReportResult(int code, CDataMap& result);

}  // namespace pelcon
