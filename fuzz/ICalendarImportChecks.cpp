// The rules the iCalendar import keeps for every input. importICalendar gets the bytes into
// an empty calendar and into one that already holds entries, and these must hold:
//
// - nothing is written to standard error (the library's own diagnostics stay silent);
// - every table keeps its shape: one blank record, or records that all have a name;
// - a failed import leaves the document exactly as it was and says why;
// - an import only appends: into a filled calendar it adds what it adds into an empty one,
//   less the entries equal (kind, date, name) to one the calendar holds, and lists no item
//   that the import into the empty calendar did not list;
// - every added entry has a name that is not blank and holds no line break, a date the
//   calendar can show (1880 to 2099, a real day), a rule it knows and a style 1 to 3;
// - importing the same bytes again adds nothing;
// - the calendar the import made, exported and imported into an empty calendar, gives the
//   same calendar and lists nothing;
// - the message lists the first lines and its details every line;
// - another user time zone changes only the days of the entries, not their shape.
//
// The first broken rule ends the checks: it is thrown as RuleBroken and CheckICalendarInput
// returns its description.

#include "fuzz/ICalendarImportChecks.h"
#include "fuzz/TableShape.h"

#include "document/CalendarDocument.h"
#include "document/EntryText.h"
#include "document/ICalendar.h"
#include "document/ICalendarParts.h"
#include "document/StatusTexts.h"

#include <QDate>
#include <QSet>
#include <QTimeZone>
#include <cstdio>
#include <unistd.h>

namespace {

struct RuleBroken {
    std::string description;
};

void require(bool holds, const char* rule, const QString& details = {}) {
    if (!holds)
        throw RuleBroken{std::string(rule) + (details.isEmpty() ? "" : ": ") +
                         details.toStdString()};
}

CalendarDocument makeFilled() {
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("Family");
    doc.Birthdays.append({"03071961", QStringLiteral("Ann Smith"), "1"});
    doc.FixedHolidays.append({"0704", QStringLiteral("Independence Day")});
    doc.FloatingHolidays.append({"11", "44", QStringLiteral("Thanksgiving")});
    doc.OtherEvents.append({"05012027", QStringLiteral(" Garden fair ")});
    return doc;
}

const CalendarDocument& filled() {
    static const CalendarDocument doc = makeFilled();
    return doc;
}

// Standard error sent to a temporary file while an import runs, and what was written there.
class CapturedStderr {
  public:
    CapturedStderr() : file_(std::tmpfile()) {
        std::fflush(stderr);
        saved_ = dup(2);
        if (file_) dup2(fileno(file_), 2);
    }
    ~CapturedStderr() {
        restore();
        if (file_) std::fclose(file_);
    }
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;
    QByteArray written() {
        restore();
        QByteArray text;
        if (!file_) return text;
        std::rewind(file_);
        char buffer[512];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;)
            text.append(buffer, qsizetype(n));
        return text;
    }

  private:
    void restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    std::FILE* file_;
    int saved_ = -1;
};

struct Outcome {
    ICalImportResult result;
    CalendarDocument doc;
};

Outcome import(QByteArrayView data, const CalendarDocument& start, const QTimeZone& zone) {
    Outcome out{{}, start};
    CapturedStderr captured;
    out.result = importICalendar(data, out.doc, zone);
    const QByteArray written = captured.written();
    require(written.isEmpty(), "the import wrote to standard error", QString::fromUtf8(written));
    return out;
}

// Calls f(table, kind) for the five tables of a document.
template <class Document, class F> void forTables(Document& doc, F&& f) {
    f(doc.Birthdays, EntryKind::Birthday);
    f(doc.Anniversaries, EntryKind::Anniversary);
    f(doc.FixedHolidays, EntryKind::Holiday);
    f(doc.FloatingHolidays, EntryKind::FloatingHoliday);
    f(doc.OtherEvents, EntryKind::Other);
}

bool fullDateInRange(const QString& mmddyyyy) {
    const QDate date = QDate::fromString(mmddyyyy, QStringLiteral("MMddyyyy"));
    return date.isValid() && date.year() >= ical::kFirstYear && date.year() <= ical::kLastYear;
}

bool validStyle(const QString& style) {
    return style == u"1" || style == u"2" || style == u"3";
}

// The fields of an entry as the import may make them.
bool validEntry(const BirthdayEntry& e) {
    return fullDateInRange(e.Date.text()) && validStyle(e.Style.text());
}
bool validEntry(const AnniversaryEntry& e) {
    return fullDateInRange(e.Date.text()) && validStyle(e.Style.text());
}
bool validEntry(const FixedHolidayEntry& e) {
    return QDate::fromString(e.Date.text() + QLatin1String("2000"), QStringLiteral("MMddyyyy"))
        .isValid();
}
bool validEntry(const FloatingHolidayEntry& e) {
    const int month = e.Month.text().toInt();
    const QString rule = e.Rule.text();
    return month >= 1 && month <= 12 && rule.size() == 2 &&
           QStringLiteral("1234L").contains(rule[0]) && rule[1] >= u'0' && rule[1] <= u'6';
}
bool validEntry(const OtherEntry& e) {
    return fullDateInRange(e.Date.text());
}

