#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>

// Running a program with arguments given as bytes, as a shell passes them (QProcess takes
// text, which cannot hold a file name that is not UTF-8).

struct RawRun {
    int status;
    QByteArray out;
    QString err;
};

// A word for the shell that gives exactly these bytes, whatever they are.
inline QString shellWord(QByteArrayView bytes) {
    QString word = QStringLiteral("\"$(printf '");
    for (const char byte : bytes)
        word += QStringLiteral("\\%1").arg(int(static_cast<unsigned char>(byte)), 3, 8,
                                           QLatin1Char('0'));
    return word + QStringLiteral("')\"");
}

inline RawRun runWithRawArguments(const QString& program, const QString& folder,
                                  const QList<QByteArray>& arguments) {
    QString script = QStringLiteral("exec \"$0\"");
    for (const QByteArray& argument : arguments)
        script += u' ' + shellWord(argument);
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, program});
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}
