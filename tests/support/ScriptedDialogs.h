#pragma once

#include "platform/Dialogs.h"
#include "platform/SaveName.h"

#include <QStringList>
#include <deque>
#include <vector>

// The dialogs of the programs under test: every request is recorded, and the answers come
// from queues filled by the test. An empty answer queue gives OK for messages and a
// cancelled dialog for file and colour choices. A chosen file comes with the filter the test
// names, or else the request's first filter (the one a file dialog starts with).
//
// A save dialog behaves as the desktop's: it adds the request's extension, then asks its one
// question (replace or create) about that name. The question is recorded in saveQuestions and
// answered from its own queue, Yes when empty; any other answer takes the next scripted name
// (the user chose again), or cancels when there is none.
class ScriptedDialogs final : public Dialogs {
  public:
    std::vector<MessageRequest> messages;
    std::vector<FileRequest> openRequests;
    std::vector<FileRequest> saveRequests;
    std::vector<MessageRequest> saveQuestions;
    std::vector<FileRequest> folderRequests;

    void answerNext(Answer answer) { answers_.push_back(answer); }
    void openNext(std::optional<QString> path) { openPaths_.push_back(std::move(path)); }
    void saveNext(std::optional<QString> path, QString filter = {}) {
        savePaths_.push_back(std::move(path));
        saveFilters_.push_back(std::move(filter));
    }
    void saveQuestionNext(Answer answer) { saveAnswers_.push_back(answer); }
    void colorNext(std::optional<QColor> color) { colors_.push_back(std::move(color)); }
    void folderNext(std::optional<QString> path) { folders_.push_back(std::move(path)); }

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
        for (;;) {
            const std::optional<QString> path = take(savePaths_, std::optional<QString>());
            const QString filter = take(saveFilters_, QString());
            const QString inUse = filter.isEmpty() ? request.filter : filter;
            if (!path) return std::nullopt;
            const QString written = SaveNameFor(request, *path, firstFilter(inUse));
            if (const auto question = SaveQuestionFor(request, written)) {
                saveQuestions.push_back(*question);
                if (take(saveAnswers_, Answer::Yes) != Answer::Yes) continue;
            }
            return choice(written, inUse);
        }
    }
    std::optional<QColor> chooseColor(const QColor&, QWidget*) override {
        return take(colors_, std::optional<QColor>());
    }
    std::optional<QString> chooseFolder(const FileRequest& request) override {
        folderRequests.push_back(request);
        return take(folders_, std::optional<QString>());
    }

    QStringList messageTexts() const { return textsOf(messages); }
    QStringList saveQuestionTexts() const { return textsOf(saveQuestions); }

  private:
    static QStringList textsOf(const std::vector<MessageRequest>& requests) {
        QStringList texts;
        for (const auto& m : requests)
            texts << m.text;
        return texts;
    }
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
        return FileChoice{*path, path->mid(slash + 1), firstFilter(filter)};
    }
    static QString firstFilter(const QString& filters) {
        return filters.section(QLatin1String(";;"), 0, 0);
    }

    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> openPaths_;
    std::deque<std::optional<QString>> savePaths_;
    std::deque<QString> saveFilters_;
    std::deque<Answer> saveAnswers_;
    std::deque<std::optional<QColor>> colors_;
    std::deque<std::optional<QString>> folders_;
};
