#pragma once

#include "platform/Dialogs.h"

// The real dialogs of the desktop: QMessageBox, QFileDialog and QColorDialog.
class DesktopDialogs final : public Dialogs {
  public:
    Answer message(const MessageRequest& request) override;
    std::optional<FileChoice> openFile(const FileRequest& request) override;
    std::optional<FileChoice> saveFile(const FileRequest& request) override;
    std::optional<QColor> chooseColor(const QColor& initial, QWidget* owner) override;
    std::optional<QString> chooseFolder(const FileRequest& request) override;
};
