#include "editors/windows/KindCheckList.h"

#include "document/EntryCaptions.h"
#include "platform/widgets/NamedControl.h"

#include <QListWidget>

QListWidget* MakeKindCheckList(QWidget* parent) {
    auto* list = named(new QListWidget(parent), "lstChoice");
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void FillKindCheckList(QListWidget* list) {
    list->clear();
    for (const EntryKind kind : kAllKinds) {
        auto* line = new QListWidgetItem(KindCaption(kind), list);
        line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Checked);
    }
    list->setCurrentRow(0);
    // Just tall enough for the five lines.
    list->setFixedHeight(list->sizeHintForRow(0) * list->count() + 2 * list->frameWidth() + 4);
}

KindChoice CheckedKinds(const QListWidget* list) {
    KindChoice kinds;
    for (const EntryKind kind : kAllKinds) {
        const QListWidgetItem* line = list->item(static_cast<int>(kind));
        kinds.set(kind, line && line->checkState() == Qt::Checked);
    }
    return kinds;
}
