#include "platform/SaveName.h"

#include <QCoreApplication>
#include <QFileInfo>

QString SaveNameFor(const FileRequest& request, const QString& chosen, const QString& filterInUse) {
    const QString& suffix = request.defaultSuffix;
    if (suffix.isEmpty() || chosen.endsWith(suffix, request.suffixCase)) return chosen;
    const QString filter =
        filterInUse.isEmpty() ? request.filter.section(QLatin1String(";;"), 0, 0) : filterInUse;
    // Only a filter that lists files of this extension gives them the extension.
    if (!filter.contains(u'*' + suffix, Qt::CaseInsensitive)) return chosen;
    return chosen + suffix;
}

std::optional<MessageRequest> SaveQuestionFor(const FileRequest& request, const QString& path) {
    const QFileInfo file(path);
    if (file.exists()) {
        if (!request.confirmOverwrite) return std::nullopt;
        if (request.callerAsksAbout && request.callerAsksAbout(path)) return std::nullopt;
        return MessageRequest{QCoreApplication::translate(
                                  "SaveName", "%1 already exists.\nDo you want to replace it?")
                                  .arg(file.fileName()),
                              request.title,
                              MessageIcon::Exclamation,
                              MessageButtons::YesNo,
                              Answer::No,
                              request.owner};
    }
    if (!request.confirmCreate) return std::nullopt;
    return MessageRequest{
        QCoreApplication::translate("SaveName", "%1 does not exist.\nDo you want to create it?")
            .arg(file.fileName()),
        request.title,
        MessageIcon::Question,
        MessageButtons::YesNo,
        Answer::Yes,
        request.owner};
}
