// libFuzzer harness for the settings file's text. The input is a document, optionally followed by
// NUL-separated key, value name and text that are stored into it. Whatever the parser accepts and
// whatever a change makes of it serialises to a text that parses back and serialises to itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.hpp"
#include "platform/posix/registry_document.hpp"

namespace {

std::vector<std::string_view> SplitAtNul(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::string_view::size_type nul; (nul = text.find('\0')) != text.npos;) {
    fields.push_back(text.substr(0, nul));
    text.remove_prefix(nul + 1);
  }
  fields.push_back(text);
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using pelcon::fuzz::Check;
  using pelcon::platform::RegistryDocument;
  const std::vector<std::string_view> fields = SplitAtNul(pelcon::fuzz::TextOf(data, size));
  std::optional<RegistryDocument> document = RegistryDocument::Parse(fields[0]);
  if (!document) return 0;
  if (fields.size() >= 2) document->CreateKey(fields[1]);
  if (fields.size() >= 4) document->SetString(fields[1], fields[2], fields[3]);

  const std::string text = document->Serialize();
  const std::optional<RegistryDocument> reparsed = RegistryDocument::Parse(text);
  Check(reparsed.has_value(), "a serialised document does not parse");
  Check(reparsed->Serialize() == text, "serialise, parse, serialise is not a fixed point");
  return 0;
}
