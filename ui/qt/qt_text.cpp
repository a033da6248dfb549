#include "ui/qt/qt_text.hpp"

#include "datalib/text_codec.hpp"

namespace pelcon::ui {
namespace {

// File names are bytes, and Qt's own decoding turns a byte that is not UTF-8 into U+FFFD, losing
// the name. Such a byte travels here as a lone low surrogate, U+DC00 plus the byte, which no
// decoded name holds, and turns back into the same byte.
constexpr char16_t kEscapedByteBase = 0xDC00;

}  // namespace

QString FromTemplateText(std::string_view bytes) {
  return QString::fromStdString(Windows1252AsUtf8(bytes));
}

std::string ToTemplateText(const QString& text) {
  return *Utf8ToWindows1252(text.toStdString(), CodecMode::kLossy);
}

QString FromPath(std::string_view path) {
  QString text;
  text.reserve(static_cast<qsizetype>(path.size()));
  while (!path.empty()) {
    Utf8Sequence sequence = DecodeUtf8(path);
    if (sequence.length == 0) {
      sequence = {char32_t{kEscapedByteBase} + static_cast<unsigned char>(path[0]), 1};
    }
    if (QChar::requiresSurrogates(sequence.character)) {
      text.append(QChar(QChar::highSurrogate(sequence.character)));
      text.append(QChar(QChar::lowSurrogate(sequence.character)));
    } else {
      text.append(QChar(static_cast<char16_t>(sequence.character)));
    }
    path.remove_prefix(sequence.length);
  }
  return text;
}

std::string ToPath(const QString& path) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(path.size()));
  for (qsizetype i = 0; i < path.size(); ++i) {
    const char16_t unit = path[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < path.size() && path[i + 1].isLowSurrogate()) {
      AppendUtf8(bytes, QChar::surrogateToUcs4(unit, path[++i].unicode()));
    } else if (unit >= kEscapedByteBase + 0x80 && unit <= kEscapedByteBase + 0xFF) {
      bytes.push_back(static_cast<char>(unit - kEscapedByteBase));
    } else if (QChar::isSurrogate(unit)) {
      bytes.push_back('?');
    } else {
      AppendUtf8(bytes, unit);
    }
  }
  return bytes;
}

QString FromMessageText(std::string_view bytes) {
  return IsUtf8(bytes) ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                       : FromTemplateText(bytes);
}

}  // namespace pelcon::ui
