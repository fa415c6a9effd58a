#include "print/ReportPrinter.h"

#include "PdfText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kpt740 {
namespace {

using test::PdfPageCount;
using test::PdfPages;
using test::PdfWords;

const QDateTime kPrintTime(QDate(2024, 5, 17), QTime(9, 8, 7));
// pdftotext lays the four spaces between the date and the time out as it sees fit.
const QRegularExpression kStamp(QStringLiteral("2024-05-17\\s+09:08:07"));

// A4 with 10 mm margins, in points: the printable area the fractions of the layout refer to.
constexpr double kMargin = 10.0 * 72.0 / 25.4;
constexpr double kPrintableWidth = 595.28 - 2 * kMargin;

ReportHeader EnglishHeader() {
    return {QStringLiteral("KPT740 Radio Programming Information"),
            QStringLiteral("Model Type"),
            QStringLiteral("KPT740"),
            QStringLiteral("Frequency"),
            QStringLiteral("Rx(400 - 489.9950 MHz) Tx(400 - 489.9950 MHz)"),
            QStringLiteral("File Name"),
            QStringLiteral("/home/dealer/fleet/radio-17.dat")};
}

// A channel as the channel dialog shows it: 21 label/value lines, the first naming it.
std::vector<ReportPair> ChannelBlock(int number) {
    std::vector<ReportPair> block{{QStringLiteral("Channel"), QStringLiteral("CH%1").arg(number)}};
    for (int i = 1; i < 21; ++i) {
        block.push_back(
            {QStringLiteral("Label%1").arg(i), QStringLiteral("V%1c%2").arg(i).arg(number)});
    }
    return block;
}

ReportSection ChannelSection(int channels) {
    ReportSection section;
    section.item = PrintItem::Channels;
    section.title = QStringLiteral("Channel Information");
    for (int i = 0; i < channels; ++i) {
        section.channelBlocks.push_back(ChannelBlock(i));
    }
    return section;
}

ReportSection PairSection(PrintItem item, const QString& title, int lines) {
    ReportSection section;
    section.item = item;
    section.title = title;
    for (int i = 0; i < lines; ++i) {
        section.pairs.push_back(
            {QStringLiteral("Setting %1").arg(i), QStringLiteral("Value%1").arg(i)});
    }
    return section;
}

ReportSection FiveToneSection(int codes) {
    ReportSection section;
    section.item = PrintItem::FiveTone;
    section.title = QStringLiteral("5Tone System");
    section.pairs = {{QStringLiteral("ID"), QStringLiteral("12345")},
                     {QStringLiteral("Standard"), QStringLiteral("ZVEI1")},
                     {QStringLiteral("Side Tone"), QStringLiteral("ON")}};
    section.infoCodes.headings = {QStringLiteral("No."), QStringLiteral("Function"),
                                  QStringLiteral("Response"), QStringLiteral("Digits"),
                                  QStringLiteral("Name")};
    for (int i = 1; i <= 8; ++i) {
        section.infoCodes.rows.push_back({QString::number(i), QStringLiteral("Stun"),
                                          QStringLiteral("None"), QStringLiteral("1234%1").arg(i),
                                          QStringLiteral("INFO%1").arg(i)});
    }
    section.panels = {{QStringLiteral("PTT ID Begin"),
                       {{QStringLiteral("Code"), QStringLiteral("11111")},
                        {QStringLiteral("Duration"), QStringLiteral("70ms")}}},
                      {QStringLiteral("PTT ID End"),
                       {{QStringLiteral("Code"), QStringLiteral("22222")},
                        {QStringLiteral("Duration"), QStringLiteral("70ms")}}}};
    section.codeList.headings = {QStringLiteral("No."), QStringLiteral("Code"),
                                 QStringLiteral("Standard"), QStringLiteral("Name")};
    for (int i = 0; i < codes; ++i) {
        section.codeList.rows.push_back({QString::number(i), QStringLiteral("C%1").arg(i),
                                         QStringLiteral("ZVEI1"), QStringLiteral("N%1").arg(i)});
    }
    return section;
}

// The book as the report shows it: row k holds entries k, k + 50 and k + 100.
ReportSection BookSection() {
    ReportSection section;
    section.item = PrintItem::Book;
    section.title = QStringLiteral("Communication Book");
    section.table.headings = {QStringLiteral("No."), QStringLiteral("Call ID"),
                              QStringLiteral("Name")};
    for (int k = 0; k < 50; ++k) {
        std::vector<QString> row;
        for (int entry : {k, k + 50, k + 100}) {
            if (entry <= 127) {
                row.insert(row.end(), {QString::number(entry),
                                       QStringLiteral("I%1").arg(entry, 3, 10, QLatin1Char('0')),
                                       QStringLiteral("WWWWW%1").arg(entry % 10)});
            } else {
                row.insert(row.end(), {QString(), QString(), QString()});
            }
        }
        section.table.rows.push_back(row);
    }
    return section;
}

class ReportPrinterTest : public ::testing::Test {
protected:
    QString pdf(const QString& name) const { return m_dir.filePath(name); }

