#include "ui/qt/qt_text.hpp"

#include <QList>
#include <QStringDecoder>

#include "datalib/text_codec.hpp"

namespace pelcon::ui {
namespace {

// File names are bytes, and Qt's own decoding turns a byte that is not UTF-8 into U+FFFD, losing
// the name. Such a byte travels here as a lone low surrogate, U+DC00 plus the byte, which no
// decoded name holds, and turns back into the same byte.
constexpr char16_t kEscapedByteBase = 0xDC00;

// The code point of the valid UTF-8 sequence at the start of bytes and its length; length 0 when
// the first byte starts none.
std::size_t DecodeUtf8(std::string_view bytes, char32_t& codePoint) {
  const auto first = static_cast<unsigned char>(bytes[0]);
  std::size_t length = 0;
  char32_t smallest = 0;
  if (first < 0x80) {
    codePoint = first;
    return 1;
  } else if ((first & 0xE0) == 0xC0) {
    length = 2, codePoint = first & 0x1F, smallest = 0x80;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3, codePoint = first & 0x0F, smallest = 0x800;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4, codePoint = first & 0x07, smallest = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(bytes[k]);
    if ((next & 0xC0) != 0x80) return 0;
    codePoint = codePoint << 6 | (next & 0x3F);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  return codePoint < smallest || codePoint > 0x10FFFF || surrogate ? 0 : length;
}

void AppendUtf8(std::string& bytes, char32_t codePoint) {
  if (codePoint < 0x80) {
    bytes.push_back(static_cast<char>(codePoint));
    return;
  }
  const int continuations = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
  constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
  bytes.push_back(static_cast<char>(kLeads[continuations] | codePoint >> (6 * continuations)));
  for (int k = continuations - 1; k >= 0; --k) {
    bytes.push_back(static_cast<char>(0x80 | ((codePoint >> (6 * k)) & 0x3F)));
  }
}

}  // namespace

QString FromTemplateText(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char byte : bytes) {
    text.append(
        QChar(static_cast<char16_t>(Windows1252ToUnicode(static_cast<unsigned char>(byte)))));
  }
  return text;
}

std::string ToTemplateText(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (char32_t character : text.toUcs4()) {
    const int byte = UnicodeToWindows1252(character);
    bytes.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return bytes;
}

QString FromPath(std::string_view path) {
  QString text;
  text.reserve(static_cast<qsizetype>(path.size()));
  while (!path.empty()) {
    char32_t codePoint = 0;
    std::size_t length = DecodeUtf8(path, codePoint);
    if (length == 0) {
      codePoint = kEscapedByteBase + static_cast<unsigned char>(path[0]);
      length = 1;
    }
    if (QChar::requiresSurrogates(codePoint)) {
      text.append(QChar(QChar::highSurrogate(codePoint)));
      text.append(QChar(QChar::lowSurrogate(codePoint)));
    } else {
      text.append(QChar(static_cast<char16_t>(codePoint)));
    }
    path.remove_prefix(length);
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
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return utf8.hasError() ? FromTemplateText(bytes) : text;
}

}  // namespace pelcon::ui
