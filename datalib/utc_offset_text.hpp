#pragma once

#include <string>

namespace pelcon {

// Minutes east of UTC as "+HH:MM" or "-HH:MM".
std::string UtcOffsetText(int minutes);

}  // namespace pelcon