    // Prints the sections into a PDF file; the number of pages the printer reported.
    std::optional<int> print(const std::vector<ReportSection>& sections, const QString& file,
                             ReportHeader header = EnglishHeader()) {
        ReportDocument document{std::move(header), sections, QStringLiteral("5Tone")};
        const ReportPrinter printer([] { return kPrintTime; });
        return PrintReportToPdf(printer, document, pdf(file));
    }

    QTemporaryDir m_dir;
};

void ExpectHeaderAndFooter(const QString& page, const QString& sectionTitle, int number) {
    EXPECT_TRUE(page.contains(QStringLiteral("KPT740 Radio Programming Information")))
        << page.toStdString();
    EXPECT_TRUE(page.contains(kStamp)) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Model Type"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("radio-17.dat"))) << page.toStdString();
    EXPECT_TRUE(page.contains(sectionTitle)) << page.toStdString();
    EXPECT_TRUE(page.contains(test::FooterLine(number))) << page.toStdString();
}

TEST_F(ReportPrinterTest, ChannelSectionPutsFiveChannelsOnEachPage) {
    struct Case {
        int channels;
        int pages;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{5, 1}, Case{7, 2}, Case{11, 3}}) {
        SCOPED_TRACE(c.channels);
        const QString file = QStringLiteral("channels%1.pdf").arg(c.channels);
        EXPECT_EQ(print({ChannelSection(c.channels)}, file), c.pages);
        ASSERT_EQ(PdfPageCount(pdf(file)), c.pages);
        const QStringList pages = PdfPages(pdf(file));
        ASSERT_EQ(pages.size(), c.pages);
        for (int page = 0; page < c.pages; ++page) {
            ExpectHeaderAndFooter(pages[page], QStringLiteral("Channel Information"), page + 1);
            for (int channel = 0; channel < c.channels; ++channel) {
                const bool here = channel / 5 == page;
                const QString name = QStringLiteral("CH%1").arg(channel);
                EXPECT_EQ(pages[page].contains(QRegularExpression(QStringLiteral("\\b") + name +
                                                                  QStringLiteral("\\b"))),
                          here)
                    << name.toStdString();
                // The last line of a block made it onto the same page.
                EXPECT_EQ(pages[page].contains(
                              QRegularExpression(QStringLiteral("\\bV20c%1\\b").arg(channel))),
                          here);
            }
        }
    }
}

// A dialog with a grid (2-Tone) prints its lines and then the grid under its headings.
TEST_F(ReportPrinterTest, LinesAreFollowedByTheDialogsGrid) {
    ReportSection section;
    section.item = PrintItem::TwoTone;
    section.title = QStringLiteral("2-Tone");
    section.pairs = {{QStringLiteral("Tone Gap (ms)"), QStringLiteral("0")}};
    section.table.headings = {QStringLiteral("No."), QStringLiteral("Tone A"),
                              QStringLiteral("Tone B"), QStringLiteral("Entry Name")};
    for (int row = 0; row < 32; ++row) {
        section.table.rows.push_back({QString::number(row + 1), QStringLiteral("321.7"),
                                      QStringLiteral("928.1"), QStringLiteral("ENT%1").arg(row)});
    }
    ASSERT_EQ(print({section}, QStringLiteral("twotone.pdf")), 1);
    const QString page = PdfPages(pdf(QStringLiteral("twotone.pdf"))).value(0);
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Tone Gap \\(ms\\)\\s+0\\b"))));
    EXPECT_TRUE(page.contains(
        QRegularExpression(QStringLiteral("No\\.\\s+Tone A\\s+Tone B\\s+Entry Name"))));
    EXPECT_TRUE(page.contains(
        QRegularExpression(QStringLiteral("\\b32\\s+321\\.7\\s+928\\.1\\s+ENT31\\b"))));
    EXPECT_LT(page.indexOf(QStringLiteral("Tone Gap")), page.indexOf(QStringLiteral("Entry Name")));
}

