#include "document/ICalendar.h"
#include "support/CalendarBuilder.h"

#include <QFile>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QDateTime kStamp(QDate(2027, 1, 2), QTime(3, 4, 5), QTimeZone::utc());

QSet<QString> asSet(const QStringList& list) {
    return {list.begin(), list.end()};
}

// The calendar's file text unfolded (a line that starts with a blank continues the previous
// one), split into its lines.
QStringList unfoldedLines(const QByteArray& ics) {
    QString text = QString::fromUtf8(ics);
    text.replace(QLatin1String("\r\n "), QString());
    return text.split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
}

// The lines of the event whose SUMMARY is name, without the BEGIN and END lines.
QStringList eventLines(const QByteArray& ics, const QString& summary) {
    QStringList event;
    bool found = false;
    for (const QString& line : unfoldedLines(ics)) {
        if (line == QLatin1String("BEGIN:VEVENT"))
            event.clear();
        else if (line == QLatin1String("END:VEVENT") && found)
            return event;
        else
            event << line;
        if (line == QLatin1String("SUMMARY:") + summary) found = true;
    }
    return {};
}

// A document with the same title and header lines as doc and the tables imported from ics.
CalendarDocument importedInto(const CalendarDocument& titled, const QByteArray& ics) {
    CalendarDocument back;
    back.CalendarTitle = titled.CalendarTitle;
    back.HeaderLine1 = titled.HeaderLine1;
    back.HeaderLine2 = titled.HeaderLine2;
    const ICalImportResult result = importICalendar(ics, back);
    EXPECT_EQ(result.status, FileStatus::Success) << result.error.toStdString();
    EXPECT_TRUE(result.notImported.isEmpty()) << result.notImported.join(u'\n').toStdString();
    return back;
}

// Every kind, with names that need escaping or folding and dates at the edges of the rules.
CalendarDocument trickyCalendar() {
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("Tricky");
    doc.Birthdays.append(birthday("03071961", QStringLiteral("Ann Smith")));
    doc.Birthdays.append(birthday("12251990", QStringLiteral("Bo"), "3"));
    doc.Anniversaries.append(anniversary("06151985", QStringLiteral("Wedding"), "2"));
    doc.FixedHolidays.append(fixedHoliday("0704", QStringLiteral("Independence Day")));
    doc.FloatingHolidays.append(floatingHoliday("11", "44", QStringLiteral("Thanksgiving")));
    doc.FloatingHolidays.append(floatingHoliday("05", "L1", QStringLiteral("Memorial Day")));
    doc.OtherEvents.append(other("01052027", QStringLiteral("Dentist")));
    doc.Birthdays.append(birthday("02292000", QStringLiteral("Leap, Lena; \"Jr.\""), "2"));
    doc.Anniversaries.append(anniversary("02291996", QStringLiteral("back\\slash: wed"), "1"));
    doc.FixedHolidays.append(
        fixedHoliday("1231", QStringLiteral("Ünïcödé – 日本語 😀").repeated(6)));
    doc.FloatingHolidays.append(floatingHoliday("02", "L6", QStringLiteral("Last Saturday")));
    doc.FloatingHolidays.append(floatingHoliday("01", "10", QStringLiteral("First Sunday")));
    doc.OtherEvents.append(other("02292028", QStringLiteral("Leap day, 2028")));
    return doc;
}

