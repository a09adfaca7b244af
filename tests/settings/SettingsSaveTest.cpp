#include "desktop/windows/DesktopSettings.h"
#include "settings/LoadSettings.h"
#include "settings/Registry.h"
#include "settings/windows/LayoutDialog.h"
#include "settings/windows/OptionsDialog.h"
#include "support/FileSizeLimit.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The Save button of each settings dialog, with one choice changed: which stored value it
// changes, to what, and whether the settings in use took it.
struct SettingsDialog {
    const char* name;
    std::function<std::unique_ptr<QDialog>(TestApp&)> open;
    std::function<QPushButton*(QDialog&)> chooseAndFindSave;
    const QString* key;
    const char* value;
    const char* chosen;
    std::function<bool(const AppState&)> inUse;
};

const SettingsDialog kDialogs[] = {
    {"options",
     [](TestApp& t) -> std::unique_ptr<QDialog> { return std::make_unique<frmOptions>(t.app); },
     [](QDialog& d) {
         auto& w = static_cast<frmOptions&>(d);
         QTest::mouseClick(w.chkConfDel, Qt::LeftButton);
         return w.cmdOK;
     },
     &Registry::kOptionsKey, "ConfirmDelete", "False",
     [](const AppState& a) { return a.Options.ConfirmDelete == "False"; }},
    {"layout",
     [](TestApp& t) -> std::unique_ptr<QDialog> { return std::make_unique<frmLayout>(t.app); },
     [](QDialog& d) {
         auto& w = static_cast<frmLayout&>(d);
         QTest::mouseClick(w.optCalTitle[1], Qt::LeftButton);
         return w.cmdOK;
     },
     &Registry::kLayoutKey, "AlignTitle", "Right",
     [](const AppState& a) { return a.Layout.AlignTitle == "Right"; }},
    {"desktop",
     [](TestApp& t) -> std::unique_ptr<QDialog> {
         auto d = std::make_unique<frmDesktop>(t.app, nullptr);
         d->autostartPath = t.path("autostart/daylark.desktop");
         return d;
     },
     [](QDialog& d) {
         auto& w = static_cast<frmDesktop&>(d);
         w.cboDispWeeks->setCurrentIndex(2);
         return w.cmdSave;
     },
     &Registry::kTrayKey, "NumWeeks", "3",
     [](const AppState& a) { return a.Tray.NumWeeks == "3"; }},
};

// The configuration folder made unwritable, and what the system says about it.
struct Breakage {
    const char* name;
    const char* reason;
    // Breaks the folder; the folder is mended when the returned object goes. Nothing when
    // this machine cannot break it so (mounting needs root).
    std::function<std::shared_ptr<void>(const QString& folder)> apply;
};

// A file where the folder should be: unwritable for every user, root too.
std::shared_ptr<void> fileInTheWay(const QString& folder) {
    const QString away = folder + ".away";
    QDir().rename(folder, away);
    QFile(folder).open(QIODevice::WriteOnly);
    return std::shared_ptr<void>(new int(0), [folder, away](void* p) {
        delete static_cast<int*>(p);
        QFile::remove(folder);
        QDir().rename(away, folder);
    });
}

// A tiny disk mounted over the folder, filled up.
std::shared_ptr<void> fullDisk(const QString& folder) {
    auto disk = std::make_shared<TinyDisk>(folder, "16k");
    if (!disk->mounted()) return nullptr;
    QFile filler(folder + "/filler");
    filler.open(QIODevice::WriteOnly);
    filler.write(QByteArray(64 * 1024, 'x'));
    return disk;
}

// A disk mounted over the folder that only reads.
std::shared_ptr<void> readOnlyDisk(const QString& folder) {
    auto disk = std::make_shared<TinyDisk>(folder, "64k");
    if (!disk->mounted() ||
        QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", folder}) != 0)
        return nullptr;
    return disk;
}

QString storedIn(const QString& file, const QString& key, const char* name) {
    SettingsStore store(file);
    return Registry::QueryText(store, key, QLatin1String(name));
}

// A write that fails names the file and the system's reason, keeps the dialog open with the
// user's choice and leaves the settings in use and on disk as they were; once the folder
// can be written again, Save saves. (The disks need root to mount; without it those cases
// are left out.)
TEST(SettingsSave, AFailedWriteIsReportedAndTheDialogStaysOpenWithTheChoice) {
    const Breakage breakages[] = {{"file in the way", "Not a directory", fileInTheWay},
                                  {"full disk", "No space left on device", fullDisk},
                                  {"read-only disk", "Read-only file system", readOnlyDisk}};
    for (const Breakage& breakage : breakages) {
        for (const SettingsDialog& c : kDialogs) {
            SCOPED_TRACE(std::string(breakage.name) + ", " + c.name);
            TestApp t;
            const Settings loaded = LoadSettings(t.store);
            t.app.Options = loaded.Options;
            t.app.Layout = loaded.Layout;
            t.app.Tray = loaded.Tray;
            ASSERT_TRUE(t.store.sync());
            const QString folder = t.path("config");
            std::unique_ptr<QDialog> dialog = c.open(t);
            dialog->show();
            QPushButton* save = c.chooseAndFindSave(*dialog);
            {
                const std::shared_ptr<void> broken = breakage.apply(folder);
                if (!broken) break; // no mounting here
                QTest::mouseClick(save, Qt::LeftButton);
                ASSERT_EQ(t.dialogs.messages.size(), 1u);
                const MessageRequest& m = t.dialogs.messages[0];
                EXPECT_TRUE(m.text.startsWith("Daylark cannot save the settings in\n" +
                                              t.store.filePath() + "\n\n" +
                                              QLatin1String(breakage.reason)))
                    << m.text.toStdString();
                EXPECT_EQ(m.title, "Daylark");
                EXPECT_TRUE(dialog->isVisible());
                EXPECT_FALSE(c.inUse(t.app));
            }
            EXPECT_NE(storedIn(t.store.filePath(), *c.key, c.value), QLatin1String(c.chosen));
            QTest::mouseClick(save, Qt::LeftButton); // the folder mended
            EXPECT_EQ(t.dialogs.messages.size(), 1u);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_TRUE(c.inUse(t.app));
            EXPECT_EQ(storedIn(t.store.filePath(), *c.key, c.value), QLatin1String(c.chosen));
        }
    }
}

} // namespace
