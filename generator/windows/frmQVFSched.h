#pragma once

#include "generator/EventGenerator.h"
#include "generator/ScheduleRequest.h"

#include <QWidget>
#include <array>

class Clock;
class Dialogs;
class QCheckBox;
class QComboBox;
class QDate;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace qvfsch {

class SpinButton;

// The three-page wizard: the date span, the repetition (every N days or on chosen weekdays)
// and the event's name. Finish generates the entries and hands them on with finished();
// when no entry results it says so and closes, which ends the program.
class frmQVFSched final : public QWidget {
    Q_OBJECT

  public:
    enum class Page { DateSpan = 0, Frequency = 1, EventName = 2 };

    frmQVFSched(const Clock& clock, Dialogs& dialogs, QWidget* parent = nullptr);

    Page page() const;
    // The span, rule and name as the controls show them.
    ScheduleRequest request() const;

  signals:
    void finished(const qvfsch::GenerationResult& result);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The month list, day and year spinners of one end of the span.
    struct DateGroup {
        QComboBox* month = nullptr;
        SpinButton* day = nullptr;
        QLineEdit* dayText = nullptr;
        SpinButton* year = nullptr;
        QLineEdit* yearText = nullptr;
        CalendarDay value() const;
    };

    DateGroup startGroup() const;
    DateGroup endGroup() const;

    void buildWindow();
    QWidget* buildTitle();
    QWidget* buildDatePage();
    DateGroup buildDateRow(QGridLayout* grid, int row, const QString& suffix);
    QWidget* buildFrequencyPage();
    QWidget* buildDailyPanel();
    QWidget* buildWeeklyPanel();
    QWidget* buildNamePage();
    QWidget* buildButtons();
    void connectControls();
    void connectDateGroup(const DateGroup& group);
    void takeTypedValues();

    void Form_Load();
    void loadDateGroup(const DateGroup& group, const QDate& today);
    void monthChanged(const DateGroup& group);
    void yearChanged(const DateGroup& group);
    void optDays_Click(int index);
    void txtEventName_Change();
    void cmdNext_Click();
    void cmdBack_Click();
    void nextFromDateSpan();
    void nextFromFrequency();
    void finish();
    QString frequencySpec() const;
    void showPage(Page page, const QString& heading);

    const Clock& clock_;
    Dialogs& dialogs_;
    QStackedWidget* pages_ = nullptr;

    QWidget* picTitle = nullptr;
    QLabel* lblTitle = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;

    QWidget* picDateSpan = nullptr;
    QLabel* lblDateStart = nullptr;
    QLabel* lblDateEnd = nullptr;
    QComboBox* cboMonthStart = nullptr;
    QComboBox* cboMonthEnd = nullptr;
    SpinButton* vsbDateStart = nullptr;
    QLineEdit* txtDateStart = nullptr;
    SpinButton* vsbDateEnd = nullptr;
    QLineEdit* txtDateEnd = nullptr;
    SpinButton* vsbYearStart = nullptr;
    QLineEdit* txtYearStart = nullptr;
    SpinButton* vsbYearEnd = nullptr;
    QLineEdit* txtYearEnd = nullptr;

    QWidget* picFreq = nullptr;
    std::array<QRadioButton*, 2> optDays{};
    QWidget* picDaily = nullptr;
    QLabel* lblDaily1 = nullptr;
    QLabel* lblDaily2 = nullptr;
    SpinButton* vsbDaily = nullptr;
    QLineEdit* txtDaily = nullptr;
    QWidget* picWeekly = nullptr;
    std::array<QCheckBox*, 7> chkWeekly{};

    QWidget* picEventName = nullptr;
    QLabel* lblEventName = nullptr;
    QLineEdit* txtEventName = nullptr;
};

} // namespace qvfsch
