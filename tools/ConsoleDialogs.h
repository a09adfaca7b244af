#pragma once

#include "platform/Dialogs.h"

#include <cstdio>

// The dialogs of a program without a display: messages go to standard error (in full, when
// the window would hide part of one behind "Show Details...") and questions take their
// default answer; nothing can be chosen from a file or colour dialog.
class ConsoleDialogs final : public Dialogs {
  public:
    Answer message(const MessageRequest& request) override {
        const QString& text = request.detailedText.isEmpty() ? request.text : request.detailedText;
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(text));
        return request.defaultButton;
    }
    std::optional<FileChoice> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor&, QWidget*) override { return std::nullopt; }
};
