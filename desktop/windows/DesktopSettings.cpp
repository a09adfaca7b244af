#include "desktop/windows/DesktopSettings.h"

#include "desktop/AppIcon.h"
#include "desktop/Autostart.h"
#include "desktop/windows/TrayIcon.h"
#include "document/AppState.h"
#include "document/DisplayYear.h"
#include "document/FileFolders.h"
#include "drawing/WeekList.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Translations.h"
#include "platform/TypedNumber.h"
#include "platform/widgets/FocusHelpers.h"
#include "platform/widgets/NamedControl.h"
#include "platform/widgets/ScreenPlace.h"
#include "platform/widgets/UpDownBar.h"
#include "settings/Registry.h"
#include "settings/SaveSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace {

// The design in pixels. The options panel lies below the always visible part; collapsed,
// the window ends a margin above the panel, so the options are cut off.
constexpr int kWidth = 340;
constexpr int kMainHeight = 52;
constexpr int kMargin = 7;
constexpr int kOptionsTop = kMainHeight + kMargin;
constexpr int kOptionsHeight = 168;

// The time as the windows' language writes it: "03:07 PM" in English, "15:07" in German.
QString clockText(const QDateTime& now) {
    return InterfaceLocale().toString(
        now.time(), QCoreApplication::translate("frmDesktop", "hh:mm AP", "the clock's format"));
}

} // namespace

frmDesktop::frmDesktop(AppState& app, frmTray* tray, QWidget* parent)
    : QDialog(parent), autostartPath(AutostartPath()),
      programPath(QCoreApplication::applicationFilePath()), app_(app), tray_(tray) {
    setObjectName(QStringLiteral("frmDesktop"));
    setWindowTitle(tr("Desktop Calendar Options"));
    buildMain();
    buildOptions();
    connectControls();
    Form_Load();
}

int frmDesktop::expandedHeight() {
    return kOptionsTop + kOptionsHeight + kMargin;
}

int frmDesktop::collapsedHeight() {
    return kOptionsTop - kMargin;
}

void frmDesktop::buildMain() {
    picMain = named(new QWidget(this), "picMain");
    picMain->setGeometry(0, 0, kWidth, kMainHeight);
    imgIcon = named(new QLabel(picMain), "imgIcon");
    imgIcon->setPixmap(appIcon().pixmap(32, 32));
    imgIcon->setGeometry(10, 10, 32, 32);
    chkEnDesktop = named(new QCheckBox(tr("Enable desktop calendar"), picMain), "chkEnDesktop");
    chkEnDesktop->setGeometry(50, 8, 190, 20);
    lblTime = named(new QLabel(picMain), "lblTime");
    lblTime->setGeometry(54, 29, 120, 16);
    tmrClock = named(new QTimer(this), "tmrClock");
    tmrClock->setInterval(1000);
    cmdSave = named(new QPushButton(tr("&Save"), picMain), "cmdSave");
    cmdSave->setGeometry(kWidth - 85, 12, 75, 27);
    cmdSave->setDefault(true);
}

void frmDesktop::buildOptions() {
    picOptions = named(new QWidget(this), "picOptions");
    picOptions->setGeometry(0, kOptionsTop, kWidth, kOptionsHeight);
    auto label = [this](const char* name, const QString& text, QRect where) {
        QLabel* l = named(new QLabel(text, picOptions), name);
        l->setGeometry(where);
        return l;
    };
    lblDispWeeks = label("lblDispWeeks", tr("Display:"), {10, 10, 52, 16});
    cboDispWeeks = named(new QComboBox(picOptions), "cboDispWeeks");
    cboDispWeeks->setGeometry(66, 6, 96, 24);
    lblListEvents[0] =
        label("lblListEvents0", tr("List events that occur within:"), {10, 42, 176, 16});
    txtTrayList = named(new QLineEdit(QStringLiteral("##"), picOptions), "txtTrayList");
    txtTrayList->setGeometry(188, 39, 28, 22);
    vsbTrayList = named(new UpDownBar(picOptions), "vsbTrayList");
    vsbTrayList->setGeometry(216, 39, 17, 22);
    vsbTrayList->setNumberRange(1, kMaxMonthsListed);
    lblListEvents[1] = label("lblListEvents1", tr("month(s)."), {238, 42, 80, 16});
    lblTrayFile = label("lblTrayFile", tr("Select Calendar to be displayed"), {10, 70, 260, 16});
    txtTrayFile = named(new QLineEdit(picOptions), "txtTrayFile");
    txtTrayFile->setGeometry(10, 88, 288, 24);
    txtTrayFile->setReadOnly(true); // chosen with "...", never typed
    cmdTrayFile = named(new QPushButton(QStringLiteral("..."), picOptions), "cmdTrayFile");
    cmdTrayFile->setGeometry(302, 88, 28, 24);
    chkLoadStart = named(new QCheckBox(tr("Load at system startup"), picOptions), "chkLoadStart");
    chkLoadStart->setGeometry(10, 120, 260, 20);
    chkDispStart =
        named(new QCheckBox(tr("Display at system startup"), picOptions), "chkDispStart");
    chkDispStart->setGeometry(10, 142, 260, 20);
}

