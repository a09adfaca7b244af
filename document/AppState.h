#pragma once

#include "document/CalendarDocument.h"
#include "document/SettingsRecords.h"

#include <QString>

class Clock;
class QImage;
class QSize;
class QWidget;
class Dialogs;
class SettingsStore;

// What the windows do when the file commands have changed the document. The main window and
// the setup window implement it; without windows (the command-line tool, logic tests) there
// is nothing to refresh.
class DocumentViews {
  public:
    virtual ~DocumentViews() = default;
    // After a read (successful or failed) and after File > New: caption, title and header
    // boxes, the entry list of the birthdays, an open calendar view.
    virtual void refreshAfterRead() {}
    // After an import: the entry list of the shown kind and an open calendar view.
    virtual void refreshAfterImport() {}
    // After Save As: the setup window's caption shows the new file name.
    virtual void refreshFileName() {}
    // After entries changed elsewhere (delete, the editors): an open calendar view redraws.
    virtual void redrawCalendarView() {}
    // A calendar file was opened or saved (the File menu lists the recent ones).
    virtual void calendarFileUsed(const QString& /*path*/) {}
    // One line about work that shows nothing else ("30 entries added from plants.qvf").
    virtual void showStatus(const QString& /*text*/) {}
    // A write clears the modified state only while the main window is visible; without
    // windows the document is all there is to see.
    virtual bool mainWindowVisible() const { return true; }
    // The windows that own the file dialogs.
    virtual QWidget* mainWindow() const { return nullptr; }
    virtual QWidget* setupWindow() const { return nullptr; }
};

// The program-wide state: the one calendar, the stored preferences and the few values that
// several windows share. main creates it and hands it to every window; each test makes its
// own.
struct AppState {
    AppState(Dialogs& dialogs, Clock& clock, SettingsStore& store)
        : dialogs(dialogs), clock(clock), store(store) {}

    CalendarDocument Document;
    OptionSettings Options;
    LayoutSettings Layout;
    TraySettings Tray;

    int DisplayYear = 0;
    EntryKind ShownKind = EntryKind::Birthday;
    int EditIndex = 0;
    bool CalendarViewOpen = false;
    bool DesktopWeekShown = false;
    bool SplashAsAbout = false;
    QString CommandLine; // the whole argument text the program was started with

    Dialogs& dialogs;
    Clock& clock;
    SettingsStore& store;
    DocumentViews* views = nullptr; // set by the main window while it exists
    // Draws a month of the calendar as the pages print it with layout, scaled to fit size:
    // the layout dialog's picture. Set by the program; without it the dialog shows none.
    QImage (*SamplePage)(const AppState& app, const LayoutSettings& layout, QSize size) = nullptr;

    DocumentViews& viewsOrNone() {
        static DocumentViews none;
        return views ? *views : none;
    }
};
