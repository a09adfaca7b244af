#pragma once

#include "editors/windows/EntryEditor.h"

#include <array>

class ClickableLabel;
class QGroupBox;
class QRadioButton;

// The birthday and anniversary editors: a dated entry with a display style, whose three
// choices are previewed live from the name and the year as the calendar would show them in
// the year the setup window shows.
class StyledEntryEditor : public DatedEntryEditor {
    Q_OBJECT
  public:
    void ResetForm() override;
    // The position of the chosen style option, 0 to 2.
    int chosenStyle() const;

    QGroupBox* fraStyle;
    std::array<QRadioButton*, 3> optStyle;

  protected:
    // word: "Birthday" or "Anniversary", the word of the first style.
    StyledEntryEditor(AppState& app, const EditorTexts& texts, const char* word, QWidget* parent);

    // The three style texts for the current name and year.
    std::array<QString, 3> previews() const;
    // Shows previews() in the window.
    virtual void refreshPreviews() = 0;

    QString displayText() const override;
    void nameChanged() override { refreshPreviews(); }
    void yearChanged() override { refreshPreviews(); }

    // The date frame holding month, day and year.
    QGroupBox* dateFrame(const char* name, const QString& caption);

  private:
    const char* word_;
};

// Adds and changes birthdays; the previews are the captions of the style options.
class frmBirthday : public StyledEntryEditor {
    Q_OBJECT
  public:
    explicit frmBirthday(AppState& app, QWidget* parent = nullptr);

    // Refreshes the three style previews.
    void DispAge();

    QGroupBox* fraBirthDate;

  protected:
    EntryRecord record() const override;
    void refreshPreviews() override { DispAge(); }

  private:
    void layOut();
};

// Adds and changes anniversaries; the previews are labels beside caption-less options, and
// the names may be at most 50 characters long.
class frmAnniv : public StyledEntryEditor {
    Q_OBJECT
  public:
    explicit frmAnniv(AppState& app, QWidget* parent = nullptr);

    // Refreshes the three style previews.
    void DispAnniv();

    QGroupBox* fraAnniv;
    std::array<ClickableLabel*, 3> lblStyle;

  protected:
    EntryRecord record() const override;
    void refreshPreviews() override { DispAnniv(); }

  private:
    void layOut();
};
