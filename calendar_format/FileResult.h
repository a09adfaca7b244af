#pragma once

#include <QString>

// The outcome of every reading and writing of a file: what happened, and for a failure the
// reason as the user is shown it.
enum class FileStatus {
    Success,     // the whole file was read or written
    Stopped,     // reading ended early at a scrambled stop line ("X")
    NotReadable, // the file is of another version; nothing was changed
    Failed       // the file could not be read or written (the error says why); nothing was lost
};

struct FileResult {
    FileStatus status = FileStatus::Success;
    QString error; // for Failed: what went wrong, for the user
    // For a read that succeeded: what the file held that could not be shown, for the user.
    QString notice = {};

    // Everything but a failure counts as done.
    bool failed() const {
        return status == FileStatus::Failed || status == FileStatus::NotReadable;
    }
};
