#pragma once

#include <string>

// The compiled-in table of string resources (design.md: "String resources (alias, unit and
// entity texts)"), the portable stand-in for the Windows STRINGTABLE. Texts are 8-bit
// Windows-1252 bytes as stored (the micro sign is "\xB5").
//
// To add texts: append rows to the table in string_table.cpp (one section per owner, ids
// unique; a duplicate id fails the string table test).

namespace pelcon {

// The text of a string resource, or the empty text when the table has none.
std::string LoadResourceString(int id);

// Every row of the table, for tests and tools.
struct StringResource {
  int id;
  const char* text;
};
const StringResource* StringResourcesBegin();
const StringResource* StringResourcesEnd();

}  // namespace pelcon
