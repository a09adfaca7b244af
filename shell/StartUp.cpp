#include "shell/StartUp.h"

#include "document/AppState.h"
#include "platform/Clock.h"
#include "settings/LoadSettings.h"

void StartUp(AppState& app) {
    app.Document.ResetTables();
    Settings settings = LoadSettings(app.store);
    app.Options = std::move(settings.Options);
    app.Layout = std::move(settings.Layout);
    app.Tray = std::move(settings.Tray);
    app.Document.CalendarTitle = kUntitled;
    app.DisplayYear = app.clock.today().year();
}
