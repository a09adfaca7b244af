#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

class SettingsStore;

// Where the program's windows were when it last ended: a window's geometry as
// QWidget::saveGeometry gives it (place, size, maximised state), kept with the other
// preferences under the options key as the value <window>Place, so the next start opens the
// window where the user left it.

void StoreWindowPlace(SettingsStore& store, const QString& window, const QByteArray& geometry);

// The stored geometry of the window, for QWidget::restoreGeometry. Nothing when none is
// stored, when it cannot be read, or when its frame lies off every one of the areas (the
// screens for a window of its own, the document area for a window inside it): a window
// there could not be reached, so it opens where it would have without a stored place.
std::optional<QByteArray> StoredWindowPlace(const SettingsStore& store, const QString& window,
                                            const QList<QRect>& areas);

// The frame rectangle a saved geometry records; nothing when the bytes are not a saved
// geometry.
std::optional<QRect> SavedFrame(const QByteArray& geometry);