TEST_F(ReportPrinterTest, PageNumbersRunAcrossSectionsAndEverySectionStartsANewPage) {
    const std::vector<ReportSection> sections{
        ChannelSection(7),
        PairSection(PrintItem::Option, QStringLiteral("Optional Features"), 12),
        FiveToneSection(160),
        BookSection(),
        PairSection(PrintItem::Alert, QStringLiteral("Emergency Alarm"), 5),
    };
    const auto pages = print(sections, QStringLiteral("all.pdf"));
    ASSERT_TRUE(pages.has_value());
    const QStringList text = PdfPages(pdf(QStringLiteral("all.pdf")));
    ASSERT_EQ(text.size(), *pages);
    ASSERT_EQ(PdfPageCount(pdf(QStringLiteral("all.pdf"))), *pages);
    // channels 2, option 1, 5-Tone 1 + its code list (160 rows need more than one page),
    // book 1, alert 1.
    ASSERT_GE(*pages, 8);
    for (int page = 0; page < text.size(); ++page) {
        EXPECT_TRUE(text[page].contains(test::FooterLine(page + 1))) << page;
        EXPECT_TRUE(text[page].contains(kStamp));
    }
    EXPECT_TRUE(text[2].contains(QStringLiteral("Optional Features")));
    EXPECT_TRUE(text[2].contains(QStringLiteral("Value11")));
    EXPECT_TRUE(text[3].contains(QStringLiteral("5Tone System")));
    EXPECT_TRUE(text[3].contains(QStringLiteral("INFO8")));
    EXPECT_TRUE(text[3].contains(QStringLiteral("PTT ID End")));
    EXPECT_TRUE(text[3].contains(QStringLiteral("22222")));
    EXPECT_FALSE(text[3].contains(QStringLiteral("C0 ")));
    // The code list: its own pages titled with the item's caption, headings on each.
    int codeListPages = 0;
    for (int page = 4; page < text.size() - 2; ++page) {
        ++codeListPages;
        EXPECT_TRUE(text[page].contains(QStringLiteral("5Tone\n"))) << text[page].toStdString();
        EXPECT_TRUE(text[page].contains(
            QRegularExpression(QStringLiteral("No\\.\\s+Code\\s+Standard\\s+Name"))));
    }
    EXPECT_GE(codeListPages, 2);
    const QString codes = text.mid(4, codeListPages).join(QString());
    for (int i = 0; i < 160; ++i) {
        EXPECT_TRUE(
            codes.contains(QRegularExpression(QStringLiteral("\\bC%1\\s+ZVEI1\\s+N%1\\b").arg(i))))
            << i;
    }
    EXPECT_TRUE(text[text.size() - 2].contains(QStringLiteral("Communication Book")));
    EXPECT_TRUE(text.back().contains(QStringLiteral("Emergency Alarm")));
}

TEST_F(ReportPrinterTest, BookFitsOnePageWithThreeEntriesPerRow) {
    EXPECT_EQ(print({BookSection()}, QStringLiteral("book.pdf")), 1);
    const QStringList pages = PdfPages(pdf(QStringLiteral("book.pdf")));
    ASSERT_EQ(pages.size(), 1);
    ExpectHeaderAndFooter(pages[0], QStringLiteral("Communication Book"), 1);
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral(
        "No\\.\\s+Call ID\\s+Name\\s+No\\.\\s+Call ID\\s+Name\\s+No\\.\\s+Call ID\\s+Name"))));
    for (int k = 0; k < 50; ++k) {
        QString row = QStringLiteral("\\b%1\\s+I%2\\s+WWWWW%3\\s+%4\\s+I%5\\s+WWWWW%3")
                          .arg(k)
                          .arg(k, 3, 10, QLatin1Char('0'))
                          .arg(k % 10)
                          .arg(k + 50)
                          .arg(k + 50, 3, 10, QLatin1Char('0'));
        if (k + 100 <= 127) {
            row += QStringLiteral("\\s+%1\\s+I%1\\s+WWWWW%2\\b").arg(k + 100).arg(k % 10);
        } else {
            row += QStringLiteral("\\s*\\n");
        }
        EXPECT_TRUE(pages[0].contains(QRegularExpression(row))) << k;
    }
}

TEST_F(ReportPrinterTest, NoSectionPrintsNoPageAndWritesNoFile) {
    EXPECT_EQ(print({}, QStringLiteral("none.pdf")), 0);
    EXPECT_FALSE(QFile::exists(pdf(QStringLiteral("none.pdf"))));
    // A file that cannot be written is a failure, not a report of zero pages.
    EXPECT_EQ(print({ChannelSection(1)}, QStringLiteral("missing/folder/x.pdf")), std::nullopt);
}

