#include "desktop/Autostart.h"

#include "calendar_format/WholeFile.h"
#include "desktop/FileAssociation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString AutostartPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/daylark.desktop");
}

bool HasAutostartEntry(const QString& path) {
    return QFileInfo(path).isFile();
}

QByteArray AutostartEntry(const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Daylark\n"
                          "Comment=The desktop calendar in the notification area\n"
                          "Comment[de]=Der Desktop-Kalender im Infobereich\n"
                          "Comment[es]=El calendario de escritorio en el área de notificación\n"
                          "Comment[fr]=Le calendrier de bureau dans la zone de notification\n"
                          "Exec=%1 /tray\n"
                          "Icon=daylark\n"
                          "Terminal=false\n")
        .arg(QuotedExecProgram(programPath))
        .toUtf8();
}

FileResult WriteAutostartEntry(const QString& programPath, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {FileStatus::Failed,
                QCoreApplication::translate("Autostart", "The folder %1 cannot be made.")
                    .arg(QDir::toNativeSeparators(folder))};
    return WriteWholeFile(path, AutostartEntry(programPath));
}

FileResult RemoveAutostartEntry(const QString& path) {
    QFile file(path);
    if (!file.exists() || file.remove()) return {};
    return {FileStatus::Failed, file.errorString()};
}
