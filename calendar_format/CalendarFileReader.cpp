#include "calendar_format/CalendarFileReader.h"

#include "calendar_format/Scramble.h"

#include <QCoreApplication>

bool CalendarFileReader::readVersion() {
    return nextLine() == QByteArrayView(kVersionLine);
}

const CalendarPrologue& CalendarFileReader::readPrologue() {
    prologue_.title = nextLine().toByteArray();
    current_ = nextLine();
    if (current_.startsWith(kHeader1)) {
        prologue_.hasHeaders = true;
        prologue_.header1 = current_.sliced(QByteArrayView(kHeader1).size()).toByteArray();
        // The "Header2=" text itself is not compared: the line's text after it is the header.
        current_ = nextLine();
        prologue_.header2 = current_.size() > QByteArrayView(kHeader2).size()
                                ? current_.sliced(QByteArrayView(kHeader2).size()).toByteArray()
                                : QByteArray();
        keyLine_ = nextLine();
    } else {
        keyLine_ = current_; // no header lines: line 3 is the key line
    }
    prologue_.key = keyLine_.toByteArray();
    return prologue_;
}

void CalendarFileReader::beginRun(EntryRun run) {
    const char* heading = runLayout(run).heading;
    if (!heading) return;
    while (current_ != QByteArrayView(heading)) {
        if (lines_.atEnd())
            throw CalendarFormatError{
                QCoreApplication::translate("CalendarFileReader",
                                            "The file ends before the \"%1\" heading.")
                    .arg(QString::fromLatin1(heading))};
        current_ = nextLine();
    }
}

qsizetype CalendarFileReader::runLength(EntryRun run) const {
    return lines_.linesBeforeEmpty(runLayout(run).nameStart);
}

QByteArrayView CalendarFileReader::rest() {
    while (!lines_.atEnd()) {
        current_ = nextLine();
        if (current_ == QByteArrayView(kEndOfData)) return lines_.remaining();
    }
    return {};
}

QByteArrayView CalendarFileReader::nextLine() {
    const auto line = lines_.next();
    if (!line)
        throw CalendarFormatError{
            QCoreApplication::translate("CalendarFileReader",
                                        "The file ends unexpectedly after line %1.")
                .arg(lines_.lineNumber())};
    return *line;
}

QByteArray CalendarFileReader::unscrambleCurrent() const {
    return Unscramble(current_, prologue_.key);
}

void CalendarFileReader::requireLength(QByteArrayView line, const RunLayout& layout) const {
    if (line.size() < layout.nameStart)
        throw CalendarFormatError{QCoreApplication::translate("CalendarFileReader", layout.tooShort)
                                      .arg(lines_.lineNumber())};
}
