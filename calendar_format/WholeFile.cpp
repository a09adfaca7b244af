#include "calendar_format/WholeFile.h"

#include "calendar_format/FileKind.h"

#include <QSaveFile>

FileResult WriteAll(QIODevice& device, QByteArrayView bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) return {FileStatus::Failed, device.errorString()};
        done += written;
    }
    return {};
}

FileResult WriteWholeFile(const QString& path, QByteArrayView bytes) {
    return WriteWholeFile(path, [bytes](QIODevice& file) { return WriteAll(file, bytes); });
}

FileResult WriteWholeFile(const QString& path,
                          const std::function<FileResult(QIODevice& file)>& write) {
    // The save file would put a new regular file in the place of a pipe or a device node.
    if (const auto reason = NotASaveTarget(path)) return {FileStatus::Failed, *reason};
    QSaveFile file(path);
    // Unbuffered, so that every failing write is seen here: a buffered save file can lose
    // the error of its last write and still put a truncated file in place.
    FileResult result = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                            ? write(file)
                            : FileResult{FileStatus::Failed, file.errorString()};
    if (!result.failed() && !file.commit()) result = {FileStatus::Failed, file.errorString()};
    if (result.failed()) file.cancelWriting();
    return result;
}
