#include "calendar_format/WholeFileReader.h"

#include "calendar_format/FileKind.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QString tooLarge() {
    return QCoreApplication::translate("WholeFileReader",
                                       "The file is too large to be a calendar.");
}

// Opens path for reading only when it is a regular file. The kind is looked at before the
// file is opened (opening a device can have effects of its own) and again on the open file,
// which is opened without waiting, so that a pipe put in its place meanwhile cannot hang.
int openRegularFile(const QByteArray& name, QString* error) {
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        *error = systemError(errno);
        return -1;
    }
    if (const auto reason = NotARegularFile(info.st_mode)) {
        *error = *reason;
        return -1;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = systemError(errno);
        return -1;
    }
    const auto reason =
        ::fstat(fd, &info) != 0 ? std::optional(systemError(errno)) : NotARegularFile(info.st_mode);
    if (reason) {
        *error = *reason;
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit, QString* error) {
    const int fd = openRegularFile(QFile::encodeName(path), error);
    if (fd < 0) return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > limit) {
        *error = tooLarge();
        return std::nullopt;
    }
    // Read in pieces up to one byte past the limit, so that a file that grows while it is
    // read is still caught without reading all of it.
    QByteArray data;
    data.reserve(file.size() + 1);
    char piece[64 * 1024];
    while (data.size() <= limit) {
        const qint64 wanted = std::min<qint64>(sizeof piece, limit + 1 - data.size());
        const qint64 got = file.read(piece, wanted);
        if (got < 0) {
            *error = file.errorString();
            return std::nullopt;
        }
        if (got == 0) break;
        data.append(piece, got);
    }
    if (data.size() > limit) {
        *error = tooLarge();
        return std::nullopt;
    }
    return data;
}
