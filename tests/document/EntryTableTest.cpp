#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

QStringList names(const EntryTable<OtherEntry>& table) {
    QStringList out;
    for (const auto& e : table)
        out << e.Name;
    return out;
}

TEST(EntryTable, EmptyTableIsOneBlankRecordAndFirstAppendUsesIndexZero) {
    EntryTable<OtherEntry> table;
    EXPECT_EQ(table.upperBound(), 0);
    EXPECT_TRUE(table.isEmpty());
    EXPECT_EQ(table.entryCount(), 0);
    EXPECT_TRUE(table[0].Date.isBlank());
    EXPECT_EQ(table.append(other("01012027", QStringLiteral("a"))), 0);
    EXPECT_EQ(table.append(other("01022027", QStringLiteral("b"))), 1);
    EXPECT_EQ(names(table), QStringList({"a", "b"}));
}

TEST(EntryTable, DeletingClosesTheGapAndTheLastDeleteLeavesOneBlankRecord) {
    EntryTable<OtherEntry> table;
    for (const char* n : {"0", "1", "2", "3", "4"})
        table.append(other("01012027", QString::fromLatin1(n)));
    // Bottom-up, as the Delete command walks the selected lines.
    table.remove(3);
    table.remove(1);
    EXPECT_EQ(names(table), QStringList({"0", "2", "4"}));
    table.remove(2);
    table.remove(0);
    table.remove(0);
    EXPECT_EQ(table.upperBound(), 0);
    EXPECT_TRUE(table.isEmpty());
    EXPECT_TRUE(table[0].Date.isBlank());
    EXPECT_EQ(table.append(other("01012027", QStringLiteral("again"))), 0);
}

TEST(FixedText, PadsShortValuesAndCutsLongOnes) {
    EXPECT_EQ(FixedText<8>(QStringLiteral("0307")).text(), QStringLiteral("0307    "));
    EXPECT_EQ(FixedText<4>(QStringLiteral("0307196199")).text(), QStringLiteral("0307"));
    EXPECT_EQ(FixedText<8>(QStringLiteral("03071961")).number(2, 2), 7);
    EXPECT_EQ(FixedText<8>(QStringLiteral("0x071961")).number(0, 2), -1);
    EXPECT_EQ(FixedText<2>(QStringLiteral("-1")).number(0, 2), -1);
}

TEST(FixedText, FileFieldsStayAsciiOnOneLine) {
    // Bytes from a damaged or decoded line: a line break would split the written line, a
    // byte outside ASCII would make the field wider than its width.
    const auto field = FixedText<8>::fromAscii("01\n0\r\xC3\xA9");
    EXPECT_EQ(field.text(), QStringLiteral("01 0 ?? "));
    EXPECT_EQ(FixedText<4>(QStringLiteral("0é\n")).toAscii(), QByteArray("0?  "));
}

TEST(CalendarDocument, ModifiedObserverHearsOnlyChanges) {
    CalendarDocument doc;
    QList<bool> heard;
    doc.setModifiedObserver([&](bool m) { heard << m; });
    doc.MarkModified();
    doc.MarkModified();
    doc.ClearModified();
    EXPECT_EQ(heard, QList<bool>({true, false}));
}

TEST(CalendarDocument, ResetToUntitledEmptiesEverythingButTheModifiedState) {
    CalendarDocument doc = sampleCalendar();
    doc.FileName = QStringLiteral("/tmp/x.qvf");
    doc.resetToUntitled();
    EXPECT_TRUE(doc.sameContent(CalendarDocument{}));
    EXPECT_TRUE(doc.FileName.isEmpty());
    for (EntryKind kind : kAllKinds)
        EXPECT_TRUE(doc.isKindEmpty(kind));
}

} // namespace
