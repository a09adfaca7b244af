#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>
#include <optional>
#include <vector>

// The poppler tools that read the PDF files the tests print. Tests that need them skip when
// they are not installed.

#define SKIP_WITHOUT_POPPLER()                                                                     \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||                   \
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())                       \
    GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed"

inline QString runPoppler(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(program), args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of one page (1-based), or of every page when page is 0, in reading order.
inline QString pdfText(const QString& path, int page = 0) {
    QStringList args;
    if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
    return runPoppler(QStringLiteral("pdftotext"), args << path << "-");
}

inline QString pdfInfo(const QString& path, const QString& field) {
    const QString info = runPoppler(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                QRegularExpression::MultilineOption);
    return re.match(info).captured(1).trimmed();
}

inline int pdfPages(const QString& path) {
    return pdfInfo(path, QStringLiteral("Pages")).toInt();
}

// The first page's size in points.
inline QSizeF pdfPageSize(const QString& path) {
    const QRegularExpression re(QStringLiteral("([\\d.]+) x ([\\d.]+) pts"));
    const auto m = re.match(pdfInfo(path, QStringLiteral("Page size")));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// One word of a page with its box in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

inline std::vector<PdfWord> pdfWords(const QString& path, int page) {
    const QString html =
        runPoppler(QStringLiteral("pdftotext"),
                   {"-bbox", "-f", QString::number(page), "-l", QString::number(page), path, "-"});
    const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

inline std::optional<PdfWord> findWord(const std::vector<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words)
        if (w.text == text) return w;
    return std::nullopt;
}
