#include "document/windows/SetupWindow.h"

#include "document/AppState.h"
#include "document/DisplayYear.h"
#include "document/EntryCaptions.h"
#include "document/FileCommands.h"
#include "document/ListCommands.h"
#include "document/windows/KindIcons.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/TypedNumber.h"
#include "platform/widgets/ClickableLabel.h"
#include "platform/widgets/FocusHelpers.h"
#include "platform/widgets/NamedControl.h"
#include "platform/widgets/UpDownBar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kKindIconNames[] = {"imgBir", "imgHol", "imgFHol", "imgAnn", "imgOth"};

void setLabelColours(QLabel* label, bool highlighted) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window,
                     label->palette().color(highlighted ? QPalette::Highlight : QPalette::Mid));
    palette.setColor(
        QPalette::WindowText,
        label->palette().color(highlighted ? QPalette::HighlightedText : QPalette::ButtonText));
    label->setPalette(palette);
}

} // namespace

frmSetup::frmSetup(AppState& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(tr("Daylark Setup"));
    buildTextBoxes();
    buildKindSelectors();
    buildButtons();
    layOut();
    connectControls();
}

void frmSetup::buildTextBoxes() {
    lblTitle = named(new QLabel(tr("Calendar Title:"), this), "lblTitle");
    txtTitle = named(new QLineEdit(UntitledTitle(), this), "txtTitle");
    const char* headerNames[] = {"txtHeader0", "txtHeader1"};
    const QString headerLabels[] = {tr("Header (line 1):"), tr("Header (line 2):")};
    for (int i = 0; i < 2; ++i) {
        lblHeader[i] =
            named(new QLabel(headerLabels[i], this), i == 0 ? "lblHeader0" : "lblHeader1");
        txtHeader[i] = named(new QLineEdit(this), headerNames[i]);
    }
    lblDispYr = named(new QLabel(tr("Display Year:"), this), "lblDispYr");
    txtDispYr = named(new QLineEdit(this), "txtDispYr");
    txtDispYr->setMaxLength(4);
    txtDispYr->setFixedWidth(txtDispYr->fontMetrics().horizontalAdvance(u'0') * 4 + 16);
    vsbDispYr = named(new UpDownBar(this), "vsbDispYr");
    vsbDispYr->setNumberRange(kFirstDisplayYear, kLastDisplayYear);
    vsbDispYr->setFixedHeight(txtDispYr->sizeHint().height());
    for (QLabel* label : {lblTitle, lblHeader[0], lblHeader[1], lblDispYr})
        label->setBuddy(label == lblTitle    ? txtTitle
                        : label == lblDispYr ? txtDispYr
                                             : txtHeader[label == lblHeader[0] ? 0 : 1]);
}

void frmSetup::buildKindSelectors() {
    lblCurEntries = named(new QLabel(tr("Current Entries "), this), "lblCurEntries");
    for (int i = 0; i < 5; ++i) {
        // The labels are set off from their coloured background by a space on either side.
        lblEvent[i] =
            new ClickableLabel(u' ' + KindCaption(static_cast<EntryKind>(i)) + u' ', this);
        lblEvent[i]->setObjectName(QStringLiteral("lblEvent%1").arg(i));
        lblEvent[i]->setAutoFillBackground(true);
        lblEvent[i]->setCursor(Qt::PointingHandCursor);
        lblEvent[i]->setMinimumHeight(22);
        setLabelColours(lblEvent[i], false);
        imgEvent[i] = named(new ClickableLabel(this), kKindIconNames[i]);
        imgEvent[i]->setPixmap(kindIcon(static_cast<EntryKind>(i), 20));
        imgEvent[i]->setCursor(Qt::PointingHandCursor);
    }
    lstEvents = named(new QListWidget(this), "lstEvents");
    lstEvents->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstEvents->setMinimumSize(320, 150);
    // Every line is one line of text of the same height, so the list need not lay out each of
    // its lines (up to 32,767 of them) to place them; long lines still scroll sideways.
    lstEvents->setUniformItemSizes(true);
}

