#pragma once

#include "calendar_format/FileLayout.h"
#include "calendar_format/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

// Writes the lines of a calendar file in order, each ended by CR LF: into one byte array, or
// onto an open device in pieces, so that saving a large calendar never holds a second copy
// of it in memory. The caller gives the prologue, then each run in file order with its entry
// lines, then ends the file. After a failed write nothing more is written; finish tells.
class CalendarFileWriter {
  public:
    explicit CalendarFileWriter(QIODevice* device = nullptr);

    // Version line, title, the header lines (when withHeaders), key line and the empty line
    // before the first heading.
    void prologue(QByteArrayView title, bool withHeaders, QByteArrayView header1,
                  QByteArrayView header2, QByteArrayView key);

    // The run's heading line, if it has one; then the run's entry lines, then endRun.
    void beginRun(EntryRun run);
    // The line being made; endLine finishes it.
    QByteArray& text() { return text_; }
    void endLine();
    void line(QByteArrayView bytes) {
        text_.append(bytes);
        endLine();
    }
    void endRun() { line({}); }

    // "[End of Data]", and after it the file's own section, written as given.
    void end(QByteArrayView rest = {});

    QByteArray takeAll() { return std::move(text_); }
    FileResult finish();

  private:
    static constexpr qsizetype kPiece = 64 * 1024;
    void handOn();

    QIODevice* device_;
    QByteArray text_;
    FileResult result_;
};
