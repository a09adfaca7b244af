#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The program's help: a window of its own, owned by the main window, showing the help pages
// compiled into the program. Links between pages are followed inside the window; Back,
// Forward and Contents move through the pages seen.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent);

    // The default topic: the welcome page with the list of contents, in the windows' language
    // (the English pages when the help has none in it).
    static QUrl defaultTopic();
    // The resource folder of the pages in the windows' language: "/help/de", or "/help".
    static QString pageFolder();

    // Shows the default topic and brings the window to the front.
    void showContents();

    QTextBrowser* browser() const { return txtHelp_; }

  private:
    void buildControls();

    QToolButton* cmdBack_ = nullptr;
    QToolButton* cmdForward_ = nullptr;
    QToolButton* cmdContents_ = nullptr;
    QTextBrowser* txtHelp_ = nullptr;
};