TEST(ICalendarExport, EveryKindIsAnAllDayEventWithItsYearlyRule) {
    struct Case {
        CalendarDocument doc;
        QString summary;
        QStringList expected; // lines the event must hold
        QString absent;       // a property the event must not have
    };
    auto with = [](auto add) {
        CalendarDocument doc;
        add(doc);
        return doc;
    };
    const Case cases[] = {
        {with(
             [](auto& d) { d.Birthdays.append(birthday("03071961", QStringLiteral("Ann"), "2")); }),
         QStringLiteral("Ann"),
         {"DTSTART;VALUE=DATE:19610307", "DTEND;VALUE=DATE:19610308", "RRULE:FREQ=YEARLY",
          "CATEGORIES:Birthday", "X-DAYLARK-STYLE:2"},
         {}},
        {with(
             [](auto& d) { d.Anniversaries.append(anniversary("02291996", QStringLiteral("W"))); }),
         QStringLiteral("W"),
         {"DTSTART;VALUE=DATE:19960229", "CATEGORIES:Anniversary", "X-DAYLARK-STYLE:1"},
         {}},
        {with([](auto& d) { d.FixedHolidays.append(fixedHoliday("0704", QStringLiteral("J"))); }),
         QStringLiteral("J"),
         {"DTSTART;VALUE=DATE:18800704", "RRULE:FREQ=YEARLY", "CATEGORIES:Holiday"},
         QStringLiteral("X-DAYLARK-STYLE")},
        // 1 November 1880 was a Monday: the fourth Thursday is the 25th.
        {with([](auto& d) {
             d.FloatingHolidays.append(floatingHoliday("11", "44", QStringLiteral("T")));
         }),
         QStringLiteral("T"),
         {"DTSTART;VALUE=DATE:18801125", "CATEGORIES:Holiday"},
         {}},
        // 31 May 1880 was a Monday: it is the last Monday itself.
        {with([](auto& d) {
             d.FloatingHolidays.append(floatingHoliday("05", "L1", QStringLiteral("M")));
         }),
         QStringLiteral("M"),
         {"DTSTART;VALUE=DATE:18800531"},
         {}},
        {with([](auto& d) { d.OtherEvents.append(other("01052027", QStringLiteral("D"))); }),
         QStringLiteral("D"),
         {"DTSTART;VALUE=DATE:20270105", "DTEND;VALUE=DATE:20270106"},
         QStringLiteral("RRULE")},
    };
    for (const Case& c : cases) {
        const QStringList lines = eventLines(formatICalendar(c.doc, kStamp), c.summary);
        ASSERT_FALSE(lines.isEmpty()) << c.summary.toStdString();
        for (const QString& expected : c.expected)
            EXPECT_TRUE(lines.contains(expected)) << lines.join(u'\n').toStdString();
        if (!c.absent.isEmpty()) {
            EXPECT_FALSE(lines.join(u'\n').contains(c.absent)) << c.summary.toStdString();
        }
    }
}

TEST(ICalendarExport, RulesNameTheirMonthAndWeekdayAndLeapDaysStayInLeapYears) {
    const QByteArray ics = formatICalendar(trickyCalendar(), kStamp);
    // The rule's parts in a fixed order, whatever order the writer puts them in.
    auto rule = [&](const QString& summary) {
        for (const QString& line : eventLines(ics, summary)) {
            if (!line.startsWith(QLatin1String("RRULE:"))) continue;
            QStringList parts = line.mid(6).split(u';');
            parts.sort();
            return parts.join(u';').toStdString();
        }
        return std::string();
    };
    EXPECT_EQ(rule(QStringLiteral("Thanksgiving")), "BYDAY=4TH;BYMONTH=11;FREQ=YEARLY");
    EXPECT_EQ(rule(QStringLiteral("Memorial Day")), "BYDAY=-1MO;BYMONTH=5;FREQ=YEARLY");
    EXPECT_EQ(rule(QStringLiteral("Last Saturday")), "BYDAY=-1SA;BYMONTH=2;FREQ=YEARLY");
    EXPECT_EQ(rule(QStringLiteral("Leap\\, Lena\\; \"Jr.\"")),
              "BYMONTH=2;BYMONTHDAY=29;FREQ=YEARLY");
}

TEST(ICalendarExport, UidsDependOnKindDateAndNameOnly) {
    auto uids = [](const CalendarDocument& doc, const QDateTime& stamp) {
        QStringList found;
        for (const QString& line : unfoldedLines(formatICalendar(doc, stamp)))
            if (line.startsWith(QLatin1String("UID:"))) found << line;
        return found;
    };
    const QStringList first = uids(trickyCalendar(), kStamp);
    EXPECT_EQ(first.size(), asSet(first).size());
    // A later export, and an export of a calendar that also holds other entries, keep them.
    EXPECT_EQ(uids(trickyCalendar(), kStamp.addYears(1)), first);
    CalendarDocument bigger = trickyCalendar();
    bigger.Birthdays.append(birthday("01011990", QStringLiteral("New")));
    EXPECT_TRUE(asSet(first).subtract(asSet(uids(bigger, kStamp))).isEmpty());
    // Another name, date or kind is another event.
    CalendarDocument renamed, redated, rekinded;
    renamed.Birthdays.append(birthday("03071961", QStringLiteral("Ann Smyth")));
    redated.Birthdays.append(birthday("03081961", QStringLiteral("Ann Smith")));
    rekinded.Anniversaries.append(anniversary("03071961", QStringLiteral("Ann Smith")));
    for (const CalendarDocument& doc : {renamed, redated, rekinded})
        EXPECT_FALSE(first.contains(uids(doc, kStamp).value(0)));
}

