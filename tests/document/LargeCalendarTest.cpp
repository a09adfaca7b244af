#include "document/CalendarFormat.h"
#include "document/NameCache.h"
#include "support/CalendarBuilder.h"

#include <QBuffer>
#include <gtest/gtest.h>

// Large calendars: written in pieces, and read with repeated names sharing their text.

namespace {

// A device that takes `room` bytes and then fails every write, counting the writes it was
// asked for after the first failure.
class FullDevice final : public QIODevice {
  public:
    explicit FullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }
    QByteArray written;
    int writesAfterFailure = 0;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (failed_) ++writesAfterFailure;
        const qint64 taken = std::min(length, room_ - written.size());
        if (taken <= 0) {
            failed_ = true;
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written.append(data, taken);
        return taken;
    }

  private:
    qint64 room_;
    bool failed_ = false;
};

CalendarDocument largeCalendar() {
    CalendarDocument doc = sampleCalendar();
    for (int i = 0; i < 6000; ++i) {
        doc.OtherEvents.append(other("03152027", QStringLiteral("Watering %1 – Gießkanne").arg(i)));
        doc.Birthdays.append(birthday("07041960", QStringLiteral("Pasted\nname %1").arg(i)));
    }
    return doc;
}

} // namespace

TEST(LargeCalendar, WrittenInPiecesIsTheWholeFileAndStopsAtTheFirstFailure) {
    const CalendarDocument doc = largeCalendar();
    const QByteArray whole = formatCalendar(doc);
    ASSERT_GT(whole.size(), 300 * 1024); // several pieces
    EXPECT_FALSE(whole.contains("Pasted\n"));
    EXPECT_TRUE(whole.contains("Pasted name 17\r\n"));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(writeCalendar(buffer, doc).failed());
    EXPECT_EQ(buffer.data(), whole);

    for (const qint64 room : {0LL, 1000LL, 64LL * 1024, 200LL * 1024}) {
        FullDevice full(room);
        const FileResult result = writeCalendar(full, doc);
        EXPECT_TRUE(result.failed()) << room;
        EXPECT_EQ(result.error, QStringLiteral("No space left on device"));
        EXPECT_EQ(full.written, whole.first(room)) << room;
        EXPECT_EQ(full.writesAfterFailure, 0) << room;
    }
}

TEST(LargeCalendar, RepeatedNamesShareTheirTextUntilOneIsChanged) {
    QByteArray text = "Version 2.0\r\nShared\r\n\r\n[Birthday]\r\n\r\n[Anniversary]\r\n\r\n"
                      "[Holiday]\r\n\r\n\r\n[Other]\r\n";
    for (int day = 1; day <= 28; ++day)
        text += "02" + QByteArray::number(day).rightJustified(2, '0') + "2027 " +
                QStringLiteral("Wässern – 水やり\r\n").toUtf8();
    text += "03012027 Something else\r\n\r\n[End of Data]\r\n";
    CalendarDocument doc;
    ASSERT_EQ(readCalendar(text, doc).status, FileStatus::Success);
    ASSERT_EQ(doc.OtherEvents.entryCount(), 29);
    for (int i = 1; i < 28; ++i) {
        EXPECT_EQ(doc.OtherEvents[i].Name, QStringLiteral("Wässern – 水やり"));
        EXPECT_EQ(doc.OtherEvents[i].Name.constData(), doc.OtherEvents[0].Name.constData());
    }
    doc.OtherEvents[5].Name += QStringLiteral(" (twice)");
    EXPECT_EQ(doc.OtherEvents[4].Name, QStringLiteral("Wässern – 水やり"));
    EXPECT_EQ(doc.OtherEvents[5].Name, QStringLiteral("Wässern – 水やり (twice)"));
    EXPECT_EQ(doc.OtherEvents[28].Name, QStringLiteral("Something else"));
}

// The same bytes are other text in another encoding; a name is never handed out for bytes
// that merely collide with it in the table.
TEST(LargeCalendar, TheNameCacheTellsEncodingsAndNamesApart) {
    NameCache names;
    const QByteArray cafe("Caf\xC3\xA9");
    EXPECT_EQ(names.decode(cafe, FileEncoding::Utf8), QStringLiteral("Café"));
    EXPECT_EQ(names.decode(cafe, FileEncoding::Windows1252), QStringLiteral("CafÃ©"));
    EXPECT_EQ(names.decode(cafe, FileEncoding::Utf8), QStringLiteral("Café"));
    for (int i = 0; i < 20000; ++i) { // far more names than the table has places
        const QByteArray name = "Name " + QByteArray::number(i);
        ASSERT_EQ(names.decode(name, FileEncoding::Utf8), QString::fromLatin1(name));
        ASSERT_EQ(names.decode(name.first(name.size() - 1), FileEncoding::Utf8),
                  QString::fromLatin1(name.first(name.size() - 1)));
    }
    const QByteArray longName(200, 'x'); // longer names are decoded every time
    EXPECT_EQ(names.decode(longName, FileEncoding::Utf8), QString(200, u'x'));
    EXPECT_TRUE(names.decode({}, FileEncoding::Utf8).isEmpty());
}
