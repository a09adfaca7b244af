#pragma once

#include "editors/KindChoice.h"

class QListWidget;
class QWidget;

// The kind list of the resort and export windows, lstChoice: "Birthdays", "Holidays",
// "Floating Holidays", "Anniversaries", "Other", each line with a check box.
QListWidget* MakeKindCheckList(QWidget* parent);

// Fills the list afresh with every line checked, as the windows start.
void FillKindCheckList(QListWidget* list);

// The kinds whose lines are checked.
KindChoice CheckedKinds(const QListWidget* list);