TEST(ICalendarExport, EntriesThatNameNoDayAreListedNotWritten) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("02301990", QStringLiteral("No such day")));
    doc.FloatingHolidays.append(floatingHoliday("11", "54", QStringLiteral("Fifth week")));
    doc.FloatingHolidays.append(floatingHoliday("13", "L1", QStringLiteral("Month 13")));
    doc.OtherEvents.append(other("01052027", QStringLiteral("Fine")));
    QStringList notExported;
    const QByteArray ics = formatICalendar(doc, kStamp, &notExported);
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 1);
    ASSERT_EQ(notExported.size(), 3);
    EXPECT_TRUE(notExported[1].contains(QLatin1String("Fifth week")));
}

// A holiday that moves with Easter has no yearly repeat to write; it is named, not written
// as some other day.
TEST(ICalendarExport, MovingHolidaysAreNamedNotWritten) {
    CalendarDocument doc;
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Easter Monday"), RuleFromText(u"easter+1")});
    QStringList notExported;
    EXPECT_EQ(formatICalendar(doc, kStamp, &notExported).count("BEGIN:VEVENT"), 0);
    ASSERT_EQ(notExported.size(), 1);
    EXPECT_TRUE(notExported[0].startsWith(QLatin1String("Easter + 1 - Easter Monday: ")));
}

// An event from 10 to 20 July ends, as iCalendar counts, on 21 July, and reads back as the
// same span; so does a yearly holiday of three days from 30 December.
TEST(ICalendarRoundTrip, EventsThatSpanDaysKeepTheirEnd) {
    CalendarDocument doc;
    doc.OtherEvents.append({"07102027", QStringLiteral("Trip"), "07202027"});
    doc.FixedHolidays.append({"1230", QStringLiteral("Festival"), 3});
    const QByteArray ics = formatICalendar(doc, kStamp);
    EXPECT_TRUE(ics.contains("DTEND;VALUE=DATE:20270721")) << ics.toStdString();
    EXPECT_TRUE(ics.contains("DTEND;VALUE=DATE:18810102")) << ics.toStdString();
    const CalendarDocument back = importedInto(CalendarDocument{}, ics);
    ASSERT_EQ(back.OtherEvents.entryCount(), 1);
    EXPECT_EQ(back.OtherEvents[0], doc.OtherEvents[0]);
    ASSERT_EQ(back.FixedHolidays.entryCount(), 1);
    EXPECT_EQ(back.FixedHolidays[0], doc.FixedHolidays[0]);
}

TEST(ICalendarRoundTrip, ExportImportedIntoAnEmptyCalendarGivesTheSameCalendar) {
    const CalendarDocument doc = trickyCalendar();
    const CalendarDocument back = importedInto(doc, formatICalendar(doc, kStamp));
    EXPECT_TRUE(back.sameContent(doc)) << formatICalendar(back, kStamp).toStdString();
}

TEST(ICalendarRoundTrip, ReimportingTheOwnExportChangesNothing) {
    // Blanks around a name make no second entry.
    CalendarDocument start = trickyCalendar();
    start.Birthdays.append(birthday("12251990", QStringLiteral("  two  spaces "), "3"));
    CalendarDocument doc = start;
    const QByteArray ics = formatICalendar(doc, kStamp);
    const ICalImportResult result = importICalendar(ics, doc);
    EXPECT_EQ(result.status, FileStatus::Success);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(result.alreadyPresent, ics.count("BEGIN:VEVENT"));
    EXPECT_TRUE(doc.sameContent(start));
}

