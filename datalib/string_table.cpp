#include "datalib/string_table.hpp"

#include <iterator>
#include <unordered_map>

namespace pelcon {
namespace {

// clang-format off
constexpr StringResource kStringResources[] = {
    // Device entity codes without a model; the models are named by their families.
    {23000, "Unknown"},

    // Alias and unit texts of value attributes: add rows here.
};
// clang-format on

const std::unordered_map<int, const char*>& TextsById() {
  static const std::unordered_map<int, const char*> texts = [] {
    std::unordered_map<int, const char*> map;
    for (const StringResource& row : kStringResources) map.emplace(row.id, row.text);
    return map;
  }();
  return texts;
}

}  // namespace

std::string LoadResourceString(int id) {
  const auto& texts = TextsById();
  const auto found = texts.find(id);
  return found == texts.end() ? std::string() : std::string(found->second);
}

const StringResource* StringResourcesBegin() {
  return std::begin(kStringResources);
}
const StringResource* StringResourcesEnd() {
  return std::end(kStringResources);
}

}  // namespace pelcon
