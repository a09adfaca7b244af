#include "shell/HelpWindow.h"
#include "shell/MainWindow.h"
#include "support/TestApp.h"
#include "support/Translation.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The link targets of the page the browser shows, resolved against the page's address.
QList<QUrl> linksOf(const QTextBrowser& browser) {
    QList<QUrl> links;
    const QTextDocument* doc = browser.document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                links << browser.source().resolved(QUrl(format.anchorHref()));
        }
    }
    return links;
}

QString resourcePath(const QUrl& url) {
    return QStringLiteral(":") + url.path();
}

// The pages of one language's folder (":/help" holds the English ones).
QStringList helpPages(const QString& folder = QStringLiteral(":/help")) {
    QStringList pages;
    for (const QString& name : QDir(folder).entryList({"*.html"}))
        pages << folder + u'/' + name;
    return pages;
}

// Every page of every language.
QStringList allHelpPages() {
    QStringList pages = helpPages();
    for (const QString& language : TranslatedLanguages())
        pages << helpPages(QStringLiteral(":/help/") + language);
    return pages;
}

// The translations of the help, and English (the empty language).
QStringList helpLanguages() {
    return QStringList{QString()} + TranslatedLanguages();
}

TEST(HelpWindow, IsAWindowOfItsOwnThatOpensOnTheDefaultTopic) {
    QWidget owner;
    auto* help = new HelpWindow(&owner);
    EXPECT_EQ(help->parentWidget(), &owner);
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->browser()->source(), HelpWindow::defaultTopic());
    EXPECT_EQ(help->browser()->documentTitle(), QString("Welcome to Daylark"));

    help->browser()->setSource(QUrl("qrc:/help/files.html"));
    help->showContents();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source(), HelpWindow::defaultTopic());
}

// Each language has every page the English help has, under the same name.
TEST(HelpPages, EveryLanguageHasEveryPage) {
    QStringList english = QDir(":/help").entryList({"*.html"});
    ASSERT_GE(english.size(), 10);
    for (const QString& language : TranslatedLanguages())
        EXPECT_EQ(QDir(QStringLiteral(":/help/") + language).entryList({"*.html"}), english)
            << language.toStdString();
}

// Under a translation the help opens on that language's contents, in the window's language.
TEST(HelpWindow, OpensInTheWindowsLanguage) {
    for (const QString& language : TranslatedLanguages()) {
        const Translation translation(QStringLiteral("daylark"), language);
        QWidget owner;
        HelpWindow help(&owner);
        EXPECT_EQ(help.browser()->source(),
                  QUrl(QStringLiteral("qrc:/help/%1/index.html").arg(language)));
        EXPECT_NE(help.browser()->documentTitle(), QString("Welcome to Daylark"));
        EXPECT_NE(help.windowTitle(), QString("Daylark Help - Welcome to Daylark"));
    }
}

TEST(HelpWindow, ContentsListsEveryPageAndEveryLinkResolves) {
    for (const QString& language : helpLanguages()) {
        const Translation translation(QStringLiteral("daylark"), language);
        const QString folder = language.isEmpty() ? QStringLiteral(":/help") : ":/help/" + language;
        QWidget owner;
        HelpWindow help(&owner);
        const QList<QUrl> contents = linksOf(*help.browser());
        ASSERT_GE(contents.size(), 10);

        // Visit every page reachable from the contents; each must exist, load with a title and
        // link only to pages that exist.
        QList<QUrl> queue = contents;
        QSet<QString> seen{resourcePath(HelpWindow::defaultTopic())};
        while (!queue.isEmpty()) {
            const QUrl url = queue.takeFirst();
            const QString path = resourcePath(url);
            ASSERT_EQ(url.scheme(), QString("qrc")) << url.toString().toStdString();
            ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
            EXPECT_EQ(QFileInfo(path).path(), folder)
                << path.toStdString(); // never another language
            if (seen.contains(path)) continue;
            seen.insert(path);
            help.browser()->setSource(url);
            EXPECT_FALSE(help.browser()->documentTitle().isEmpty()) << path.toStdString();
            EXPECT_GT(help.browser()->toPlainText().size(), 300) << path.toStdString();
            queue << linksOf(*help.browser());
        }
        // No page is left out of reach.
        const QStringList pages = helpPages(folder);
        EXPECT_EQ(seen, QSet<QString>(pages.begin(), pages.end()));
    }
}

