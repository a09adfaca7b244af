#include "settings/WindowPlaces.h"

#include "settings/Registry.h"

#include <QDataStream>
#include <algorithm>

namespace {

QString valueName(const QString& window) {
    return window + QLatin1String("Place");
}

// A frame that shows less than this much of itself on an area (a sliver at a screen's edge)
// counts as off it: its title bar could not be grabbed.
constexpr int kLeastVisible = 32;

bool reachable(const QRect& frame, const QRect& area) {
    const QRect seen = frame.intersected(area);
    return seen.width() >= std::min(kLeastVisible, frame.width()) &&
           seen.height() >= std::min(kLeastVisible, frame.height());
}

} // namespace

void StoreWindowPlace(SettingsStore& store, const QString& window, const QByteArray& geometry) {
    Registry::SetKeyValue(store, Registry::kOptionsKey, valueName(window),
                          QString::fromLatin1(geometry.toBase64()));
}

std::optional<QByteArray> StoredWindowPlace(const SettingsStore& store, const QString& window,
                                            const QList<QRect>& areas) {
    const QString text = Registry::QueryText(store, Registry::kOptionsKey, valueName(window));
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (text.isEmpty() || !decoded) return std::nullopt;
    const std::optional<QRect> frame = SavedFrame(*decoded);
    if (!frame || !std::any_of(areas.begin(), areas.end(),
                               [&](const QRect& area) { return reachable(*frame, area); }))
        return std::nullopt;
    return *decoded;
}

// A saved geometry begins with a magic number, a version and the frame rectangle, in the
// stream format of Qt 4.0 (which Qt keeps for it).
std::optional<QRect> SavedFrame(const QByteArray& geometry) {
    constexpr quint32 kMagic = 0x1D9D0CB;
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    stream >> magic >> major >> minor >> frame;
    if (stream.status() != QDataStream::Ok || magic != kMagic || !frame.isValid())
        return std::nullopt;
    return frame;
}
