#pragma once

#include <QDialog>
#include <QImage>

class QFrame;
class QListWidget;
class QPushButton;
struct AppState;

// The resort window's status strip: a text on white and a progress bar drawn over it in
// not-exclusive-or, so that the text stays readable inside the bar (it shows inverted).
class StatusStrip : public QWidget {
    Q_OBJECT
  public:
    explicit StatusStrip(QWidget* parent = nullptr);

    // New text and bar; the strip is repainted at once when what it shows changed.
    void setStatus(double fraction, const QString& text);
    double fraction() const { return fraction_; }
    QString text() const { return text_; }
    // The strip as it is painted, at its current size.
    QImage render() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int barWidth(double fraction) const;

    double fraction_ = 0;
    QString text_;
};

// "Resort Entries": puts the checked kinds' tables in order, showing the progress in the
// status strip. The program opens it with exec(); Begin runs the whole resort inside its
// click, and may be pressed again.
class frmResort : public QDialog {
    Q_OBJECT
  public:
    explicit frmResort(AppState& app, QWidget* parent = nullptr);

    // The window's load: every kind checked, the status strip hidden.
    void Form_Load();
    void cmdBegin_Click();
    // Shows a step of the resort; text is a status text of the resort in English, shown in
    // the windows' language.
    void UpdateStatus(double fraction, const char* text);

    QListWidget* lstChoice;
    QPushButton* cmdBegin;
    QPushButton* cmdCancel;
    StatusStrip* picStatus;
    QFrame* Line1;
    QFrame* Line2;

  signals:
    // The tables were resorted and the calendar marked modified: the entry list is to be
    // rebuilt.
    void entriesResorted();

  private:
    void buildControls();
    void layOut();

    AppState& app_;
    // The last status text and its translation: a resort shows each text many times.
    const char* statusSource_ = nullptr;
    QString statusText_;
};
