#pragma once

#include <string>

#include "platform/com_types.hpp"
#include "platform/wide_text.hpp"

namespace pelcon::platform {

// One wide string handed to a component, freed when it goes out of scope.
class OwnedBstr {
 public:
  explicit OwnedBstr(const std::string& text) : text_(SysAllocString(NarrowToWide(text).c_str())) {}
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;
  ~OwnedBstr() { SysFreeString(text_); }
  BSTR get() const { return text_; }

 private:
  BSTR text_;
};

}  // namespace pelcon::platform
