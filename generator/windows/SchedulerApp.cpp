#include "generator/windows/SchedulerApp.h"

#include "generator/windows/frmQVFSched.h"
#include "generator/windows/frmStatus.h"

namespace qvfsch {

SchedulerApp::SchedulerApp(const Clock& clock, Dialogs& dialogs, QRandomGenerator& random)
    : clock_(clock), dialogs_(dialogs), random_(random) {}

SchedulerApp::~SchedulerApp() = default;

void SchedulerApp::start() {
    wizard_ = std::make_unique<frmQVFSched>(clock_, dialogs_);
    QObject::connect(wizard_.get(), &frmQVFSched::finished, wizard_.get(),
                     [this](const GenerationResult& result) { showStatus(result); });
    wizard_->show();
}

// The status window is shown before the wizard closes, so that a window stays open and the
// program goes on.
void SchedulerApp::showStatus(const GenerationResult& result) {
    status_ = std::make_unique<frmStatus>(dialogs_, random_);
    status_->showResult(result);
    status_->adjustSize();
    status_->move(wizard_->frameGeometry().center() - status_->rect().center());
    status_->show();
    wizard_->close();
}

} // namespace qvfsch
