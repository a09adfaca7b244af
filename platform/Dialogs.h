#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Every message box and common dialog of both programs goes through this interface. The
// desktop implementation shows the real dialog; tests hand the windows an implementation
// that records each request and returns scripted answers.

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The numeric values are those the programs keep in their shared answer holder.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Critical;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultButton = Answer::Ok;
    QWidget* owner = nullptr;
    // Captions in place of "Yes" and "No" where the answers are not yes and no (the
    // generator's "Add" and "Replace"); empty for the usual ones.
    QString yesText = {};
    QString noText = {};
    // The whole of a message whose text shows only the start of a long list: a window offers
    // it behind "Show Details..."; a terminal, which hides nothing, prints it instead of text.
    QString detailedText = {};
};

struct FileRequest {
    QString title;
    QString filter = QCoreApplication::translate("Dialogs", "Vemora Files (*.qvf)");
    bool confirmOverwrite = false; // save dialogs: ask before replacing an existing file
    bool confirmCreate = false;    // save dialogs: ask before creating a new file
    QWidget* owner = nullptr;
    // Save dialogs: the extension (".qvf") added to a chosen name that does not end in it,
    // while a filter whose pattern names it ("*.qvf") is in use. The dialog decides the
    // final name first and asks its one question (replace or create) about that name.
    QString defaultSuffix = {};
    Qt::CaseSensitivity suffixCase = Qt::CaseSensitive; // how "ends in it" is judged
    // Save dialogs: an existing file for which this answers true gets no question about
    // replacing it from the dialog, because the caller asks its own (the generator asks
    // whether to add to a calendar or replace it).
    std::function<bool(const QString& path)> callerAsksAbout = {};
    QString folder = {};       // where the dialog starts; empty: where it starts by itself
    QString proposedName = {}; // save dialogs: the file name offered at the start
};

struct FileChoice {
    QString path;   // the full path chosen, with the extension a save dialog added
    QString title;  // the file's name without its folder
    QString filter; // the filter in use when the user confirmed, as written in the request
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer message(const MessageRequest& request) = 0;
    virtual std::optional<FileChoice> openFile(const FileRequest& request) = 0;
    virtual std::optional<FileChoice> saveFile(const FileRequest& request) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial, QWidget* owner) = 0;
    // A folder to take files from: the request's title, owner and starting folder count, its
    // filter does not. A program without a display chooses none.
    virtual std::optional<QString> chooseFolder(const FileRequest& /*request*/) {
        return std::nullopt;
    }
};

// Convenience for the common one-button message.
inline Answer showMessage(Dialogs& dialogs, const QString& text, const QString& title,
                          MessageIcon icon = MessageIcon::Critical) {
    return dialogs.message({text, title, icon, MessageButtons::Ok, Answer::Ok, nullptr});
}
