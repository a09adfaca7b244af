// Build-time tool: writes the programs' icons as PNG files in the hicolor theme's layout,
// from the same drawing code the programs use for their window icons.
// usage: render-icons OUTPUT-FOLDER
// gives OUTPUT-FOLDER/hicolor/NxN/{apps/daylark.png, apps/qvfsch.png,
// mimetypes/application-x-vemora-calendar.png}.

#include "desktop/AppIcon.h"
#include "generator/SchedulerIcon.h"
#include "platform/LeafIcon.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>
#include <functional>

namespace {

struct IconFile {
    const char* context; // the theme's folder for the kind of icon
    const char* name;
    std::function<QImage(int)> draw;
};

bool writeIcon(const QDir& hicolor, const IconFile& icon, int size) {
    const QString folder = QStringLiteral("%1x%1/%2").arg(size).arg(icon.context);
    const QString path = hicolor.filePath(folder + u'/' + icon.name + QStringLiteral(".png"));
    if (!hicolor.mkpath(folder) || !icon.draw(size).save(path, "PNG")) {
        std::fprintf(stderr, "render-icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render-icons OUTPUT-FOLDER\n");
        return 2;
    }
    // Painting into images needs no application object and no display.
    const QDir hicolor(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("hicolor")));
    // Calendar files show the calendar program's icon, as in the per-user file association.
    const IconFile icons[] = {
        {"apps", "daylark", appIconImage},
        {"mimetypes", "application-x-vemora-calendar", appIconImage},
        {"apps", "qvfsch", qvfsch::schedulerIconImage},
    };
    for (const IconFile& icon : icons)
        for (const int size : kIconSizes)
            if (!writeIcon(hicolor, icon, size)) return 1;
    return 0;
}
