#pragma once

#include "calendar_format/FileLayout.h"
#include "calendar_format/LineReader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Reads the lines of a calendar file in order: the version line, the prologue, and the five
// runs of entry lines, unscrambled. It hands out bytes; the caller decodes the text and makes
// the entries. A malformed file throws CalendarFormatError from the reading call, which the
// caller turns into its own failure at the edge of its parse (the error never leaves it).
struct CalendarFormatError {
    QString text; // for the user: "The file ends unexpectedly after line 4."
};

struct CalendarPrologue {
    QByteArray title;
    bool hasHeaders = false; // false: the file has no header lines and line 3 is the key
    QByteArray header1, header2;
    QByteArray key; // empty: the entry lines are plain
};

class CalendarFileReader {
  public:
    explicit CalendarFileReader(QByteArrayView data) : lines_(data) {}

    // Line 1; false when it is not the version line (a file of another version).
    bool readVersion();

    // Lines 2 to 5 (or 2 to 3 without header lines): title, header lines, key line.
    const CalendarPrologue& readPrologue();
    const CalendarPrologue& prologue() const { return prologue_; }

    // Reads up to the run's heading (none for floating holidays). The line in hand is looked
    // at first, so a key line that happens to be the heading is found as the heading too.
    void beginRun(EntryRun run);

    // The number of lines of the run ahead that are long enough to be its entries, so that
    // the caller can make room for them at once.
    qsizetype runLength(EntryRun run) const;

    // Reads the run's entry lines up to its empty line, handing each unscrambled line to add
    // after checking that it is long enough for the run. Returns false when a stop line
    // ended the reading.
    template <class Add> bool readRun(EntryRun run, Add&& add) {
        const RunLayout& layout = runLayout(run);
        for (;;) {
            current_ = nextLine();
            if (current_.isEmpty()) return true;
            if (prologue_.key.isEmpty()) {
                requireLength(current_, layout);
                add(current_);
                continue;
            }
            unscrambled_ = unscrambleCurrent();
            if (unscrambled_ == kStopLine) return false;
            requireLength(unscrambled_, layout);
            add(QByteArrayView(unscrambled_));
        }
    }

    // After the last run: the "[End of Data]" line, then everything after it as it stands in
    // the file. Empty when the file ends before or at that line.
    QByteArrayView rest();

    int lineNumber() const { return lines_.lineNumber(); }

    // Where the lines stand in the data, for a caller that changes a file in place: the line
    // in hand as it is in the file (scrambled; inside readRun's add, the entry line; after
    // readRun, the run's empty line), and the key line.
    QByteArrayView currentLine() const { return current_; }
    QByteArrayView keyLine() const { return keyLine_; }

  private:
    QByteArrayView nextLine();
    QByteArray unscrambleCurrent() const;
    void requireLength(QByteArrayView line, const RunLayout& layout) const;

    LineReader lines_;
    QByteArrayView current_;
    QByteArrayView keyLine_;
    QByteArray unscrambled_;
    CalendarPrologue prologue_;
};
