#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace kpt740::test {

// The standard output of a tool, or an empty text when it does not run or fails.
inline QString ToolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The footer "- n -" on a line of its own (pdftotext may drop the spaces inside).
inline QRegularExpression FooterLine(int number) {
    return QRegularExpression(QStringLiteral("^\\s*-\\s*%1\\s*-\\s*$").arg(number),
                              QRegularExpression::MultilineOption);
}

inline int PdfPageCount(const QString& path) {
    const QString info = ToolOutput(QStringLiteral("pdfinfo"), {path});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of every page as `pdftotext -layout` lays it out.
inline QStringList PdfPages(const QString& path) {
    QStringList pages = ToolOutput(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-layout"), path, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

// One word of a page with its box, in points from the page's top left corner.
struct PdfWord {
    int page = 0;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    QString text;
};

struct PdfLayout {
    double pageWidth = 0;
    double pageHeight = 0;
    std::vector<PdfWord> words;
};

inline PdfLayout PdfWords(const QString& path) {
    const QString html = ToolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    PdfLayout layout;
    static const QRegularExpression pageTag(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression wordTag(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = 0;
    for (const QString& part : html.split(QStringLiteral("<page "))) {
        const auto size = pageTag.match(QStringLiteral("<page ") + part);
        if (!size.hasMatch()) {
            continue;
        }
        ++page;
        layout.pageWidth = size.captured(1).toDouble();
        layout.pageHeight = size.captured(2).toDouble();
        for (auto it = wordTag.globalMatch(part); it.hasNext();) {
            const auto word = it.next();
            layout.words.push_back({page, word.captured(1).toDouble(), word.captured(2).toDouble(),
                                    word.captured(3).toDouble(), word.captured(4).toDouble(),
                                    word.captured(5)});
        }
    }
    return layout;
}

} // namespace kpt740::test