TEST_F(ReportPrinterTest, ChineseTextsAppearInTheReport) {
    ReportHeader header{QStringLiteral("KPT740 对讲机编程信息"),
                        QStringLiteral("机型类型"),
                        QStringLiteral("KPT740"),
                        QStringLiteral("频率"),
                        QStringLiteral("Rx(400 - 489.9950 MHz)"),
                        QStringLiteral("文件名"),
                        QStringLiteral("new.dat")};
    ReportSection section = PairSection(PrintItem::Alert, QStringLiteral("紧急报警"), 1);
    section.pairs.push_back({QStringLiteral("报警类型"), QStringLiteral("开")});
    EXPECT_EQ(print({section}, QStringLiteral("zh.pdf"), header), 1);
    const QStringList pages = PdfPages(pdf(QStringLiteral("zh.pdf")));
    ASSERT_EQ(pages.size(), 1);
    for (const char* text :
         {"对讲机编程信息", "机型类型", "频率", "文件名", "紧急报警", "报警类型", "开"}) {
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(text))) << text;
    }
}

// Long texts stay inside their columns: each word's box ends before the next column starts.
TEST_F(ReportPrinterTest, LongTextsStayWithinTheirColumns) {
    const QString longWord = QStringLiteral("LONG") + QString(120, QLatin1Char('x'));
    const QString longWords = QStringLiteral("wrapped words ").repeated(6);
    ReportSection channels = ChannelSection(1);
    // Pairs 0, 2, 4... go into the left pair of columns, pairs 1, 3, 5... into the right one.
    channels.channelBlocks[0][2] = {QStringLiteral("LeftLabel") + QString(60, QLatin1Char('l')),
                                    QStringLiteral("LV") + longWord};
    channels.channelBlocks[0][1] = {QStringLiteral("RightLabel"), QStringLiteral("RV") + longWord};
    ReportSection pairs = PairSection(PrintItem::Dtmf, QStringLiteral("DTMF"), 2);
    pairs.pairs.push_back({QStringLiteral("PL") + longWords, QStringLiteral("PV") + longWord});
    pairs.pairs.push_back({QStringLiteral("Short"), longWords + QStringLiteral("END")});
    // Past four lines a text is elided rather than pushing everything below it down.
    pairs.pairs.push_back(
        {QStringLiteral("Huge"), longWords.repeated(10) + QStringLiteral("LOST")});
    ReportSection book = BookSection();
    book.table.rows[3][2] = QStringLiteral("NAMEISMUCHTOOLONGFORITSCOLUMN");
    ReportHeader header = EnglishHeader();
    header.fileName = QStringLiteral("/very/long/") + QStringLiteral("folder/").repeated(40) +
                      QStringLiteral("tail.dat");
    ASSERT_TRUE(print({channels, pairs, book}, QStringLiteral("long.pdf"), header).has_value());

    const auto layout = PdfWords(pdf(QStringLiteral("long.pdf")));
    ASSERT_FALSE(layout.words.empty());
    const double right = layout.pageWidth - kMargin + 0.5;
    auto at = [](double fraction) { return kMargin + fraction * kPrintableWidth; };
    int checked = 0;
    for (const auto& word : layout.words) {
        SCOPED_TRACE(word.text.toStdString());
        EXPECT_GE(word.xMin, kMargin - 0.5);
        EXPECT_LE(word.xMax, right);
        EXPECT_LE(word.yMax, layout.pageHeight - kMargin + 0.5);
        if (word.text.startsWith(QStringLiteral("LeftLabel"))) {
            EXPECT_LT(word.xMax, at(0.30));
            ++checked;
        } else if (word.text.startsWith(QStringLiteral("LV"))) {
            EXPECT_GE(word.xMin, at(0.30) - 0.5);
            EXPECT_LT(word.xMax, at(0.55));
            ++checked;
        } else if (word.text.startsWith(QStringLiteral("RV"))) {
            EXPECT_GE(word.xMin, at(0.75) - 0.5);
            ++checked;
        } else if (word.text.startsWith(QStringLiteral("NAMEIS"))) {
            EXPECT_LT(word.xMax, at(0.38));
            ++checked;
        } else if (word.text.startsWith(QStringLiteral("PL"))) {
            EXPECT_LT(word.xMax, at(0.55));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 5);
    // Wrapped words go onto further lines of their column instead of being lost.
    const QString text = PdfPages(pdf(QStringLiteral("long.pdf"))).join(QString());
    EXPECT_TRUE(text.contains(QStringLiteral("END")));
    EXPECT_FALSE(text.contains(QStringLiteral("LOST")));
    EXPECT_TRUE(text.contains(QStringLiteral("tail.dat")));
}

} // namespace
} // namespace kpt740
