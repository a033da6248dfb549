#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace pelcon::ui {

// Template contents and display names: Windows-1252 bytes.
QString FromTemplateText(std::string_view bytes);
// Characters the code page lacks become "?".
std::string ToTemplateText(const QString& text);

// Paths: UTF-8, the encoding Qt gives file names; a byte that is not UTF-8 survives the round
// trip (as U+DC00 plus the byte).
QString FromPath(std::string_view path);
std::string ToPath(const QString& path);

// Messages may carry both (a display name, a path): UTF-8 when the bytes are valid UTF-8, else
// Windows-1252.
QString FromMessageText(std::string_view bytes);

}  // namespace pelcon::ui
