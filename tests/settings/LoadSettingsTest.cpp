#include "settings/LoadSettings.h"
#include "platform/SettingsStore.h"
#include "settings/Registry.h"
#include "settings/SettingsTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace Registry;

class LoadSettingsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("cfg/Daylark.conf"))};

    QString stored(const QString& key, const char* name) {
        return QueryText(store, key, QLatin1String(name));
    }
    bool has(const QString& key, const char* name) {
        return QueryValue(store, key, QLatin1String(name)).isValid();
    }
};

TEST_F(LoadSettingsTest, EmptyStoreGetsEveryDefaultInMemoryAndWrittenBack) {
    const Settings s = LoadSettings(store);
    EXPECT_EQ(s.Options.ConfirmAdd, "True");
    EXPECT_EQ(s.Options.AfterAdd, "Remain");
    EXPECT_EQ(s.Options.ConfirmEdit, "True");
    EXPECT_EQ(s.Options.ConfirmDelete, "True");
    EXPECT_EQ(s.Layout.ShowTitle, "True");
    EXPECT_EQ(s.Layout.AlignTitle, "Left");
    EXPECT_EQ(s.Layout.AlignMonthYear, "Left");
    EXPECT_EQ(s.Layout.FontMonthYear, "Times New Roman");
    EXPECT_EQ(s.Layout.FontCalTitle, "Times New Roman");
    EXPECT_EQ(s.Layout.FontDates, "Arial");
    EXPECT_EQ(s.Layout.FontDays, "Arial");
    EXPECT_EQ(s.Layout.FontSizeMonthYear, "24");
    EXPECT_EQ(s.Layout.FontSizeCalTitle, "12");
    EXPECT_EQ(s.Layout.FontSizeDates, "10");
    EXPECT_EQ(s.Layout.FontSizeDays, "10");
    EXPECT_EQ(s.Layout.Birthday, "&H0");
    EXPECT_EQ(s.Layout.Other, "&H0");
    EXPECT_EQ(s.Layout.PaperSize, "Default");
    EXPECT_EQ(s.Layout.PaperOrientation, "Landscape");
    EXPECT_EQ(s.Layout.PaperSizeWidth, 0.0f);
    EXPECT_EQ(s.Layout.PaperSizeHeight, 0.0f);
    EXPECT_EQ(s.Layout.MarginTop, 0.75f);
    EXPECT_EQ(s.Layout.MarginLeft, 0.75f);
    EXPECT_EQ(s.Tray.Display, "True");
    EXPECT_EQ(s.Tray.NumWeeks, "1");
    EXPECT_EQ(s.Tray.ListMonths, "1");
    EXPECT_EQ(s.Tray.FileName, "");
    EXPECT_EQ(s.Tray.DispStart, "False");

    EXPECT_EQ(stored(kOptionsKey, "AfterAdd"), "Remain");
    EXPECT_EQ(stored(kLayoutKey, "FontDates"), "Arial");
    EXPECT_EQ(stored(kLayoutKey, "Holiday"), "&H0");
    EXPECT_EQ(stored(kLayoutKey, "PaperSize"), "Default");
    EXPECT_EQ(stored(kLayoutKey, "PaperOrientation"), "Landscape");
    for (const char* margin : {"MarginTop", "MarginBottom", "MarginLeft", "MarginRight"})
        EXPECT_EQ(stored(kLayoutKey, margin), "0.75") << margin;
    EXPECT_FALSE(has(kLayoutKey, "PaperSizeWidth"));
    EXPECT_FALSE(has(kLayoutKey, "PaperSizeHeight"));
    EXPECT_TRUE(has(kTrayKey, "FileName"));
    EXPECT_EQ(stored(kTrayKey, "DispStart"), "False");
    for (const QString& key : {kOptionsKey, kLayoutKey, kTrayKey})
        EXPECT_TRUE(store.keyExists(key));
}

TEST_F(LoadSettingsTest, StoredValuesWinAndOddOnesFollowTheirRules) {
    SetKeyValue(store, kOptionsKey, "ConfirmAdd", "False");
    SetKeyValue(store, kOptionsKey, "ConfirmEdit", "");   // empty: the default
    SetKeyValue(store, kOptionsKey, "AfterAdd", "close"); // not checked at load
    SetKeyValue(store, kLayoutKey, "PaperSize", "custom");
    SetKeyValue(store, kLayoutKey, "PaperOrientation", "portrait");
    SetKeyValue(store, kLayoutKey, "MarginTop", "0");
    SetKeyValue(store, kLayoutKey, "MarginLeft", "0.5");
    SetKeyValue(store, kLayoutKey, "MarginRight", "wide");
    SetKeyValue(store, kLayoutKey, "MarginBottom", "nan");
    SetKeyValue(store, kLayoutKey, "PaperSizeWidth", "8.5");
    SetKeyValue(store, kTrayKey, "NumWeeks", 2, ValueType::Number);
    SetKeyValue(store, kTrayKey, "FileName", "");

    const Settings s = LoadSettings(store);
    EXPECT_EQ(s.Options.ConfirmAdd, "False");
    EXPECT_EQ(s.Options.ConfirmEdit, "True");
    EXPECT_EQ(s.Options.AfterAdd, "close");
    EXPECT_EQ(s.Layout.PaperSize, "Default");
    EXPECT_EQ(stored(kLayoutKey, "PaperSize"), "Default");
    EXPECT_EQ(s.Layout.PaperOrientation, "Landscape");
    EXPECT_EQ(s.Layout.MarginTop, 0.75f);
    EXPECT_EQ(stored(kLayoutKey, "MarginTop"), "0.75");
    EXPECT_EQ(s.Layout.MarginLeft, 0.5f);
    EXPECT_EQ(stored(kLayoutKey, "MarginLeft"), "0.5");
    EXPECT_EQ(s.Layout.MarginRight, 0.75f);
    EXPECT_EQ(s.Layout.MarginBottom, 0.75f);
    EXPECT_EQ(s.Layout.PaperSizeWidth, 8.5f);
    EXPECT_EQ(s.Tray.NumWeeks, "2");
    EXPECT_EQ(s.Tray.FileName, "");
    EXPECT_TRUE(has(kTrayKey, "FileName"));
}