void frmDesktop::connectControls() {
    connect(chkEnDesktop, &QCheckBox::clicked, this, &frmDesktop::chkEnDesktop_Click);
    connect(chkLoadStart, &QCheckBox::clicked, this, &frmDesktop::chkLoadStart_Click);
    connect(cmdTrayFile, &QPushButton::clicked, this, &frmDesktop::cmdTrayFile_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmDesktop::cmdSave_Click);
    connect(tmrClock, &QTimer::timeout, this, &frmDesktop::tmrClock_Timer);
    connect(vsbTrayList, &UpDownBar::numberChanged, this,
            [this](int months) { txtTrayList->setText(QString::number(months)); });
    connect(SelectAllOnFocus(txtTrayList), &FocusWatcher::lostFocus, this,
            &frmDesktop::txtTrayList_LostFocus);
}

void frmDesktop::Form_Load() {
    const TraySettings& tray = app_.Tray;
    cboDispWeeks->clear();
    for (int weeks = 1; weeks <= kMaxWeeksShown; ++weeks)
        cboDispWeeks->addItem(weeks == 1 ? tr("1 week") : tr("%1 weeks").arg(weeks));
    // A damaged stored number shows as the nearest one the lists offer.
    cboDispWeeks->setCurrentIndex(WeeksShown(tray.NumWeeks) - 1);
    vsbTrayList->setNumber(MonthsListed(tray.ListMonths));
    txtTrayList->setText(QString::number(vsbTrayList->number()));
    setFixedSize(kWidth, expandedHeight());
    CenterOnScreen(*this);
    chkEnDesktop->setChecked(isTrue(tray.Display));
    showLayout(chkEnDesktop->isChecked());
    const bool entry = HasAutostartEntry(autostartPath);
    chkLoadStart->setChecked(entry);
    chkDispStart->setEnabled(entry);
    chkDispStart->setChecked(entry && isTrue(tray.DispStart));
    txtTrayFile->setText(tray.FileName);
    tmrClock_Timer();
    tmrClock->start();
}

void frmDesktop::lockTopBoxes() {
    chkEnDesktop->setEnabled(false);
    chkLoadStart->setEnabled(false);
}

bool frmDesktop::expanded() const {
    return picOptions->isEnabled();
}

void frmDesktop::showLayout(bool expand) {
    setFixedSize(kWidth, expand ? expandedHeight() : collapsedHeight());
    picOptions->setEnabled(expand);
    imgIcon->setVisible(expand);
    if (!expand) {
        chkLoadStart->setChecked(false);
        chkLoadStart_Click();
    }
}

void frmDesktop::chkEnDesktop_Click() {
    showLayout(chkEnDesktop->isChecked());
}

void frmDesktop::chkLoadStart_Click() {
    const bool load = chkLoadStart->isChecked();
    chkDispStart->setEnabled(load);
    if (!load) chkDispStart->setChecked(false);
}

void frmDesktop::cmdTrayFile_Click() {
    FileRequest request{tr("Select Vemora File")};
    request.owner = app_.viewsOrNone().mainWindow();
    const std::optional<FileChoice> choice = ChooseFileToOpen(app_, request);
    if (!choice) return;
    // Taken at once: kept for this run even when the dialog is closed without saving.
    app_.Tray.FileName = choice->path;
    txtTrayFile->setText(choice->path);
}

void frmDesktop::txtTrayList_LostFocus() {
    const int months = LeadingNumber(txtTrayList->text());
    if (months >= vsbTrayList->lowest() && months <= vsbTrayList->highest())
        vsbTrayList->setNumber(months);
    // The box always shows the number that Save will keep.
    txtTrayList->setText(QString::number(vsbTrayList->number()));
}

void frmDesktop::tmrClock_Timer() {
    lblTime->setText(clockText(app_.clock.now()));
}

// The settings are written first: when that fails nothing else changes (icon, start-up
// entry, settings in use), and the dialog stays open with the user's choices.
void frmDesktop::cmdSave_Click() {
    TraySettings tray = app_.Tray;
    const bool wasOn = isTrue(tray.Display);
    const bool on = chkEnDesktop->isChecked();
    tray.Display = BoolToText(on);
    tray.NumWeeks = QString::number(cboDispWeeks->currentIndex() + 1);
    tray.ListMonths = QString::number(vsbTrayList->number());
    tray.DispStart = BoolToText(chkDispStart->isChecked());
    if (!SaveDialogSettings(app_, tray, this)) return;
    if (tray_ && !on && wasOn) tray_->unload();
    if (tray_ && on && !wasOn) tray_->load();
    saveStartupEntry();
    app_.Tray = tray;
    tmrClock->stop();
    accept();
    if (!on && !app_.viewsOrNone().mainWindowVisible()) emit programEndRequested();
}

void frmDesktop::saveStartupEntry() {
    const bool load = chkLoadStart->isChecked();
    const FileResult result = load ? WriteAutostartEntry(programPath, autostartPath)
                                   : RemoveAutostartEntry(autostartPath);
    if (!result.failed()) return;
    const QString text = load ? tr("Daylark cannot write the start-up entry \n%1\n\n%2")
                              : tr("Daylark cannot remove the start-up entry \n%1\n\n%2");
    showMessage(app_.dialogs, text.arg(autostartPath, result.error), QStringLiteral("Daylark"));
}
