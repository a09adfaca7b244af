#pragma once

#include <QString>
#include <optional>
#include <sys/types.h>

// What kind of thing a path names, for the reader and every writer of files: only a regular
// file is read or replaced. A folder, a named pipe, a device or a socket is left alone with a
// reason the user is shown.

// Why a file of this mode (st_mode) is not a regular file, or nothing for a regular file:
// "It is a named pipe, not a file."
std::optional<QString> NotARegularFile(mode_t mode);

// Why path may not be saved to: nothing when it does not exist yet or is a regular file (a
// link to a regular file counts as one), else the reason as above. A save refused this way
// changes nothing: a pipe stays a pipe, a device node stays in place.
std::optional<QString> NotASaveTarget(const QString& path);
