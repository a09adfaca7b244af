#include "shell/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWidget>
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

TEST(HelpWindow, ContentsListsEveryPageAndEveryLinkResolves) {
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
        if (seen.contains(path)) continue;
        seen.insert(path);
        help.browser()->setSource(url);
        EXPECT_FALSE(help.browser()->documentTitle().isEmpty()) << path.toStdString();
        EXPECT_GT(help.browser()->toPlainText().size(), 300) << path.toStdString();
        queue << linksOf(*help.browser());
    }
    // No page is left out of reach.
    QSet<QString> pages;
    for (const QString& name : QDir(":/help").entryList({"*.html"}))
        pages.insert(QStringLiteral(":/help/") + name);
    EXPECT_EQ(seen, pages);
}

} // namespace
