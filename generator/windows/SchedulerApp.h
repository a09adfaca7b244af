#pragma once

#include "generator/EventGenerator.h"

#include <memory>

class Clock;
class Dialogs;
class QRandomGenerator;

namespace qvfsch {

class frmQVFSched;
class frmStatus;

// The generator's windows: the wizard first; after Finish the status window in its place.
// The program ends when the last of them closes.
class SchedulerApp final {
  public:
    SchedulerApp(const Clock& clock, Dialogs& dialogs, QRandomGenerator& random);
    ~SchedulerApp();
    SchedulerApp(const SchedulerApp&) = delete;
    SchedulerApp& operator=(const SchedulerApp&) = delete;

    // Shows the wizard.
    void start();

    frmQVFSched* wizard() const { return wizard_.get(); }
    frmStatus* status() const { return status_.get(); } // null until Finish

  private:
    void showStatus(const GenerationResult& result);

    const Clock& clock_;
    Dialogs& dialogs_;
    QRandomGenerator& random_;
    std::unique_ptr<frmQVFSched> wizard_;
    std::unique_ptr<frmStatus> status_;
};

} // namespace qvfsch
