#include "document/EntryCaptions.h"
#include "document/EntryText.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

// With no translation installed the windows show exactly the fixed English texts that files,
// exports and the command line keep, down to damaged fields of a hand-edited file.
TEST(EntryCaptions, WithoutATranslationTheyAreTheFixedEnglishTexts) {
    CalendarDocument doc = sampleCalendar();
    doc.Birthdays.append(birthday("02291960", QStringLiteral("Leap")));
    doc.Birthdays.append(birthday("1x0719 1", QStringLiteral("damaged")));
    doc.Anniversaries.append(anniversary("13011990", QStringLiteral("month 13")));
    doc.FixedHolidays.append(fixedHoliday("0231", QStringLiteral("no such day")));
    doc.FloatingHolidays.append(floatingHoliday("04", "L0", QStringLiteral("last Sunday")));
    doc.FloatingHolidays.append(floatingHoliday("11", "57", QStringLiteral("odd rule")));
    doc.FloatingHolidays.append(floatingHoliday("13", "11", QStringLiteral("odd month")));
    doc.FloatingHolidays.append(floatingHoliday("09", "06", QStringLiteral("week 0")));
    doc.OtherEvents.append(other("01012099", QStringLiteral("far")));
    // The kinds the file keeps after "[End of Data]": rules, several days, a span.
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Easter Monday"), RuleFromText(u"easter+1")});
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Boxing Day"), RuleFromText(u"12-26/sun+1,sat+2")});
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Midsummer"), RuleFromText(u"onafter-sat-06-20@2000-2040")});
    doc.FixedHolidays.append({"0710", QStringLiteral("Festival"), 3});
    doc.OtherEvents.append({"07102027", QStringLiteral("Trip"), "07202027"});
    for (const EntryKind kind : kAllKinds) {
        EXPECT_EQ(EntryListCaptions(doc, kind), EntryListLines(doc, kind))
            << KindLabel(kind).toStdString();
        EXPECT_EQ(KindCaption(kind), KindLabel(kind));
    }
    EXPECT_EQ(EntryListCaption(doc.FloatingHolidays[0]), EntryListText(doc.FloatingHolidays[0]));
    EXPECT_EQ(DateWords().date(QDate(2027, 11, 25)), QString("November 25, 2027"));
}

} // namespace