void frmSetup::buildButtons() {
    cmdAdd = named(new QPushButton(tr("&Add"), this), "cmdAdd");
    cmdEdit = named(new QPushButton(tr("&Edit"), this), "cmdEdit");
    cmdDelete = named(new QPushButton(tr("&Delete"), this), "cmdDelete");
    cmdResort = named(new QPushButton(tr("Resort Entries"), this), "cmdResort");
}

void frmSetup::layOut() {
    auto* form = new QGridLayout;
    form->addWidget(lblTitle, 0, 0);
    form->addWidget(txtTitle, 0, 1, 1, 3);
    for (int i = 0; i < 2; ++i) {
        form->addWidget(lblHeader[i], i + 1, 0);
        form->addWidget(txtHeader[i], i + 1, 1, 1, 3);
    }
    form->addWidget(lblDispYr, 3, 0);
    form->addWidget(txtDispYr, 3, 1);
    form->addWidget(vsbDispYr, 3, 2);
    form->setColumnStretch(3, 1);

    auto* kinds = new QGridLayout;
    kinds->setVerticalSpacing(4);
    for (int i = 0; i < 5; ++i) {
        kinds->addWidget(imgEvent[i], i, 0);
        kinds->addWidget(lblEvent[i], i, 1);
    }
    kinds->setRowStretch(5, 1);
    auto* entries = new QHBoxLayout;
    entries->addLayout(kinds);
    entries->addWidget(lstEvents, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdAdd, cmdEdit, cmdDelete})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(cmdResort);

    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addSpacing(6);
    all->addWidget(lblCurEntries);
    all->addLayout(entries, 1);
    all->addLayout(buttons);
}

void frmSetup::connectControls() {
    connect(txtTitle, &QLineEdit::textEdited, this, &frmSetup::txtTitle_Edited);
    for (int i = 0; i < 2; ++i) {
        connect(txtHeader[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            (i == 0 ? app_.Document.HeaderLine1 : app_.Document.HeaderLine2) = text;
            app_.Document.MarkModified();
        });
    }
    for (int i = 0; i < 5; ++i) {
        const auto kind = static_cast<EntryKind>(i);
        connect(lblEvent[i], &ClickableLabel::clicked, this,
                [this, kind] { RefreshEntryList(kind); });
        connect(imgEvent[i], &ClickableLabel::clicked, this,
                [this, kind] { RefreshEntryList(kind); });
    }
    connect(vsbDispYr, &UpDownBar::numberChanged, this, &frmSetup::vsbDispYr_Change);
    connect(lstEvents, &QListWidget::itemSelectionChanged, this, &frmSetup::lstEvents_Click);
    connect(cmdAdd, &QPushButton::clicked, this, [this] { emit addRequested(app_.ShownKind); });
    connect(cmdEdit, &QPushButton::clicked, this, &frmSetup::EditCommand);
    // A double-click on an entry edits it, as Edit would: only while one line is selected.
    connect(lstEvents, &QListWidget::itemDoubleClicked, this, [this] {
        if (cmdEdit->isEnabled()) EditCommand();
    });
    connect(cmdDelete, &QPushButton::clicked, this, &frmSetup::DeleteCommand);
    connect(cmdResort, &QPushButton::clicked, this, &frmSetup::resortRequested);
    SelectAllOnFocus(txtTitle);
    connect(SelectAllOnFocus(txtDispYr), &FocusWatcher::lostFocus, this,
            &frmSetup::txtDispYr_LostFocus);
}

void frmSetup::Form_Load(CommandLineFile file) {
    const int year = DisplayYearFor(app_.clock.today().year());
    if (vsbDispYr->number() == year) vsbDispYr_Change(year);
    vsbDispYr->setNumber(year);
    app_.ShownKind = EntryKind::Birthday;
    if (file == CommandLineFile::Read) readCommandLineFile();
    showDocument();
}

