#pragma once

#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

// The dialogs of the programs under test: every request is recorded, and the answers come
// from queues filled by the test. An empty answer queue gives OK for messages and a
// cancelled dialog for file and colour choices. A chosen file comes with the filter the test
// names, or else the request's first filter (the one a file dialog starts with).
class ScriptedDialogs final : public Dialogs {
  public:
    std::vector<MessageRequest> messages;
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;

    void answerNext(Answer answer) { answers_.push_back(answer); }
    void openNext(std::optional<QString> path) { openPaths_.push_back(std::move(path)); }
    void saveNext(std::optional<QString> path, QString filter = {}) {
        savePaths_.push_back(std::move(path));
        saveFilters_.push_back(std::move(filter));
    }
    void colorNext(std::optional<QColor> color) { colors_.push_back(std::move(color)); }

    Answer message(const MessageRequest& request) override {
        messages.push_back(request);
        return take(answers_, Answer::Ok);
    }
    std::optional<FileChoice> openFile(const FileRequest& request) override {
        openRequests.push_back(request);
        return choice(take(openPaths_, std::optional<QString>()), request.filter);
    }
    std::optional<FileChoice> saveFile(const FileRequest& request) override {
        saveRequests.push_back(request);
        const std::optional<QString> path = take(savePaths_, std::optional<QString>());
        const QString filter = take(saveFilters_, QString());
        return choice(path, filter.isEmpty() ? request.filter : filter);
    }
    std::optional<QColor> chooseColor(const QColor&, QWidget*) override {
        return take(colors_, std::optional<QColor>());
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : messages)
            texts << m.text;
        return texts;
    }

  private:
    template <class T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
    static std::optional<FileChoice> choice(const std::optional<QString>& path,
                                            const QString& filter) {
        if (!path) return std::nullopt;
        const qsizetype slash = path->lastIndexOf(u'/');
        return FileChoice{*path, path->mid(slash + 1), filter.section(QLatin1String(";;"), 0, 0)};
    }

    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> openPaths_;
    std::deque<std::optional<QString>> savePaths_;
    std::deque<QString> saveFilters_;
    std::deque<std::optional<QColor>> colors_;
};
