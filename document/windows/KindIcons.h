#pragma once

#include "document/Entries.h"

#include <QPixmap>

// The small picture beside each kind of entry: a gift for birthdays, a star for holidays, a
// star on a calendar leaf for floating holidays, a heart for anniversaries, a pin for other
// events. Drawn at run time so that they are sharp at any size.
QPixmap kindIcon(EntryKind kind, int size);
