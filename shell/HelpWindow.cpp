#include "shell/HelpWindow.h"

#include "desktop/AppIcon.h"
#include "platform/Translations.h"

#include <QFile>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

// The help pages live in a resource of this static library; naming it here keeps the linker
// from dropping it from programs that use the help window.
static void initHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace {

QToolButton* makeButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpResource();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Daylark Help"));
    setWindowIcon(appIcon());
    buildControls();
    resize(760, 580);
}

// The pages of the windows' language where the help has them, the English pages otherwise.
QString HelpWindow::pageFolder() {
    const QString folder = QStringLiteral("/help/") + InterfaceLanguage();
    return QFile::exists(u':' + folder + QStringLiteral("/index.html")) ? folder
                                                                        : QStringLiteral("/help");
}

QUrl HelpWindow::defaultTopic() {
    return QUrl(QStringLiteral("qrc:") + pageFolder() + QStringLiteral("/index.html"));
}

void HelpWindow::buildControls() {
    cmdBack_ = makeButton(QStringLiteral("cmdBack"), tr("< Back"), this);
    cmdForward_ = makeButton(QStringLiteral("cmdForward"), tr("Forward >"), this);
    cmdContents_ = makeButton(QStringLiteral("cmdContents"), tr("Contents"), this);
    cmdBack_->setEnabled(false);
    cmdForward_->setEnabled(false);

    txtHelp_ = new QTextBrowser(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setOpenExternalLinks(false);
    txtHelp_->setSearchPaths({u':' + pageFolder()});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack_);
    buttons->addWidget(cmdForward_);
    buttons->addWidget(cmdContents_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp_);

    connect(cmdBack_, &QToolButton::clicked, txtHelp_, &QTextBrowser::backward);
    connect(cmdForward_, &QToolButton::clicked, txtHelp_, &QTextBrowser::forward);
    connect(cmdContents_, &QToolButton::clicked, this,
            [this] { txtHelp_->setSource(defaultTopic()); });
    connect(txtHelp_, &QTextBrowser::backwardAvailable, cmdBack_, &QToolButton::setEnabled);
    connect(txtHelp_, &QTextBrowser::forwardAvailable, cmdForward_, &QToolButton::setEnabled);
    connect(txtHelp_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = txtHelp_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Daylark Help") : tr("Daylark Help - %1").arg(title));
    });
    txtHelp_->setSource(defaultTopic());
}

void HelpWindow::showContents() {
    if (txtHelp_->source() != defaultTopic()) txtHelp_->setSource(defaultTopic());
    txtHelp_->verticalScrollBar()->setValue(0);
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}
