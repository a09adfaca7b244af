#pragma once

#include <QList>

struct AppState;

// Which of the setup window's Add, Edit and Delete buttons the list's selection allows:
// nothing selected allows Add; one line allows all three; several lines only Delete.
struct ListButtons {
    bool add = true;
    bool edit = false;
    bool remove = false;
    friend bool operator==(const ListButtons&, const ListButtons&) = default;
};
ListButtons ListButtonStates(int currentIndex, int selectedCount);

// The Delete command over the selected list lines (table indexes) of the shown kind: asks
// first when ConfirmDelete is "True", then removes them from the bottom up so that the
// indexes still to be visited stay valid. Returns false when the user said No.
bool DeleteSelectedEntries(AppState& app, QList<int> selectedRows);
