#pragma once

#include "document/windows/SetupWindow.h"
#include "editors/windows/EditorLauncher.h"
#include "platform/widgets/UpDownBar.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

// Editors on a fresh program state: today is March 15, 2027, the setup window shows 2027,
// nothing is asked and an add closes the editor unless a test says otherwise.
class EditorTest : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    std::unique_ptr<frmSetup> setup;

    void SetUp() override {
        app.DisplayYear = 2027;
        app.Options.ConfirmAdd = "False";
        app.Options.AfterAdd = "Close";
        app.Options.ConfirmEdit = "False";
        app.Options.ConfirmDelete = "False";
    }

    // The setup window listing kind, for the editors to keep in step.
    frmSetup* listing(EntryKind kind) {
        setup = std::make_unique<frmSetup>(app);
        setup->RefreshEntryList(kind);
        return setup.get();
    }

    template <class Editor>
    std::unique_ptr<Editor> adding(EntryKind kind, AddOrigin origin = AddOrigin::AddMenu) {
        return show<Editor>(PrepareAddEditor(app, kind, origin, setup.get(), nullptr));
    }
    template <class Editor> std::unique_ptr<Editor> editing(EntryKind kind, int index) {
        app.EditIndex = index;
        return show<Editor>(PrepareEditEditor(app, kind, setup.get(), nullptr));
    }

    // The user leaves a box after typing text into it.
    static void type(QLineEdit* box, const QString& text) {
        box->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }

    QStringList listLines() const {
        QStringList lines;
        for (int i = 0; i < setup->lstEvents->count(); ++i)
            lines << setup->lstEvents->item(i)->text();
        return lines;
    }
    QList<int> selectedLines() const {
        QList<int> rows;
        for (const QModelIndex& i : setup->lstEvents->selectionModel()->selectedRows())
            rows << i.row();
        return rows;
    }

  private:
    template <class Editor>
    static std::unique_ptr<Editor> show(std::unique_ptr<EntryEditor> editor) {
        if (!editor) return nullptr;
        editor->show();
        return std::unique_ptr<Editor>(static_cast<Editor*>(editor.release()));
    }
};
