// File names between Qt's text and the bytes the file system holds. Our files keep names as
// the bytes the system gave; Qt's dialogs and labels see them through the local file-name
// encoding.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

namespace zandor {

// The bytes of a name Qt hands us (a file dialog's answer), as the file system takes them.
inline std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A stored name as Qt shows it; only for showing: open files by the stored bytes.
inline QString ShownPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// The first n characters of a text, never cutting a character in two (QString::left counts
// UTF-16 units, which splits characters beyond the first 65,536).
inline QString LeftCharacters(const QString& text, qsizetype n) {
  const QList<uint> ucs4 = text.toUcs4();
  if (ucs4.size() <= n) return text;
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(ucs4.constData()), n);
}

// How many characters a text holds.
inline qsizetype CharacterCount(const QString& text) { return text.toUcs4().size(); }

}  // namespace zandor
