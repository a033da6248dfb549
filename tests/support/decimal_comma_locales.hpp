#pragma once

#include <array>

namespace pelcon::test_support {

// Locales whose numbers have a decimal comma (and Russian's space grouping), under which every
// output must stay byte for byte what it is under "C". tools/setup-debian.sh generates them.
#ifdef _WIN32
inline constexpr std::array<const char*, 3> kDecimalCommaLocales = {
    "German_Germany.1252", "French_France.1252", "Russian_Russia.1251"};
#else
inline constexpr std::array<const char*, 3> kDecimalCommaLocales = {"de_DE.UTF-8", "fr_FR.UTF-8",
                                                                    "ru_RU.UTF-8"};
#endif

}  // namespace pelcon::test_support
