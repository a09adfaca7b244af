#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <optional>

// What every save dialog decides once the user has confirmed a name, shared by the desktop
// dialogs and the scripted ones of the tests: first the name that will be written, then the
// one question to ask about that name.

// The chosen name with the request's extension added when the filter in use names it and
// the name does not end in it yet. An empty filter stands for the request's first filter.
QString SaveNameFor(const FileRequest& request, const QString& chosen, const QString& filterInUse);

// The question to ask before the name at path is returned: whether to replace it when the
// file exists and the request asks before replacing, whether to create it when it does not
// and the request asks before creating; nothing otherwise, and nothing for an existing file
// the caller asks about itself. Only Yes goes on.
std::optional<MessageRequest> SaveQuestionFor(const FileRequest& request, const QString& path);
