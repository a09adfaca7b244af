#include "desktop/FileAssociation.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QByteArray mimeXml() {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Vemora File</comment>\n"
               "    <comment xml:lang=\"de\">Vemora-Datei</comment>\n"
               "    <comment xml:lang=\"es\">Archivo Vemora</comment>\n"
               "    <comment xml:lang=\"fr\">Fichier Vemora</comment>\n"
               "    <icon name=\"application-x-vemora-calendar\"/>\n"
               "    <glob pattern=\"*.qvf\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(kCalendarMimeType)
        .toUtf8();
}

QByteArray desktopEntry(const QString& programPath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Daylark\n"
                          "GenericName=Calendar Printer\n"
                          "GenericName[de]=Kalenderdrucker\n"
                          "GenericName[es]=Impresión de calendarios\n"
                          "GenericName[fr]=Impression de calendriers\n"
                          "Comment=Keep and print your family calendar\n"
                          "Comment[de]=Den Familienkalender führen und drucken\n"
                          "Comment[es]=Lleve e imprima su calendario familiar\n"
                          "Comment[fr]=Tenir et imprimer votre calendrier familial\n"
                          "Exec=%1\n"
                          "Icon=daylark\n"
                          "Terminal=false\n"
                          "Categories=Office;Calendar;\n"
                          "MimeType=%2;\n")
        .arg(DesktopExec(programPath), kCalendarMimeType)
        .toUtf8();
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Writes the file when its content differs; true when it was written.
bool writeIfChanged(const QString& path, const QByteArray& content) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(content);
    return file.commit();
}

void runIfInstalled(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty()) QProcess::startDetached(program, {folder});
}

} // namespace

QString QuotedExecProgram(const QString& programPath) {
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    return u'"' + quoted + u'"';
}

QString DesktopExec(const QString& programPath) {
    return QuotedExecProgram(programPath) + QStringLiteral(" %f");
}

bool WriteFileAssociation(const FileAssociation& a) {
    const QByteArray icon = png(a.icon);
    bool mimeChanged = writeIfChanged(a.dataHome + "/mime/packages/daylark.xml", mimeXml());
    mimeChanged |= writeIfChanged(
        a.dataHome + "/icons/hicolor/64x64/mimetypes/application-x-vemora-calendar.png", icon);
    const bool appChanged =
        writeIfChanged(a.dataHome + "/applications/daylark.desktop", desktopEntry(a.programPath)) |
        writeIfChanged(a.dataHome + "/icons/hicolor/64x64/apps/daylark.png", icon);
    return mimeChanged || appChanged;
}

void RegisterFileType(const QImage& icon) {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty()) return;
    if (!WriteFileAssociation({dataHome, QCoreApplication::applicationFilePath(), icon})) return;
    runIfInstalled(QStringLiteral("update-mime-database"), dataHome + "/mime");
    runIfInstalled(QStringLiteral("update-desktop-database"), dataHome + "/applications");
}
