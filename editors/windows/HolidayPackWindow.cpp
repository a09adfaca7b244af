#include "editors/windows/HolidayPackWindow.h"

#include "document/AppState.h"
#include "document/PackEntries.h"
#include "platform/widgets/NamedControl.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { LocalColumn, EnglishColumn, CodeColumn };

bool holds(const QTreeWidgetItem* item, const QString& text) {
    for (int column = LocalColumn; column <= CodeColumn; ++column)
        if (item->text(column).contains(text, Qt::CaseInsensitive)) return true;
    return false;
}

} // namespace

frmHolidayPacks::frmHolidayPacks(AppState& app, HolidayPacks packs, QWidget* parent)
    : QDialog(parent), app_(app), packs_(std::move(packs)) {
    setObjectName(QStringLiteral("frmHolidayPacks"));
    setWindowTitle(tr("Add Holidays"));
    buildControls();
    layOut();
    fillList();
    connect(txtSearch, &QLineEdit::textChanged, this, &frmHolidayPacks::txtSearch_Change);
    connect(lstPacks, &QTreeWidget::itemSelectionChanged, this, &frmHolidayPacks::enableButtons);
    connect(cmdAdd, &QPushButton::clicked, this, &frmHolidayPacks::cmdAdd_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmHolidayPacks::cmdUpdate_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmHolidayPacks::cmdRemove_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    enableButtons();
}

void frmHolidayPacks::buildControls() {
    txtSearch = named(new QLineEdit(this), "txtSearch");
    txtSearch->setPlaceholderText(tr("Search countries and regions"));
    txtSearch->setClearButtonEnabled(true);
    lstPacks = named(new QTreeWidget(this), "lstPacks");
    lstPacks->setHeaderLabels({tr("Name"), tr("English name"), tr("Code")});
    lstPacks->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPacks->setMinimumSize(520, 360);
    lblStatus = named(new QLabel(this), "lblStatus");
    lblStatus->setWordWrap(true);
    cmdAdd = named(new QPushButton(tr("&Add"), this), "cmdAdd");
    cmdAdd->setDefault(true);
    cmdUpdate = named(new QPushButton(tr("&Update"), this), "cmdUpdate");
    cmdRemove = named(new QPushButton(tr("&Remove"), this), "cmdRemove");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
}

void frmHolidayPacks::layOut() {
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdAdd, cmdUpdate, cmdRemove, cmdClose})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(txtSearch);
    left->addWidget(lstPacks, 1);
    left->addWidget(lblStatus);
    auto* window = new QHBoxLayout(this);
    window->addLayout(left, 1);
    window->addLayout(buttons);
}

void frmHolidayPacks::fillList() {
    for (const HolidayPack& pack : packs_.packs) {
        auto* country = new QTreeWidgetItem(lstPacks, {pack.local, pack.english, pack.country});
        country->setFlags(Qt::ItemIsEnabled);
        for (const PackRegion& region : pack.regions)
            new QTreeWidgetItem(country, {region.local, region.english, region.code});
    }
    lstPacks->sortItems(LocalColumn, Qt::AscendingOrder);
    lstPacks->expandAll();
    lstPacks->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    showPackStates();
}

// Regions whose pack is in the calendar in bold.
void frmHolidayPacks::showPackStates() {
    for (int i = 0; i < lstPacks->topLevelItemCount(); ++i) {
        QTreeWidgetItem* country = lstPacks->topLevelItem(i);
        for (int j = 0; j < country->childCount(); ++j) {
            QTreeWidgetItem* region = country->child(j);
            QFont font = region->font(LocalColumn);
            font.setBold(HasHolidayPack(app_.Document, region->text(CodeColumn)));
            for (int column = LocalColumn; column <= CodeColumn; ++column)
                region->setFont(column, font);
        }
    }
}

QTreeWidgetItem* frmHolidayPacks::regionItem(const QString& code) const {
    const auto items = lstPacks->findItems(code, Qt::MatchExactly | Qt::MatchRecursive, CodeColumn);
    for (QTreeWidgetItem* item : items)
        if (item->parent()) return item;
    return nullptr;
}

HolidayPacks::Found frmHolidayPacks::selected() const {
    const QList<QTreeWidgetItem*> items = lstPacks->selectedItems();
    if (items.isEmpty() || !items.front()->parent() || items.front()->isHidden()) return {};
    return packs_.find(items.front()->text(CodeColumn));
}

void frmHolidayPacks::enableButtons() {
    const HolidayPacks::Found found = selected();
    const bool inCalendar = found && HasHolidayPack(app_.Document, found.region->code);
    cmdAdd->setEnabled(found && !inCalendar);
    cmdUpdate->setEnabled(inCalendar);
    cmdRemove->setEnabled(inCalendar);
}

void frmHolidayPacks::txtSearch_Change() {
    const QString text = txtSearch->text().trimmed();
    for (int i = 0; i < lstPacks->topLevelItemCount(); ++i) {
        QTreeWidgetItem* country = lstPacks->topLevelItem(i);
        const bool wholeCountry = holds(country, text);
        bool any = false;
        for (int j = 0; j < country->childCount(); ++j) {
            QTreeWidgetItem* region = country->child(j);
            const bool shown = wholeCountry || holds(region, text);
            region->setHidden(!shown);
            any = any || shown;
        }
        country->setHidden(!any);
    }
    enableButtons();
}

void frmHolidayPacks::finish(const QString& status) {
    lblStatus->setText(status);
    showPackStates();
    enableButtons();
    emit entriesChanged();
    if (app_.CalendarViewOpen) app_.viewsOrNone().redrawCalendarView();
}

void frmHolidayPacks::cmdAdd_Click() {
    const HolidayPacks::Found found = selected();
    if (!found) return;
    const PackChange change = AddHolidayPack(app_.Document, *found.pack, *found.region);
    finish(tr("%n holiday(s) of %1 added.", nullptr, change.added).arg(found.region->local));
}

void frmHolidayPacks::cmdUpdate_Click() {
    const HolidayPacks::Found found = selected();
    if (!found) return;
    const PackChange change = UpdateHolidayPack(app_.Document, *found.pack, *found.region);
    finish(change.changed() ? tr("The holidays of %1 are updated.").arg(found.region->local)
                            : tr("The holidays of %1 are up to date.").arg(found.region->local));
}

void frmHolidayPacks::cmdRemove_Click() {
    const HolidayPacks::Found found = selected();
    if (!found) return;
    const PackChange change = RemoveHolidayPack(app_.Document, found.region->code);
    finish(tr("%n holiday(s) of %1 removed.", nullptr, change.removed).arg(found.region->local));
}
