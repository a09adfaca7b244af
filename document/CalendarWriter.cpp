#include "document/CalendarFormat.h"

#include "calendar_format/CalendarFileWriter.h"
#include "document/OwnSectionEntries.h"
#include "platform/TextCodec.h"

#include <QIODevice>

// The writing half of the calendar file: the document's texts and fields onto the lines of
// calendar_format's writer, into one byte array or, in pieces, onto a device.

namespace {

// Text as it goes into a line: UTF-8, with any line break turned into a space so that a
// pasted name can never split its line.
void append(QByteArray& line, const QString& text) {
    const qsizetype from = line.size();
    line.append(encodeText(text));
    for (qsizetype i = from; i < line.size(); ++i)
        if (line[i] == '\r' || line[i] == '\n') line[i] = ' ';
}
QByteArray lineText(const QString& text) {
    QByteArray line;
    append(line, text);
    return line;
}
template <int N> void append(QByteArray& line, const FixedText<N>& field) {
    line.append(field.toAscii());
}

// Each entry of the table as one line, made by fields(line, entry), between the run's
// heading and its empty line; entries of the file's own section are left to it.
template <class Entry, class Fields>
void writeRun(CalendarFileWriter& out, EntryRun run, const EntryTable<Entry>& table,
              Fields&& fields) {
    out.beginRun(run);
    for (const Entry& e : table) {
        if (InOwnSection(e)) continue;
        fields(out.text(), e);
        out.endLine();
    }
    out.endRun();
}

template <class Entry> void datedFields(QByteArray& line, const Entry& e) {
    append(line, e.Date);
    line.append(' ');
    append(line, e.Style);
    line.append(' ');
    append(line, e.Name);
}

void writeLines(CalendarFileWriter& out, const CalendarDocument& doc) {
    // The key line is empty: the calendar program writes plain entry lines.
    out.prologue(lineText(doc.CalendarTitle), true, lineText(doc.HeaderLine1),
                 lineText(doc.HeaderLine2), {});
    writeRun(out, EntryRun::Birthdays, doc.Birthdays, datedFields<BirthdayEntry>);
    writeRun(out, EntryRun::Anniversaries, doc.Anniversaries, datedFields<AnniversaryEntry>);
    writeRun(out, EntryRun::FixedHolidays, doc.FixedHolidays,
             [](QByteArray& line, const FixedHolidayEntry& e) {
                 line.append('F');
                 append(line, e.Date);
                 line.append(' ');
                 append(line, e.Name);
             });
    writeRun(out, EntryRun::FloatingHolidays, doc.FloatingHolidays,
             [](QByteArray& line, const FloatingHolidayEntry& e) {
                 append(line, e.Rule);
                 append(line, e.Month);
                 line.append(' ');
                 append(line, e.Name);
             });
    writeRun(out, EntryRun::OtherEvents, doc.OtherEvents,
             [](QByteArray& line, const OtherEntry& e) {
                 append(line, e.Date);
                 line.append(' ');
                 append(line, e.Name);
             });
    out.end();
    WriteOwnSection(out, SectionRecordsOf(doc), doc.KeptSection);
}

} // namespace

QByteArray formatCalendar(const CalendarDocument& doc) {
    CalendarFileWriter out;
    writeLines(out, doc);
    return out.takeAll();
}

FileResult writeCalendar(QIODevice& device, const CalendarDocument& doc) {
    CalendarFileWriter out(&device);
    writeLines(out, doc);
    return out.finish();
}
