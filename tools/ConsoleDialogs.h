#pragma once

#include "platform/Dialogs.h"

#include <cstdio>

// The dialogs of a program without a display: messages go to standard error and questions
// take their default answer; nothing can be chosen from a file or colour dialog.
class ConsoleDialogs final : public Dialogs {
  public:
    Answer message(const MessageRequest& request) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.title), qPrintable(request.text));
        return request.defaultButton;
    }
    std::optional<FileChoice> openFile(const FileRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFile(const FileRequest&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor&, QWidget*) override { return std::nullopt; }
};
