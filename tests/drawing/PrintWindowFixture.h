#pragma once

#include "drawing/windows/PrintWindow.h"
#include "settings/LoadSettings.h"
#include "support/PlainPages.h"
#include "support/TestApp.h"

#include <QListWidget>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The print window on a calendar of the display year 2027, without the system's printers:
// "Save as PDF" is the only one.
struct PrintWindowFixtureBase : ::testing::Test {
    TestApp t;
    std::unique_ptr<frmPrint> window;

    explicit PrintWindowFixtureBase(const CalendarDocument& document) {
        t.app.Layout = LoadSettings(t.store).Layout;
        PlainPages(t.app.Layout);
        t.app.Document = document;
        t.app.DisplayYear = 2027;
        window = std::make_unique<frmPrint>(t.app, nullptr, QList<QPrinterInfo>());
        window->show();
    }
    void selectMonths(std::initializer_list<int> months) {
        QTest::mouseClick(window->optSelect, Qt::LeftButton);
        window->lstMonths->clearSelection();
        for (int m : months)
            window->lstMonths->item(m - 1)->setSelected(true);
    }
};
