#pragma once

#include <QMainWindow>

struct AppState;

// The main frame window of the calendar program.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(AppState& app, QWidget* parent = nullptr);

private:
    AppState& app_;
};
