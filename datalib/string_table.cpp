#include "datalib/string_table.hpp"

#include <iterator>
#include <unordered_map>

namespace pelcon {
namespace {

// clang-format off
constexpr StringResource kStringResources[] = {
    // Device entity codes (EntityCodeTextId; names from the device type table of the
    // header report). 23000 is every code without a name, 29 included.
    {23000, "Unknown"},
    {23001, "Lodax Model 1"},
    {23002, "Lodax Model 2"},
    {23003, "Lodax Model 3"},
    {23004, "Lodax Model 4"},
    {23005, "Lodax Model 5"},
    {23006, "Lodax Model 6"},
    {23007, "Lodax Model 7"},
    {23008, "Lodax Model 8"},
    {23009, "Pellum"},
    {23010, "Vorta Model 1"},
    {23011, "Vorta Model 2"},
    {23012, "Vorta Model 3"},
    {23013, "Vorta Model 4"},
    {23014, "Vorta Model 5"},
    {23015, "Vorta Model 6"},
    {23016, "Vorta Model 7"},
    {23017, "Vorta Model 8"},
    {23018, "Vorta Model 9"},
    {23019, "Vorta Model 10"},
    {23020, "Vorta Model 11"},

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