void checkEntries(const CalendarDocument& doc) {
    forTables(doc, [](const auto& table, EntryKind) {
        require(wellShaped(table), "a table holds a record with an empty name");
        for (const auto& e : table) {
            require(!e.Name.trimmed().isEmpty(), "an entry has a blank name");
            require(!e.Name.contains(u'\n') && !e.Name.contains(u'\r'),
                    "a name holds a line break");
            require(validEntry(e), "an entry's date, rule or style has no place", EntryListText(e));
        }
    });
}

template <class Entry>
void appendNew(EntryTable<Entry>& to, const EntryTable<Entry>& from, EntryKind kind) {
    QSet<QString> keys;
    for (const Entry& e : to)
        keys.insert(ical::entryKey(kind, e));
    for (const Entry& e : from)
        if (!keys.contains(ical::entryKey(kind, e))) to.append(e);
}

// The entries of start followed by those of added whose kind, date and name start lacks.
CalendarDocument appended(const CalendarDocument& start, const CalendarDocument& added) {
    CalendarDocument out = start;
    appendNew(out.Birthdays, added.Birthdays, EntryKind::Birthday);
    appendNew(out.Anniversaries, added.Anniversaries, EntryKind::Anniversary);
    appendNew(out.FixedHolidays, added.FixedHolidays, EntryKind::Holiday);
    appendNew(out.FloatingHolidays, added.FloatingHolidays, EntryKind::FloatingHoliday);
    appendNew(out.OtherEvents, added.OtherEvents, EntryKind::Other);
    return out;
}

void checkFailed(const Outcome& out, const CalendarDocument& start) {
    require(!out.result.error.isEmpty(), "a failed import does not say why");
    require(out.doc.sameContent(start), "a failed import changed the calendar");
    require(out.result.added == 0, "a failed import counts added entries");
}

void checkMessage(const ICalImportResult& result) {
    const QString message = ICalImportMessage(result);
    require(message.isEmpty() == result.notImported.isEmpty(),
            "the message is missing or says nothing");
    const QString details = ICalImportDetails(result);
    const QString whole = details.isEmpty() ? message : details;
    for (const QString& line : result.notImported)
        require(whole.contains(line), "the message leaves out a line", line);
}

void checkRoundTrip(const CalendarDocument& doc) {
    const QByteArray exported =
        formatICalendar(doc, QDateTime(QDate(2027, 1, 2), QTime(3, 4), QTimeZone::utc()));
    const Outcome back = import(exported, CalendarDocument(), QTimeZone::utc());
    require(back.result.status == FileStatus::Success, "the export of an import is refused",
            back.result.error);
    require(back.result.notImported.isEmpty(), "the export of an import lists items",
            back.result.notImported.join(u'\n'));
    require(back.doc.sameContent(doc), "the export of an import imports differently",
            QString::fromUtf8(exported));
}

void checkImport(QByteArrayView data) {
    const Outcome empty = import(data, CalendarDocument(), QTimeZone::utc());
    const Outcome full = import(data, filled(), QTimeZone::utc());
    if (empty.result.status != FileStatus::Success) {
        checkFailed(empty, CalendarDocument());
        checkFailed(full, filled());
        require(full.result.error == empty.result.error, "a failure depends on the calendar");
        return;
    }
    require(full.result.status == FileStatus::Success, "an import depends on the calendar");
    checkEntries(empty.doc);
    checkEntries(full.doc);
    require(empty.result.added == TotalEntryCount(empty.doc),
            "the count of added entries is wrong");
    require(full.doc.sameContent(appended(filled(), empty.doc)),
            "an import into a filled calendar does not append what it adds into an empty one");
    QStringList listed = empty.result.notImported;
    for (const QString& line : full.result.notImported)
        require(listed.removeOne(line), "an import into a filled calendar lists more", line);
    checkMessage(empty.result);

    const Outcome again = import(data, empty.doc, QTimeZone::utc());
    require(again.result.added == 0 && again.doc.sameContent(empty.doc),
            "a second import of the same file adds entries");
    checkRoundTrip(empty.doc);

    static const QTimeZone kFarEast("Pacific/Kiritimati"); // UTC+14
    const Outcome east = import(data, CalendarDocument(), kFarEast);
    require(east.result.status == FileStatus::Success, "an import depends on the time zone");
    checkEntries(east.doc);
}

} // namespace

std::optional<std::string> CheckICalendarInput(QByteArrayView data) {
    try {
        checkImport(data);
    } catch (RuleBroken& rule) {
        return std::move(rule.description);
    }
    return std::nullopt;
}
