#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

struct ToolRun {
    int status;
    QString out;
    QString err;
};

// qvftool run with the environment env: its exit status and what it wrote.
inline ToolRun
runQvftool(const QStringList& args,
           const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QVFTOOL_PATH), args);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// qvftool run by a user in the time zone zone (UTC, as every test, when none is given).
inline ToolRun qvftool(const QStringList& args, const char* zone = nullptr) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (zone) environment.insert(QStringLiteral("TZ"), QLatin1String(zone));
    return runQvftool(args, environment);
}
