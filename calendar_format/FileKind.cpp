#include "calendar_format/FileKind.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

std::optional<QString> NotARegularFile(mode_t mode) {
    if (S_ISREG(mode)) return std::nullopt;
    const char* what = QT_TRANSLATE_NOOP("FileKind", "It is not a regular file.");
    if (S_ISDIR(mode)) what = QT_TRANSLATE_NOOP("FileKind", "It is a folder, not a file.");
    if (S_ISFIFO(mode)) what = QT_TRANSLATE_NOOP("FileKind", "It is a named pipe, not a file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        what = QT_TRANSLATE_NOOP("FileKind", "It is a device, not a file.");
    if (S_ISSOCK(mode)) what = QT_TRANSLATE_NOOP("FileKind", "It is a socket, not a file.");
    return QCoreApplication::translate("FileKind", what);
}

std::optional<QString> NotASaveTarget(const QString& path) {
    struct stat info {};
    // Follows links, as the save does: a link is saved through to what it names. A path that
    // cannot be looked at (it does not exist, a folder on the way is not readable) is left to
    // the save, which names its own error.
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return std::nullopt;
    return NotARegularFile(info.st_mode);
}