QString pageText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The page as XML: the elements HTML leaves open are closed, and HTML's named characters
// stand for themselves. Everything else must already be well formed.
QString asXml(QString html) {
    html.replace(QRegularExpression(QStringLiteral("<(link|br|hr|img|meta)\\b([^>]*?)/?>")),
                 QStringLiteral("<\\1\\2/>"));
    html.replace(QRegularExpression(QStringLiteral("&(?!(amp|lt|gt|quot|apos);)(\\w+);")),
                 QStringLiteral("&amp;\\2;"));
    return html;
}

TEST(HelpPages, AreWellFormed) {
    for (const QString& page : allHelpPages()) {
        QXmlStreamReader xml(asXml(pageText(page)));
        QStringList elements;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) elements << xml.name().toString();
        EXPECT_FALSE(xml.hasError()) << page.toStdString() << " line " << xml.lineNumber() << ": "
                                     << xml.errorString().toStdString();
        EXPECT_EQ(elements.value(0), "html") << page.toStdString();
        EXPECT_TRUE(elements.contains("body")) << page.toStdString();
    }
}

// An example that cannot wrap (a command line, a file's lines) fits the help window at its
// first size with a fifth to spare: a desktop whose fixed-width font is larger than the one
// here must still show it whole.
TEST(HelpPages, ExamplesFitTheHelpWindowsWidth) {
    QWidget owner;
    HelpWindow help(&owner);
    help.show();
    int examples = 0;
    for (const QString& page : allHelpPages()) {
        help.browser()->setSource(QUrl(QStringLiteral("qrc:") + page.mid(1)));
        QCoreApplication::processEvents();
        const QTextDocument* doc = help.browser()->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            if (!block.blockFormat().nonBreakableLines()) continue;
            ++examples;
            const double left = doc->documentLayout()->blockBoundingRect(block).left();
            const QTextLine line = block.layout()->lineAt(0);
            EXPECT_LE(left + line.naturalTextWidth(), 0.8 * help.browser()->viewport()->width())
                << page.toStdString() << ": " << block.text().toStdString();
        }
    }
    EXPECT_GT(examples, 3);
}

// Every "Menu > Command" a page names is a command of the main window's menus, in the page's
// language.
TEST(HelpPages, NameOnlyCommandsThatAreThere) {
    for (const QString& language : helpLanguages()) {
        const Translation translation(QStringLiteral("daylark"), language);
        const QString folder = language.isEmpty() ? QStringLiteral(":/help") : ":/help/" + language;
        TestApp t;
        frmMain main(t.app, true);
        QSet<QString> commands;
        auto plain = [](QString text) { return text.remove(u'&').remove(QStringLiteral("...")); };
        for (QAction* menu : main.menuBar()->actions())
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator())
                    commands << plain(menu->text()) + " > " + plain(item->text());
        ASSERT_GT(commands.size(), 15);

        const QRegularExpression named(QStringLiteral("<b>(\\w+) &gt;\\s+([^<]+)</b>"),
                                       QRegularExpression::UseUnicodePropertiesOption);
        int found = 0;
        for (const QString& page : helpPages(folder)) {
            for (auto it = named.globalMatch(pageText(page)); it.hasNext(); ++found) {
                const auto m = it.next();
                const QString command = m.captured(1) + " > " + plain(m.captured(2).simplified());
                EXPECT_TRUE(commands.contains(command))
                    << page.toStdString() << ": " << command.toStdString();
            }
        }
        EXPECT_GT(found, 10) << folder.toStdString();
    }
}

} // namespace