TEST(ICalendarImport, AppendsAfterTheEntriesThereAndReadsEveryCalendarOfTheFile) {
    CalendarDocument first, second;
    first.OtherEvents.append(other("01052027", QStringLiteral("From the first")));
    second.Birthdays.append(birthday("03071961", QStringLiteral("From the second")));
    // Two calendars one after the other, behind a byte order mark and with LF line ends.
    QByteArray file =
        "\xEF\xBB\xBF" + formatICalendar(first, kStamp) + formatICalendar(second, kStamp);
    file.replace("\r\n", "\n");
    CalendarDocument doc = sampleCalendar();
    const ICalImportResult result = importICalendar(file, doc);
    ASSERT_EQ(result.status, FileStatus::Success) << result.error.toStdString();
    EXPECT_EQ(result.added, 2);
    ASSERT_EQ(doc.OtherEvents.entryCount(), 2);
    EXPECT_EQ(doc.OtherEvents[1].Name, QStringLiteral("From the first"));
    ASSERT_EQ(doc.Birthdays.entryCount(), 3);
    EXPECT_EQ(doc.Birthdays[2].Name, QStringLiteral("From the second"));
    EXPECT_EQ(doc.Birthdays[2].Style.text(), QStringLiteral("1"));
}

TEST(ICalendarImport, AFileThatIsNotUtf8IsReadAsWindows1252) {
    const QByteArray file = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:1\r\n"
                            "DTSTART;VALUE=DATE:20270301\r\nSUMMARY:Caf\xE9 \x80 night\r\n"
                            "END:VEVENT\r\nEND:VCALENDAR\r\n";
    CalendarDocument doc;
    ASSERT_EQ(importICalendar(file, doc).added, 1);
    EXPECT_EQ(doc.OtherEvents[0].Name, QStringLiteral("Café € night"));
}

TEST(ICalendarImport, WhatIsNotICalendarFailsAndChangesNothing) {
    const QByteArray cases[] = {
        formatCalendar(sampleCalendar()),
        QByteArray(),
        QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEND:VCARD\r\n"),
        QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n\0BEGIN:VEVENT\r\n", 40),
        QByteArray("\x89PNG\r\n\x1a\n"),
    };
    for (const QByteArray& data : cases) {
        CalendarDocument doc = sampleCalendar();
        const ICalImportResult result = importICalendar(data, doc);
        EXPECT_EQ(result.status, FileStatus::Failed) << data.left(20).toStdString();
        EXPECT_TRUE(result.error.contains(QLatin1String("not an iCalendar file")));
        EXPECT_EQ(result.added, 0);
        EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    }
}

TEST(ICalendarImport, EveryCutOfAFileImportsWhatItHoldsWithoutHarm) {
    // Our own export followed by another program's file: the cuts fall in every kind of line.
    QFile web(QStringLiteral(DAYLARK_TEST_DATA "/ics/web-calendar.ics"));
    ASSERT_TRUE(web.open(QIODevice::ReadOnly));
    const QByteArray file = formatICalendar(trickyCalendar(), kStamp) + web.readAll();
    for (qsizetype length = 0; length <= file.size(); length += 7) {
        CalendarDocument doc = sampleCalendar();
        const ICalImportResult result = importICalendar(file.first(length), doc);
        if (result.status != FileStatus::Success) {
            EXPECT_TRUE(doc.sameContent(sampleCalendar())) << length;
            continue;
        }
        EXPECT_EQ(doc.OtherEvents.entryCount(), doc.OtherEvents.upperBound() + 1) << length;
        EXPECT_EQ(doc.Birthdays.entryCount(), doc.Birthdays.upperBound() + 1) << length;
    }
}

TEST(ICalendarImport, TheMessageCountsTheEntriesAndShowsTwentyLinesAtMost) {
    ICalImportResult result;
    result.added = 3;
    EXPECT_TRUE(ICalImportMessage(result).isEmpty());
    for (int i = 1; i <= 23; ++i)
        result.notImported << QStringLiteral("line %1").arg(i);
    const QString message = ICalImportMessage(result);
    EXPECT_TRUE(message.startsWith(QLatin1String("3 entries were imported.")));
    EXPECT_TRUE(message.contains(QLatin1String("line 20\n")));
    EXPECT_FALSE(message.contains(QLatin1String("line 21")));
    EXPECT_TRUE(message.endsWith(QLatin1String("and 3 more.")));
}

} // namespace
