#pragma once

#include "calendar_format/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

class QIODevice;

// Writing a file whole, so that a failure never leaves a half-written file behind.

// Writes all of bytes to an open device, going on after a partial write until everything is
// written or the device names its error.
FileResult WriteAll(QIODevice& device, QByteArrayView bytes);

// Writes bytes to path through a temporary file in the same folder that replaces the file
// only once everything was written: a failed write leaves the previous file as it was. A
// path that names something other than a regular file (a folder, a pipe, a device) is
// refused with the reason (see NotASaveTarget) and left as it is.
FileResult WriteWholeFile(const QString& path, QByteArrayView bytes);

// The same with the bytes written by write onto the open temporary file, for files too large
// to be made whole in memory first. write returns Failed with the reason when a write fails.
FileResult WriteWholeFile(const QString& path,
                          const std::function<FileResult(QIODevice& file)>& write);
