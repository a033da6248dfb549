#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "datalib/data_table.hpp"
#include "logfile/value_attribute_format.hpp"

namespace pelcon {

class CDataMap;

// Attribute keys of Query.
inline constexpr std::string_view kAttribAlias = "AttribAlias";
inline constexpr std::string_view kAttribUnitType = "AttribUnitType";
inline constexpr std::string_view kAttribUnitTypeAbv = "AttribUnitTypeAbv";
inline constexpr std::string_view kAttribUnits = "AttribUnits";
inline constexpr std::string_view kAttribUnitsAbv = "AttribUnitsAbv";
inline constexpr std::string_view kAttribFormat = "AttribFormat";
inline constexpr std::string_view kAttribDigits = "AttribDigits";
inline constexpr std::string_view kAttribValueStr = "AttribValueStr";

// The display attributes of every value name (alias, unit type, units, their abbreviations,
// format and significant digits) and the formatting of a value into its CSV cell text. One
// exists per value dictionary. Built from the compiled-in rows on construction; answers queries
// once a log file has been attached (InheritAttributes).
class ValueAttributeTable {
 public:
  ValueAttributeTable();

  // Called at every attach with the applied values' alias pairs (generic name, stage value name,
  // for example "DEGREES_C" -> "BASE_RTD"), in the order the pairs are to be applied: each stage
  // value takes every unit and format cell it lacks (an invalid text, see IsInvalidFormat) from
  // the generic name bound to it. Replaced cells stay replaced for later attaches. Any range of
  // pairs of texts will do.
  template <typename AliasPairs>
  void InheritAttributes(const AliasPairs& aliases) {
    for (const auto& [generic, stage] : aliases) InheritCells(generic, stage);
    BuildAttributeMaps();
  }

  bool RowsLoaded() const { return rowsLoaded_; }
  bool MapsComplete() const { return mapsComplete_; }

  // Stores the attribute of the name into result: one of the kAttrib keys (letter case
  // ignored), or every one of them for an empty key; an unknown key stores nothing.
  // "AttribValueStr" formats the text stored in result under the name itself, and is empty when
  // there is none. Returns 1 when answered, 0 before the first InheritAttributes.
  int Query(std::string_view name, std::string_view attribute, CDataMap& result) const;

  // The cell text of a value of the name given as stored text. A name without a row passes the
  // text unchanged.
  std::string FormatValue(std::string_view name, std::string_view valueText) const;

  // The attribute rows: "ValueName", "IDSAlias", "IDSUnitType", "IDSUnitType_Abv", "IDSUnits",
  // "IDSUnits_Abv", "Format", "Digits".
  const CDataTable& Rows() const { return rows_; }

 private:
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
      return std::hash<std::string_view>{}(text);
    }
  };
  template <typename Value>
  using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

  // Everything a query or a cell needs about one value name, from its (last) row.
  struct Attributes {
    std::string unitType;
    std::string unitTypeAbv;
    std::string units;
    std::string unitsAbv;
    std::string format;
    std::string digitsText;
    int digits = 0;
    ValueFormat valueFormat;
  };

  void LoadRows();
  void BuildAliasMaps();
  void InheritCells(std::string_view generic, std::string_view stage);
  void BuildAttributeMaps();
  std::string CellIdText(int column, int row) const;
  const Attributes* Find(std::string_view name) const;
  void StoreAttribute(int index, std::string_view name, const Attributes* attributes,
                      CDataMap& result) const;

  CDataTable rows_;
  TextMap<int> rowOfName_;  // the last row of each name
  TextMap<std::string> alias_;
  TextMap<std::string> aliasOwner_;
  TextMap<Attributes> attributes_;
  bool rowsLoaded_ = false;
  bool mapsComplete_ = false;
};

}  // namespace pelcon
