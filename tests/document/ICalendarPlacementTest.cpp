#include "document/ICalendar.h"
#include "support/CalendarBuilder.h"

#include <QTimeZone>
#include <gtest/gtest.h>

// Where imported events land: the user's day or the day written, time zones the database
// does not know, lengths, years the calendar cannot hold, and files whose nesting is broken.

namespace {

const QTimeZone kUtc = QTimeZone::utc();
const QTimeZone kTokyo("Asia/Tokyo");

QByteArray calendarWith(const QByteArray& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n" + body +
           "END:VCALENDAR\r\n";
}

QByteArray event(const QByteArray& summary, const QByteArray& lines) {
    return "BEGIN:VEVENT\r\nUID:" + summary + "\r\nSUMMARY:" + summary + "\r\n" + lines +
           "END:VEVENT\r\n";
}

struct Imported {
    ICalImportResult result;
    CalendarDocument doc;
};

Imported import(const QByteArray& file, const QTimeZone& zone = kUtc) {
    Imported out;
    out.result = importICalendar(file, out.doc, zone);
    return out;
}

// One STANDARD or DAYLIGHT part of a zone, its offsets in the form given.
QByteArray zonePart(const char* kind, const char* start, const char* from, const char* to,
                    const QByteArray& extra = {}) {
    return "BEGIN:" + QByteArray(kind) + "\r\nDTSTART:" + start + "\r\nTZOFFSETFROM:" + from +
           "\r\nTZOFFSETTO:" + to + "\r\n" + extra + "END:" + kind + "\r\n";
}

// A zone for Fiji as a mail program writes it, under a name the time zone database lacks.
QByteArray fijiZone(const QByteArray& parts) {
    return "BEGIN:VTIMEZONE\r\nTZID:Fiji (custom)\r\n" + parts + "END:VTIMEZONE\r\n";
}

// Fiji's offset from 1915 on, after the local mean time of +11:55:44.
QByteArray fijiStandard(const char* to, const QByteArray& extra = {}) {
    return fijiZone(zonePart("STANDARD", "19151026T000000", "+115544", to, extra));
}

TEST(ICalendarPlacement, TimedSingleEventsTakeTheUsersDayYearlyOnesTheDayWritten) {
    const QByteArray file = calendarWith(
        event("Call", "DTSTART:20261231T230000Z\r\n") +
        event("Kiri", "DTSTART:19901231T230000Z\r\nRRULE:FREQ=YEARLY\r\nCATEGORIES:Birthday\r\n") +
        event("Fireworks", "DTSTART;TZID=Asia/Tokyo:20270101T000000\r\nRRULE:FREQ=YEARLY\r\n"));
    struct Case {
        const char* zone;
        const char* call;
    };
    for (const Case& c : {Case{"UTC", "12312026"}, Case{"Asia/Tokyo", "01012027"},
                          Case{"Pacific/Honolulu", "12312026"}}) {
        const Imported in = import(file, QTimeZone(c.zone));
        ASSERT_EQ(in.doc.OtherEvents.entryCount(), 1) << c.zone;
        EXPECT_EQ(in.doc.OtherEvents[0].Date.text(), QLatin1String(c.call)) << c.zone;
        EXPECT_EQ(in.doc.Birthdays[0].Date.text(), QStringLiteral("12311990")) << c.zone;
        EXPECT_EQ(in.doc.FixedHolidays[0].Date.text(), QStringLiteral("0101")) << c.zone;
        EXPECT_TRUE(in.result.notImported.isEmpty()) << c.zone;
    }
}

TEST(ICalendarPlacement, ZonesTheDatabaseLacksAreReadFromTheFileOrNamed) {
    const QByteArray kava = event("Kava", "DTSTART;TZID=Fiji (custom):20140829T080000\r\n");
    const QByteArray unread = "\"Kava\" (August 29, 2014) has a time zone (\"Fiji (custom)\") "
                              "that could not be read; it was placed on the date as written.";
    struct Case {
        QByteArray zones;
        const char* date;
        QByteArray listed; // empty: nothing listed
    };
    const Case cases[] = {
        {fijiStandard("+1200"), "08282014", {}},
        {fijiStandard("+120000"), "08282014", {}},
        {fijiStandard("+12"), "08282014", {}},       // the library misreads it
        {fijiStandard("+12:00:00"), "08282014", {}}, // the library misreads it
        // Daylight time from 1 August: 08:00 at +13:00 is 19:00 UTC the day before.
        {fijiZone(zonePart("STANDARD", "19151026T000000", "+115544", "+1200") +
                  zonePart("DAYLIGHT", "20140801T020000", "+1200", "+1300")),
         "08282014",
         {}},
        // Before the zone's first change, the offset it changes from: 08:00 at +11:55:44.
        {fijiZone(zonePart("STANDARD", "20150101T000000", "+115544", "+1200")), "08282014", {}},
        // After the changes of a yearly rule: 29 August is in daylight time again.
        {fijiZone(zonePart("STANDARD", "19700101T000000", "+1300", "+1200",
                           "RRULE:FREQ=YEARLY;BYMONTH=1;BYDAY=3SU\r\n") +
                  zonePart("DAYLIGHT", "19700801T020000", "+1200", "+1300",
                           "RRULE:FREQ=YEARLY;BYMONTH=8;BYDAY=1SU\r\n")),
         "08282014",
         {}},
        {{}, "08292014", unread},                    // no definition at all
        {fijiStandard("+1260"), "08292014", unread}, // no such offset
        {fijiStandard("noon"), "08292014", unread},  // no offset
        {fijiStandard("+1200", "RRULE:FREQ=SECONDLY\r\n"), "08292014", unread}, // no zone's rule
    };
    for (const Case& c : cases) {
        const Imported in = import(calendarWith(c.zones + kava));
        ASSERT_EQ(in.doc.OtherEvents.entryCount(), 1) << c.zones.toStdString();
        EXPECT_EQ(in.doc.OtherEvents[0].Date.text(), QLatin1String(c.date))
            << c.zones.toStdString();
        EXPECT_EQ(in.result.notImported.join(u'\n'), QString::fromUtf8(c.listed))
            << c.zones.toStdString();
    }
}

TEST(ICalendarPlacement, AnEventOverSeveralDaysIsAddedOnItsFirstAndListed) {
    struct Case {
        QByteArray lines;
        const char* date;
        const char* listed; // after the name and date; empty: nothing listed
    };
    const Case cases[] = {
        {"DTSTART;TZID=Europe/Berlin:20270301T173000\r\nDTEND;TZID=Europe/Berlin:"
         "20270303T180000\r\n",
         "03012027", "lasts until March 3, 2027"},
        {"DTSTART:20270301T220000Z\r\nDTEND:20270302T000000Z\r\n", "03012027", ""},
        {"DTSTART:20270301T220000Z\r\nDTEND:20270302T000001Z\r\n", "03012027",
         "lasts until March 2, 2027"},
        {"DTSTART:20270301T220000Z\r\nDURATION:PT25H\r\n", "03012027", "lasts until March 2, 2027"},
        {"DTSTART:20270301T220000Z\r\nDTEND:20270301T100000Z\r\n", "03012027", ""},
        {"DTSTART;VALUE=DATE:20270301\r\nDTEND;VALUE=DATE:20270302\r\n", "03012027", ""},
        // All-day events over several days keep their end (checked below), without a note.
        {"DTSTART;VALUE=DATE:20270301\r\nDURATION:P2D\r\n", "03012027", ""},
        {"DTSTART;VALUE=DATE:20270301\r\nDTEND;VALUE=DATE:20270310\r\n", "03012027", ""},
        {"DTSTART;VALUE=DATE:20270301\r\nDTEND:junk\r\n", "03012027",
         "has an end that cannot be read (DTEND:junk); it was added on its first day only"},
    };
    for (const Case& c : cases) {
        const Imported in = import(calendarWith(event("Trip", c.lines)));
        ASSERT_EQ(in.doc.OtherEvents.entryCount(), 1) << c.lines.toStdString();
        EXPECT_EQ(in.doc.OtherEvents[0].Date.text(), QLatin1String(c.date));
        const bool allDaySpan = c.lines.contains("DURATION:P2D") || c.lines.contains("20270310");
        EXPECT_EQ(in.doc.OtherEvents[0].Until.text(),
                  allDaySpan ? QLatin1String(c.lines.contains("P2D") ? "03022027" : "03092027")
                             : QLatin1String("        "))
            << c.lines.toStdString();
        const QString expected =
            *c.listed == 0 ? QString()
                           : QStringLiteral("\"Trip\" (March 1, 2027) ") + QLatin1String(c.listed) +
                                 (QByteArrayView(c.listed).startsWith("lasts")
                                      ? QStringLiteral(" and was added on its first day only.")
                                      : QStringLiteral("."));
        EXPECT_EQ(in.result.notImported.join(u'\n'), expected) << c.lines.toStdString();
    }
}

TEST(ICalendarPlacement, DatesAfterTheLastYearAreListedByTheDayTheyWouldFallOn) {
    struct Case {
        QTimeZone zone;
        QByteArray start;
        const char* listedDay; // empty: imported
    };
    const Case cases[] = {
        {kTokyo, "DTSTART:99991231T230000Z", "January 1, 10000"},
        {kUtc, "DTSTART:99991231T230000Z", "December 31, 9999"},
        {kTokyo, "DTSTART:20991231T230000Z", "January 1, 2100"},
        {kUtc, "DTSTART:20991231T230000Z", ""},
        {kUtc, "DTSTART;VALUE=DATE:21000101\r\nRRULE:FREQ=YEARLY", "January 1, 2100"},
        {kUtc, "DTSTART;VALUE=DATE:21000101\r\nRRULE:FREQ=YEARLY;BYMONTH=1;BYDAY=1FR",
         "January 1, 2100"},
    };
    for (const Case& c : cases) {
        const Imported in = import(calendarWith(event("Party", c.start + "\r\n")), c.zone);
        const bool refused = *c.listedDay != 0;
        EXPECT_EQ(in.result.added, refused ? 0 : 1) << c.start.toStdString();
        EXPECT_EQ(in.result.notImported.join(u'\n'),
                  refused ? QStringLiteral("\"Party\" (%1) is after 2099, the latest year this "
                                           "calendar holds.")
                                .arg(QLatin1String(c.listedDay))
                          : QString())
            << c.start.toStdString();
    }
}

TEST(ICalendarFileShape, BrokenNestingIsMendedAndNamedInOurWords) {
    const QByteArray fair = event("Fair", "DTSTART;VALUE=DATE:20270501\r\n");
    struct Case {
        QByteArray file;
        int added;
        const char* listed;
    };
    const Case cases[] = {
        // An END that ends nothing: the library would print about it and lose the calendar.
        {calendarWith("END:VEVENT\r\n" + fair), 1,
         "Line 4 (END:VEVENT) ends nothing that began before it; it was skipped."},
        // An event between two calendars is read with the calendar before it; lines there
        // are named.
        {calendarWith(fair) + event("Stray", "DTSTART;VALUE=DATE:20270502\r\n") +
             "X-NOTE:between\r\n" + calendarWith({}),
         2, "Line 15 stands outside every calendar of the file; it was not read."},
        // An alarm without its END takes the event's later lines with it.
        {calendarWith("BEGIN:VEVENT\r\nSUMMARY:Choir\r\nDTSTART;VALUE=DATE:20270501\r\n"
                      "BEGIN:VALARM\r\nTRIGGER:-PT5M\r\nRRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n"),
         0,
         "\"Choir\" (May 1, 2027) holds a part (line 7) that has no END:VALARM line; it was "
         "not imported."},
        // An event without its END: the next event's BEGIN shows where it should have ended.
        {calendarWith("BEGIN:VEVENT\r\nSUMMARY:Lost\r\nDTSTART;VALUE=DATE:20270501\r\n" + fair), 1,
         "The event that begins at line 4 has no END:VEVENT line; it was not read."},
        // Folded BEGIN and END lines, in small letters, are still BEGIN and END lines.
        {calendarWith("BEG\r\n IN:vevent\r\nSUMMARY:Fair\r\nDTSTART;VALUE=DATE:20270501\r\n"
                      "end:VEVENT\r\n"),
         1, ""},
    };
    for (const Case& c : cases) {
        const Imported in = import(c.file);
        ASSERT_EQ(in.result.status, FileStatus::Success) << c.file.toStdString();
        EXPECT_EQ(in.result.added, c.added) << c.file.toStdString();
        EXPECT_EQ(in.result.notImported.join(u'\n'), QLatin1String(c.listed));
    }
}

TEST(ICalendarFileShape, AFileCutShortOrNestedAbsurdlyIsRefusedAndSaysWhy) {
    const QByteArray whole =
        calendarWith(event("Fair", "DTSTART;VALUE=DATE:20270501\r\nBEGIN:VALARM\r\n"
                                   "TRIGGER:-PT5M\r\nEND:VALARM\r\n"));
    struct Case {
        const char* cutAfter; // the file ends after this text
        const char* reason;
    };
    const Case cases[] = {
        {"SUMMARY:Fa", "it ends at line 6, in the middle of the event that begins at line 4."},
        {"TRIGGER:-PT5M\r\n",
         "it ends at line 9, in the middle of the event that begins at line 4."},
        {"END:VEVENT\r\n", "it ends at line 11, before the end of the calendar that begins at "
                           "line 1."},
    };
    for (const Case& c : cases) {
        const QByteArray cut = whole.left(whole.indexOf(c.cutAfter) + qstrlen(c.cutAfter));
        CalendarDocument doc = sampleCalendar();
        const ICalImportResult result = importICalendar(cut, doc, kUtc);
        EXPECT_EQ(result.status, FileStatus::Failed);
        EXPECT_EQ(result.error, QStringLiteral("The file is not a complete iCalendar file: ") +
                                    QLatin1String(c.reason));
        EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    }
    // Parts nested deeper than any calendar nests them are refused before the library, which
    // would free them recursively, meets them.
    QByteArray deep = event("Fair", "DTSTART;VALUE=DATE:20270501\r\n");
    for (int i = 0; i < 16; ++i) {
        const QByteArray part = "X-PART-" + QByteArray::number(i);
        deep = "BEGIN:" + part + "\r\n" + deep + "END:" + part + "\r\n";
    }
    const ICalImportResult result = import(calendarWith(deep)).result;
    EXPECT_EQ(result.error, QStringLiteral("The file is not an iCalendar file: its parts are "
                                           "nested more than 16 deep (line 19)."));
}

TEST(ICalendarRoundTrip, BlanksAroundANameSurviveTheWayThereAndBack) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("03071961", QStringLiteral(" Bob  de  Vries"), "1"));
    doc.OtherEvents.append(other("05012027", QStringLiteral("Fair  ")));
    doc.FixedHolidays.append(fixedHoliday("0704", QStringLiteral("\t Fourth ")));
    CalendarDocument back;
    const ICalImportResult result = importICalendar(
        formatICalendar(doc, QDateTime(QDate(2027, 1, 2), QTime(3, 4), kUtc)), back, kUtc);
    EXPECT_EQ(result.added, 3);
    EXPECT_TRUE(back.sameContent(doc)) << back.Birthdays[0].Name.toStdString();
}

TEST(ICalendarImport, TheDetailsHoldEveryLineWhenTheMessageShowsOnlySome) {
    ICalImportResult result;
    result.added = 2;
    for (int i = 1; i <= 20; ++i)
        result.notImported << QStringLiteral("line %1").arg(i);
    EXPECT_TRUE(ICalImportDetails(result).isEmpty()); // the message holds them all
    result.notImported << QStringLiteral("line 21");
    const QString details = ICalImportDetails(result);
    EXPECT_TRUE(details.startsWith(QLatin1String("2 entries were imported.")));
    EXPECT_TRUE(details.endsWith(QLatin1String("line 20\nline 21")));
}

} // namespace
