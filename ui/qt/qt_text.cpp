#include "ui/qt/qt_text.hpp"

#include <QFile>
#include <QStringDecoder>

#include "datalib/windows_1252.hpp"

namespace pelcon::ui {

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
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string ToPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString FromMessageText(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  return utf8.hasError() ? FromTemplateText(bytes) : text;
}

}  // namespace pelcon::ui
