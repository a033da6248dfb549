#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "platform/com_types.hpp"

namespace {

// The length prefix is padded to a whole wide character so the characters stay aligned.
constexpr std::size_t kPrefixBytes = sizeof(OLECHAR) > 4 ? sizeof(OLECHAR) : 4;

std::uint32_t* PrefixOf(BSTR text) {
  return reinterpret_cast<std::uint32_t*>(text) - 1;
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, unsigned int length) {
  const std::size_t bytes = std::size_t{length} * sizeof(OLECHAR);
  auto* block = static_cast<unsigned char*>(std::malloc(kPrefixBytes + bytes + sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  auto* characters = reinterpret_cast<OLECHAR*>(block + kPrefixBytes);
  *PrefixOf(characters) = static_cast<std::uint32_t>(bytes);
  if (text != nullptr)
    std::memcpy(characters, text, bytes);
  else
    std::memset(characters, 0, bytes);
  characters[length] = 0;
  return characters;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  return SysAllocStringLen(text, static_cast<unsigned int>(std::wcslen(text)));
}

void SysFreeString(BSTR text) {
  if (text == nullptr) return;
  std::free(reinterpret_cast<unsigned char*>(text) - kPrefixBytes);
}

unsigned int SysStringLen(BSTR text) {
  return text == nullptr ? 0 : *PrefixOf(text) / sizeof(OLECHAR);
}
