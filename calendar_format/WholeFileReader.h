#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// No calendar comes near this size. The reader refuses a larger file before reading it into
// memory, and the writer refuses to write a calendar that the reader would refuse.
inline constexpr qint64 kLargestCalendarFile = 256LL * 1024 * 1024;

// The whole of the regular file at path, or nothing with the reason in error. A folder, a
// named pipe, a device or a socket is refused without being read (a pipe would wait for a
// writer for ever, a device may never end), and at most limit + 1 bytes are read: a file
// larger than limit is refused, even one that grows while it is read.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit, QString* error);
