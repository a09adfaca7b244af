#include "platform/widgets/DesktopDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Plays the user at the real save dialog: types a name (with a filter), answers every
// question box with `answer` and cancels the file dialog when it comes back. Records the
// texts of the question boxes.
struct SaveDialogUser {
    SaveDialogUser(QString typed, QString filter,
                   QMessageBox::StandardButton answer = QMessageBox::Yes)
        : typed(std::move(typed)), filter(std::move(filter)), answer(answer) {}

    QString typed;
    QString filter;
    QMessageBox::StandardButton answer;
    QStringList questions;
    int fileDialogs = 0;

    std::optional<FileChoice> run(const FileRequest& request) {
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [this] { step(); });
        timer.start(20);
        DesktopDialogs dialogs;
        return dialogs.saveFile(request);
    }
    void step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            questions << box->text();
            box->button(answer)->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            if (++fileDialogs > 1) return files->reject();
            if (!filter.isEmpty()) files->selectNameFilter(filter);
            files->setDirectory(QFileInfo(typed).path());
            // Typed into the dialog's name box, as the user would.
            files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QFileInfo(typed).fileName());
            QMetaObject::invokeMethod(files, "accept");
        }
    }
};

TEST(DesktopSaveDialog, AsksOnceAboutTheNameThatWillBeWritten) {
    QTemporaryDir dir;
    QFile taken(dir.filePath("fam.qvf"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    FileRequest qvf{.title = "Save Vemora File As",
                    .confirmOverwrite = true,
                    .confirmCreate = true,
                    .defaultSuffix = ".qvf"};
    FileRequest text{.title = "Export",
                     .filter = "Text Files (*.txt);;All Files (*.*)",
                     .confirmOverwrite = true,
                     .confirmCreate = true,
                     .defaultSuffix = ".txt"};
    struct Case {
        FileRequest request;
        const char* typed;
        const char* filter;
        const char* question;
        const char* written;
    };
    const Case cases[] = {
        {qvf, "fam", "", "fam.qvf already exists.\nDo you want to replace it?", "fam.qvf"},
        {qvf, "new", "", "new.qvf does not exist.\nDo you want to create it?", "new.qvf"},
        {qvf, "fam.qvf", "", "fam.qvf already exists.\nDo you want to replace it?", "fam.qvf"},
        {text, "notes", "Text Files (*.txt)",
         "notes.txt does not exist.\nDo you want to create it?", "notes.txt"},
        {text, "notes", "All Files (*.*)", "notes does not exist.\nDo you want to create it?",
         "notes"},
    };
    for (const Case& c : cases) {
        SaveDialogUser user{dir.filePath(QLatin1String(c.typed)), QLatin1String(c.filter)};
        const std::optional<FileChoice> choice = user.run(c.request);
        ASSERT_TRUE(choice) << c.typed;
        EXPECT_EQ(choice->path, dir.filePath(QLatin1String(c.written))) << c.typed;
        EXPECT_EQ(user.questions, QStringList{QLatin1String(c.question)}) << c.typed;
    }

    // No to the question takes the user back to the file dialog; cancelling it saves nothing.
    SaveDialogUser refusing{dir.filePath("fam"), {}, QMessageBox::No};
    EXPECT_FALSE(refusing.run(qvf));
    EXPECT_EQ(refusing.questions.size(), 1);
    EXPECT_EQ(refusing.fileDialogs, 2);

    // A caller that asks its own question about an existing file gets the name unasked.
    FileRequest asking = qvf;
    asking.callerAsksAbout = [](const QString& path) { return path.endsWith("fam.qvf"); };
    SaveDialogUser asked{dir.filePath("fam"), {}};
    const std::optional<FileChoice> choice = asked.run(asking);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->path, dir.filePath("fam.qvf"));
    EXPECT_TRUE(asked.questions.isEmpty());
}

// A question whose answers are not yes and no names its buttons; Escape cancels it.
TEST(DesktopMessageBox, NamesItsButtonsAsAskedAndEscapeCancels) {
    QStringList captions;
    QString defaultCaption;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        defaultCaption = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    timer.start(20);
    DesktopDialogs dialogs;
    const Answer answer = dialogs.message({"family.qvf already exists and is a calendar.", "Save",
                                           MessageIcon::Question, MessageButtons::YesNoCancel,
                                           Answer::Yes, nullptr, "Add", "Replace"});
    EXPECT_EQ(answer, Answer::Cancel);
    EXPECT_TRUE(captions.contains("Add") && captions.contains("Replace"))
        << captions.join(',').toStdString();
    EXPECT_EQ(captions.size(), 3);
    EXPECT_EQ(defaultCaption, "Add");
}

// A message with details shows its text, and the whole behind "Show Details...".
TEST(DesktopMessage, OffersTheDetailsBehindAButton) {
    QStringList seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen << box->text() << box->detailedText();
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer.start(20);
    DesktopDialogs dialogs;
    MessageRequest request{QStringLiteral("3 entries were imported.\n... and 120 more."),
                           QStringLiteral("Daylark"), MessageIcon::Information};
    request.detailedText = QStringLiteral("every line");
    EXPECT_EQ(dialogs.message(request), Answer::Ok);
    EXPECT_EQ(seen, (QStringList{request.text, request.detailedText}));
    request.detailedText.clear();
    seen.clear();
    dialogs.message(request);
    EXPECT_EQ(seen, (QStringList{request.text, QString()}));
}

} // namespace
