#include "settings/SaveSettings.h"

#include "document/AppState.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>
#include <vector>

namespace {

template <class Record> bool save(AppState& app, const Record& chosen, QWidget* owner) {
    SettingsStore& store = app.store;
    const QString& key = settingsKey(&chosen);
    std::vector<std::pair<QString, QVariant>> before;
    for (const SettingField<Record>& field : settingFields(&chosen)) {
        const QString name = QLatin1String(field.name);
        before.emplace_back(name, store.value(key, name));
    }
    WriteSettings(store, chosen);
    if (store.sync()) return true;
    // What could not be saved is not left waiting for a later write to carry it out.
    for (const auto& [name, value] : before) {
        if (value.isValid())
            store.setValue(key, name, value);
        else
            store.removeValue(key, name);
    }
    app.dialogs.message(
        {QCoreApplication::translate("SaveSettings",
                                     "Daylark cannot save the settings in\n%1\n\n%2\n\nNothing "
                                     "was changed. Save again once the folder can be written "
                                     "to, or close the window to keep the settings as they "
                                     "were.")
             .arg(QDir::toNativeSeparators(store.filePath()), store.syncError()),
         QStringLiteral("Daylark"), MessageIcon::Critical, MessageButtons::Ok, Answer::Ok, owner});
    return false;
}

} // namespace

bool SaveDialogSettings(AppState& app, const OptionSettings& chosen, QWidget* owner) {
    return save(app, chosen, owner);
}
bool SaveDialogSettings(AppState& app, const LayoutSettings& chosen, QWidget* owner) {
    return save(app, chosen, owner);
}
bool SaveDialogSettings(AppState& app, const TraySettings& chosen, QWidget* owner) {
    return save(app, chosen, owner);
}
