#include "document/CalendarFormat.h"

#include "document/WholeFile.h"
#include "platform/TextCodec.h"

#include <QIODevice>

// The writing half of the calendar file: the same lines go into one byte array or, in pieces,
// onto a device, so that saving a large calendar never holds a second copy of it in memory.

namespace {

// Lines of the file as they are made. Onto a device they are handed on whenever some have
// gathered; after a failed write nothing more is written and the failure is kept.
class FileLines {
  public:
    explicit FileLines(QIODevice* device = nullptr) : device_(device) {
        if (device_) text_.reserve(kPiece + kPiece / 4);
    }

    // The line being made; endLine finishes it.
    QByteArray& text() { return text_; }
    void endLine() {
        text_.append("\r\n", 2);
        if (device_ && text_.size() >= kPiece) handOn();
    }
    void line(QByteArrayView bytes) {
        text_.append(bytes);
        endLine();
    }
    // Text as it goes into a line: UTF-8, with any line break turned into a space so that a
    // pasted name can never split its line.
    void append(const QString& text) {
        const qsizetype from = text_.size();
        text_.append(encodeText(text));
        for (qsizetype i = from; i < text_.size(); ++i)
            if (text_[i] == '\r' || text_[i] == '\n') text_[i] = ' ';
    }
    template <int N> void append(const FixedText<N>& field) { text_.append(field.toAscii()); }

    QByteArray takeAll() { return std::move(text_); }
    FileResult finish() {
        handOn();
        return result_;
    }

  private:
    static constexpr qsizetype kPiece = 64 * 1024;

    void handOn() {
        if (!result_.failed()) result_ = WriteAll(*device_, text_);
        text_.resize(0); // keeps its room for the next piece
    }

    QIODevice* device_;
    QByteArray text_;
    FileResult result_;
};

template <class Entry> void datedLines(FileLines& out, const EntryTable<Entry>& table) {
    for (const Entry& e : table) {
        out.append(e.Date);
        out.text().append(' ');
        out.append(e.Style);
        out.text().append(' ');
        out.append(e.Name);
        out.endLine();
    }
}

void writeLines(FileLines& out, const CalendarDocument& doc) {
    out.line(kVersionLine);
    out.append(doc.CalendarTitle);
    out.endLine();
    out.text().append(kHeader1);
    out.append(doc.HeaderLine1);
    out.endLine();
    out.text().append(kHeader2);
    out.append(doc.HeaderLine2);
    out.endLine();
    out.line({}); // the key line: the calendar program writes plain entry lines
    out.line({});
    out.line(kBirthdayHeading);
    datedLines(out, doc.Birthdays);
    out.line({});
    out.line(kAnniversaryHeading);
    datedLines(out, doc.Anniversaries);
    out.line({});
    out.line(kHolidayHeading);
    for (const FixedHolidayEntry& e : doc.FixedHolidays) {
        out.text().append('F');
        out.append(e.Date);
        out.text().append(' ');
        out.append(e.Name);
        out.endLine();
    }
    out.line({});
    for (const FloatingHolidayEntry& e : doc.FloatingHolidays) {
        out.append(e.Rule);
        out.append(e.Month);
        out.text().append(' ');
        out.append(e.Name);
        out.endLine();
    }
    out.line({});
    out.line(kOtherHeading);
    for (const OtherEntry& e : doc.OtherEvents) {
        out.append(e.Date);
        out.text().append(' ');
        out.append(e.Name);
        out.endLine();
    }
    out.line({});
    out.line(kEndOfData);
}

} // namespace

QByteArray formatCalendar(const CalendarDocument& doc) {
    FileLines out;
    writeLines(out, doc);
    return out.takeAll();
}

FileResult writeCalendar(QIODevice& device, const CalendarDocument& doc) {
    FileLines out(&device);
    writeLines(out, doc);
    return out.finish();
}
