#pragma once

#include "document/AppState.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"

#include <QStringList>
#include <QTemporaryDir>

// Windows stand-in that counts the refreshes the file commands ask for.
class RecordingViews final : public DocumentViews {
  public:
    int reads = 0;
    int imports = 0;
    int fileNames = 0;
    int redraws = 0;
    bool visible = true;
    QStringList usedFiles; // opened or saved, in order
    QStringList statuses;
    void refreshAfterRead() override { ++reads; }
    void refreshAfterImport() override { ++imports; }
    void refreshFileName() override { ++fileNames; }
    void redrawCalendarView() override { ++redraws; }
    bool mainWindowVisible() const override { return visible; }
    void calendarFileUsed(const QString& path) override { usedFiles << path; }
    void showStatus(const QString& text) override { statuses << text; }
};

// A fresh program state for one test: scripted dialogs, a set clock, and a settings store
// and working folder of its own in a temporary folder.
struct TestApp {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{QDateTime(QDate(2027, 3, 15), QTime(9, 30))};
    SettingsStore store{dir.filePath(QStringLiteral("config/Daylark.conf"))};
    RecordingViews views;
    AppState app{dialogs, clock, store};

    TestApp() { app.views = &views; }
    QString path(const QString& name) const { return dir.filePath(name); }
};
