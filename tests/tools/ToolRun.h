#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    int status;
    QString out;
    QString err;
};

// qvftool run by a user in the time zone zone (UTC, as every test, when none is given).
inline ToolRun qvftool(const QStringList& args, const char* zone = nullptr) {
    QProcess process;
    if (zone) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QLatin1String(zone));
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(QVFTOOL_PATH), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
