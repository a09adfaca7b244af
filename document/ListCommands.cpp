#include "document/ListCommands.h"

#include "document/AppState.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <algorithm>

ListButtons ListButtonStates(int currentIndex, int selectedCount) {
    if (currentIndex < 0 || selectedCount == 0) return {true, false, false};
    if (selectedCount > 1) return {false, false, true};
    return {true, true, true};
}

bool DeleteSelectedEntries(AppState& app, QList<int> selectedRows) {
    if (isTrue(app.Options.ConfirmDelete)) {
        const Answer answer = app.dialogs.message(
            {QCoreApplication::translate("ListCommands",
                                         "There is no way to retrieve the information of the "
                                         "selected event(s) after deletion.\n\nAre you sure you "
                                         "want to continue?"),
             QCoreApplication::translate("ListCommands", "Event Delete"), MessageIcon::Critical,
             MessageButtons::YesNo, Answer::No, app.viewsOrNone().setupWindow()});
        if (answer != Answer::Yes) return false;
    }
    app.Document.MarkModified();
    std::sort(selectedRows.begin(), selectedRows.end(), std::greater<>());
    for (const int row : selectedRows)
        app.Document.DeleteEntry(app.ShownKind, row);
    return true;
}
