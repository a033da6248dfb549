#pragma once

#include <cstdint>

namespace pelcon {

// Results of the front end: 0 is success, values with the top bit set are failures. They cross the
// component interface unchanged.
using ResultCode = std::int32_t;

inline constexpr ResultCode kResultOk = 0;
inline constexpr ResultCode kResultFail = static_cast<ResultCode>(0x80004005);  // E_FAIL
inline constexpr ResultCode kResultNotImplemented = static_cast<ResultCode>(0x80004001);
inline constexpr ResultCode kResultPointer = static_cast<ResultCode>(0x80004003);
inline constexpr ResultCode kResultUnexpected = static_cast<ResultCode>(0x8000FFFF);
inline constexpr ResultCode kResultOutOfMemory = static_cast<ResultCode>(0x8007000E);
inline constexpr ResultCode kResultCancelled = static_cast<ResultCode>(0x81000001);
inline constexpr ResultCode kResultOpenFailed = static_cast<ResultCode>(0x81000002);
inline constexpr ResultCode kResultTemplateMissing = static_cast<ResultCode>(0x81000003);
inline constexpr ResultCode kResultLogFileMissing = static_cast<ResultCode>(0x81000004);

inline constexpr bool Failed(ResultCode result) {
  return result < 0;
}

}  // namespace pelcon