void frmSetup::readCommandLineFile() {
    QString path = app_.CommandLine;
    if (path.isEmpty() || path == QLatin1String("/tray")) return;
    if (path.startsWith(u'"')) path = path.mid(1, path.size() - 2);
    // A file that could not be read is not this calendar's file: a later Save asks for a
    // name instead of writing the empty calendar over it.
    if (ReadCalendarFile(app_, path).failed()) app_.Document.FileName.clear();
}

void frmSetup::RefreshEntryList(EntryKind kind) {
    lstEvents->clear();
    setButtons(true, false, false);
    setLabelColours(lblEvent[static_cast<int>(app_.ShownKind)], false);
    setLabelColours(lblEvent[static_cast<int>(kind)], true);
    lstEvents->addItems(EntryListCaptions(app_.Document, kind));
    app_.ShownKind = kind;
    setButtons(true, false, false); // clearing and filling the list raised selection changes
}

void frmSetup::ShowStoredEntry(EntryKind kind, int index, const QString& line, bool replacesLine) {
    if (kind != app_.ShownKind) return;
    if (replacesLine && index < lstEvents->count()) delete lstEvents->takeItem(index);
    lstEvents->insertItem(index, line);
    lstEvents->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void frmSetup::showDocument() {
    const CalendarDocument& doc = app_.Document;
    refreshCaption();
    txtTitle->setText(doc.CalendarTitle);
    txtHeader[0]->setText(doc.HeaderLine1);
    txtHeader[1]->setText(doc.HeaderLine2);
    RefreshEntryList(EntryKind::Birthday);
}

void frmSetup::refreshCaption() {
    const QString& file = app_.Document.FileName;
    setWindowTitle(file.isEmpty() ? tr("Daylark Setup") : file);
}

void frmSetup::DeleteCommand() {
    QList<int> rows;
    for (const QModelIndex& index : lstEvents->selectionModel()->selectedRows())
        rows << index.row();
    if (!DeleteSelectedEntries(app_, rows)) return;
    app_.viewsOrNone().redrawCalendarView();
    RefreshEntryList(app_.ShownKind);
}

void frmSetup::EditCommand() {
    // The line with the focus may have been deselected by a Ctrl+click; Edit takes the one
    // selected line.
    const QModelIndexList selected = lstEvents->selectionModel()->selectedRows();
    if (selected.size() != 1) return;
    app_.EditIndex = selected.constFirst().row();
    emit editRequested(app_.ShownKind);
}

void frmSetup::txtTitle_Edited(const QString& text) {
    if (text.isEmpty()) txtTitle->setText(UntitledTitle());
    app_.Document.CalendarTitle = txtTitle->text();
    app_.Document.MarkModified();
    emit titleEdited();
}

void frmSetup::vsbDispYr_Change(int year) {
    app_.DisplayYear = year;
    emit displayYearChanged(year);
    txtDispYr->setText(QString::number(year));
}

void frmSetup::txtDispYr_LostFocus() {
    const int year = LeadingNumber(txtDispYr->text());
    if (year >= kFirstDisplayYear && year <= kLastDisplayYear) {
        vsbDispYr->setNumber(year);
        txtDispYr->setText(QString::number(vsbDispYr->number()));
        return;
    }
    showMessage(app_.dialogs,
                tr("Invalid year. Please enter a value between %1 and %2.")
                    .arg(kFirstDisplayYear)
                    .arg(kLastDisplayYear),
                QStringLiteral("Daylark"));
    vsbDispYr->setNumber(DisplayYearFor(app_.clock.today().year()));
    txtDispYr->setText(QString::number(vsbDispYr->number()));
}

void frmSetup::lstEvents_Click() {
    const ListButtons b = ListButtonStates(lstEvents->currentRow(),
                                           lstEvents->selectionModel()->selectedRows().size());
    setButtons(b.add, b.edit, b.remove);
}

void frmSetup::setButtons(bool add, bool edit, bool remove) {
    cmdAdd->setEnabled(add);
    cmdEdit->setEnabled(edit);
    cmdDelete->setEnabled(remove);
}