TEST_F(LoadSettingsTest, PortraitAndCustomSpelledExactlyStay) {
    SetKeyValue(store, kLayoutKey, "PaperSize", "Custom");
    SetKeyValue(store, kLayoutKey, "PaperOrientation", "Portrait");
    const Settings s = LoadSettings(store);
    EXPECT_EQ(s.Layout.PaperSize, "Custom");
    EXPECT_EQ(s.Layout.PaperOrientation, "Portrait");
}

TEST_F(LoadSettingsTest, HandEditedStoreFileIsRead) {
    const QString path = dir.filePath("hand/Daylark.conf");
    QFile file(path);
    QDir().mkpath(dir.filePath("hand"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Software]\nDaylark\\Tray\\NumWeeks=3\n"
               "Daylark\\Layout\\FontDates=Liberation Sans\n");
    file.close();
    SettingsStore handEdited(path);
    const Settings s = LoadSettings(handEdited);
    EXPECT_EQ(s.Tray.NumWeeks, "3");
    EXPECT_EQ(s.Layout.FontDates, "Liberation Sans");
}

// A value written by hand with a comma in it reads as the text it is, in whichever form of
// section it stands, and stays that text when the store is written again.
TEST_F(LoadSettingsTest, HandEditedValuesWithCommasReadAsWritten) {
    const QString path = dir.filePath("hand/Daylark.conf");
    QDir().mkpath(dir.filePath("hand"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Software]\nDaylark\\Tray\\FileName=/tmp/My files, 2024/cal.qvf\n"
               "Daylark\\Layout\\FontDays=DejaVu Sans, Bold\n"
               "Daylark\\Layout\\FontDates=DejaVu Sans,Bold ; a comment\n"
               "[Software\\Daylark\\Options]\nAfterAdd=Close,  please\n");
    file.close();
    for (int start = 0; start < 2; ++start) {
        SCOPED_TRACE(start == 0 ? "as written by hand" : "after the store wrote the file");
        SettingsStore handEdited(path);
        const Settings s = LoadSettings(handEdited); // writes the missing defaults back
        EXPECT_EQ(s.Tray.FileName, "/tmp/My files, 2024/cal.qvf");
        EXPECT_EQ(s.Layout.FontDays, "DejaVu Sans, Bold");
        EXPECT_EQ(s.Layout.FontDates, "DejaVu Sans,Bold");
        EXPECT_EQ(s.Options.AfterAdd, "Close,  please");
    }
}

// Paper sides are read from 1 to 100 inches, margins from above 0 to less than half their
// side (the custom side when it is set, else the largest); anything else takes the default,
// and a margin's default is written back over the absurd value.
TEST_F(LoadSettingsTest, AbsurdPaperSizesAndMarginsTakeTheirDefaults) {
    struct Case {
        const char* width;
        const char* height;
        const char* left;
        const char* top;
        float wantWidth, wantHeight, wantLeft, wantTop;
    };
    const std::vector<Case> cases = {
        {"8.5", "11", "0.5", "1", 8.5f, 11, 0.5f, 1},
        {"1e30", "-11", "1e30", "-0.5", 0, 0, 0.75f, 0.75f},
        {"100000", "0.5", "inf", "1e-30", 0, 0, 0.75f, 1e-30f},
        {"100", "1", "49.9", "0.49", 100, 1, 49.9f, 0.49f},
        {"8.5", "11", "4.25", "5.4", 8.5f, 11, 0.75f, 5.4f}, // half the width is too much
        {"", "", "49.9", "50", 0, 0, 49.9f, 0.75f},          // no custom size: half of 100
        {"100.01", "0.99", "60", "2", 0, 0, 0.75f, 2},
    };
    for (const Case& c : cases) {
        QTemporaryDir fresh;
        SettingsStore one(fresh.filePath(QStringLiteral("Daylark.conf")));
        SetKeyValue(one, kLayoutKey, "PaperSize", "Custom");
        SetKeyValue(one, kLayoutKey, "PaperSizeWidth", QLatin1String(c.width));
        SetKeyValue(one, kLayoutKey, "PaperSizeHeight", QLatin1String(c.height));
        SetKeyValue(one, kLayoutKey, "MarginLeft", QLatin1String(c.left));
        SetKeyValue(one, kLayoutKey, "MarginTop", QLatin1String(c.top));
        const LayoutSettings layout = LoadSettings(one).Layout;
        const std::string what =
            std::string(c.width) + " x " + c.height + ", " + c.left + ", " + c.top;
        EXPECT_EQ(layout.PaperSizeWidth, c.wantWidth) << what;
        EXPECT_EQ(layout.PaperSizeHeight, c.wantHeight) << what;
        EXPECT_EQ(layout.MarginLeft, c.wantLeft) << what;
        EXPECT_EQ(layout.MarginTop, c.wantTop) << what;
        EXPECT_EQ(textToSingle(QueryText(one, kLayoutKey, QStringLiteral("MarginLeft"))),
                  c.wantLeft)
            << what;
        EXPECT_EQ(QueryText(one, kLayoutKey, QStringLiteral("PaperSizeWidth")),
                  QLatin1String(c.width)); // sizes are never written back
    }
}

