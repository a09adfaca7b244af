#pragma once

#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "support/TestApp.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

// The main window on program-wide state of its own, started as the program starts; load()
// makes a new window, as a new run of the program would.
class MainWindowFixture : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    std::unique_ptr<frmMain> w;
    std::unique_ptr<QSignalSpy> ended;

    void SetUp() override { StartUp(app); }
    frmMain& load(bool trayAvailable = true) {
        w.reset(); // the old window lets go of the document before the new one takes it
        w = std::make_unique<frmMain>(app, trayAvailable);
        ended = std::make_unique<QSignalSpy>(w.get(), &frmMain::programEnded);
        w->Form_Load();
        return *w;
    }
};
