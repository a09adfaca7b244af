#include "calendar_format/CalendarFileWriter.h"

#include "calendar_format/WholeFile.h"

#include <QIODevice>

CalendarFileWriter::CalendarFileWriter(QIODevice* device) : device_(device) {
    if (device_) text_.reserve(kPiece + kPiece / 4);
}

void CalendarFileWriter::prologue(QByteArrayView title, bool withHeaders, QByteArrayView header1,
                                  QByteArrayView header2, QByteArrayView key) {
    line(kVersionLine);
    line(title);
    if (withHeaders) {
        text_.append(kHeader1);
        line(header1);
        text_.append(kHeader2);
        line(header2);
    }
    line(key);
    line({});
}

void CalendarFileWriter::beginRun(EntryRun run) {
    if (const char* heading = runLayout(run).heading) line(heading);
}

void CalendarFileWriter::endLine() {
    text_.append("\r\n", 2);
    if (device_ && text_.size() >= kPiece) handOn();
}

void CalendarFileWriter::end(QByteArrayView rest) {
    line(kEndOfData);
    text_.append(rest);
}

FileResult CalendarFileWriter::finish() {
    if (device_) handOn();
    return result_;
}

void CalendarFileWriter::handOn() {
    if (!result_.failed()) result_ = WriteAll(*device_, text_);
    text_.resize(0); // keeps its room for the next piece
}