TEST_F(LoadSettingsTest, ValuesOfOtherTypesReadAsEmptyAndTakeTheDefault) {
    store.setValue(kOptionsKey, "ConfirmDelete", QStringList{"a", "b"});
    store.setValue(kTrayKey, "DispStart", QByteArray("\x01\x02"));
    const Settings s = LoadSettings(store);
    EXPECT_EQ(s.Options.ConfirmDelete, "True");
    EXPECT_EQ(s.Tray.DispStart, "False");
    EXPECT_EQ(stored(kTrayKey, "DispStart"), "False");
}

TEST_F(LoadSettingsTest, UnwritableStoreStillGivesEveryDefault) {
    SettingsStore broken(dir.filePath(QStringLiteral("file-not-folder")) + "/x/Daylark.conf");
    QFile blocker(dir.filePath(QStringLiteral("file-not-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Settings s = LoadSettings(broken);
    EXPECT_EQ(s.Options.AfterAdd, "Remain");
    EXPECT_EQ(s.Layout.MarginBottom, 0.75f);
}

TEST_F(LoadSettingsTest, LeapDayEntriesKeepsItsThreeWordsAndMarkingIsOnAtFirst) {
    const std::pair<const char*, const char*> cases[] = {
        {"Feb28", "Feb28"}, {"Mar1", "Mar1"}, {"Hidden", "Hidden"},
        {"mar1", "Hidden"}, {"", "Hidden"},   {"Feb28|Mar1", "Hidden"}};
    for (const auto& [storedText, read] : cases) {
        SetKeyValue(store, kLayoutKey, "LeapDayEntries", QLatin1String(storedText));
        EXPECT_EQ(LoadSettings(store).Layout.LeapDayEntries, read) << storedText;
        EXPECT_EQ(stored(kLayoutKey, "LeapDayEntries"), read) << storedText;
    }
    EXPECT_EQ(LoadSettings(store).Layout.MarkOverfullDays, "True");
    EXPECT_EQ(stored(kLayoutKey, "MarkOverfullDays"), "True");
    SetKeyValue(store, kLayoutKey, "MarkOverfullDays", "False");
    EXPECT_EQ(LoadSettings(store).Layout.MarkOverfullDays, "False");
}

// The command-line tool prints with these instead of loading a store it would throw away.
TEST_F(LoadSettingsTest, TheDefaultsAreWhatAFirstStartLoads) {
    const Settings loaded = LoadSettings(store);
    const Settings defaults = DefaultSettings();
    auto same = [](const auto& a, const auto& b) {
        for (const auto& f : settingFields(&a)) {
            if (const auto* text = std::get_if<0>(&f.field))
                EXPECT_EQ(a.**text, b.**text) << f.name;
            else
                EXPECT_EQ(a.*std::get<1>(f.field), b.*std::get<1>(f.field)) << f.name;
        }
    };
    same(loaded.Options, defaults.Options);
    same(loaded.Layout, defaults.Layout);
    same(loaded.Tray, defaults.Tray);
}

TEST(SettingsText, SinglesWriteShortAndBoolsFollowTheCheckBox) {
    EXPECT_EQ(singleToText(0.75f), "0.75");
    EXPECT_EQ(singleToText(1.0f), "1");
    EXPECT_EQ(singleToText(0.1f), "0.1");
    EXPECT_EQ(textToSingle("8.5"), 8.5f);
    EXPECT_EQ(textToSingle(" 2 "), 2.0f);
    EXPECT_EQ(textToSingle("abc"), 0.0f);
    EXPECT_EQ(BoolToText(0), "False");
    EXPECT_EQ(BoolToText(1), "True");
    EXPECT_EQ(BoolToText(-1), "True");
    EXPECT_TRUE(isTrue("True"));
    EXPECT_FALSE(isTrue("true"));
    EXPECT_FALSE(isTrue("0"));
}

} // namespace
