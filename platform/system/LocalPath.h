#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace vyx {

// The program carries a local file as a text entry, but a file's name is bytes, and names from
// old archives and other systems are often not UTF-8. Such a name travels as a file:// address
// with its bytes percent-encoded, which the media engine reads as the same file; every other
// name stays a plain path.
[[nodiscard]] QString entryForPath(const QByteArray& path);
// The entry for a file:// address, by the bytes its path encodes.
[[nodiscard]] QString entryForFileAddress(const QUrl& address);
// The file:// address of a local entry, every byte of its name kept.
[[nodiscard]] QString fileAddress(const QString& entry);
// The bytes of the file that a local entry names.
[[nodiscard]] QByteArray pathOfEntry(const QString& entry);
// The bytes of the same file's name with every link and "." or ".." resolved; empty when it
// cannot be found.
[[nodiscard]] QByteArray canonicalPath(const QString& entry);
// The entry as a user reads it: the full path, bytes that are not UTF-8 shown as U+FFFD.
[[nodiscard]] QString shownPath(const QString& entry);
// Its last part alone; for an address, the last part of the address.
[[nodiscard]] QString shownName(const QString& entry);

} // namespace vyx
