#include "print/ReportPrinter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace kpt740 {

namespace {

// Positions on the page, as fractions of the printable width and height.
constexpr double kHeaderTitleY = 0.02;
constexpr double kHeaderStampX = 0.75;
constexpr double kHeaderLabelX = 0.08;
constexpr double kHeaderValueX = 0.25;
constexpr double kFooterY = 0.97;
constexpr double kSectionTitleX = 0.05;
constexpr double kLabelX = 0.10;
constexpr std::array<double, 4> kChannelColumns{0.10, 0.30, 0.55, 0.75};
constexpr std::array<double, 9> kBookColumns{0.10, 0.18, 0.28, 0.38, 0.46, 0.56, 0.66, 0.74, 0.84};
// Where the value column of a section of label/value lines may lie.
constexpr double kMinValueX = 0.30;
constexpr double kMaxValueX = 0.55;
// The space kept between two columns.
constexpr double kColumnGap = 0.01;

constexpr double kBasePoints = 10.0;
constexpr double kTitlePoints = 25.0;
// A page that must hold a fixed amount (five channels, the whole book) shrinks its content's
// font down to this size at most, so that it stays legible.
constexpr double kMinPoints = 6.0;
constexpr double kPointStep = 0.25;
constexpr int kChannelsPerPage = 5;
// A wrapped label or value takes at most this many lines; the last one is elided.
constexpr int kMaxCellLines = 4;

// Families tried for characters the main family lacks (Chinese captions on a Latin font).
const QStringList& CjkFallbacks() {
    static const QStringList families{
        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Microsoft YaHei"),     QStringLiteral("Microsoft JhengHei"),
        QStringLiteral("PingFang SC"),         QStringLiteral("SimSun"),
    };
    return families;
}

QString RightTrimmed(QString text) {
    while (!text.isEmpty() && text.back().isSpace()) {
        text.chop(1);
    }
    return text;
}

// One cell of a printed row: its left edge, its width and its text.
struct Cell {
    double x = 0;
    double width = 0;
    QString text;
};

// The running state of one print job: the page being filled, its number, and the vertical
// position where the next line goes. Every page it opens gets the header and the section's
// title; every page it closes gets the footer.
class Pager {
public:
    Pager(QPainter& painter, QPagedPaintDevice& device, const ReportHeader& header, QString stamp,
          QString family)
        : m_painter(painter), m_device(device), m_header(header), m_stamp(std::move(stamp)),
          m_family(std::move(family)), m_width(device.width()), m_height(device.height()) {}

    QFont font(double points = kBasePoints, bool bold = false) const {
        QFont font;
        QStringList families{m_family};
        families << CjkFallbacks();
        font.setFamilies(families);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &m_device); }
    double pitch(const QFont& font) const { return metrics(font).lineSpacing(); }
    double x(double fraction) const { return fraction * m_width; }
    double width() const { return m_width; }
    double gap() const { return kColumnGap * m_width; }
    const QPaintDevice* device() const { return &m_device; }

    void beginSection(const QString& title) {
        if (m_pages > 0) {
            closePage();
            m_device.newPage();
        }
        m_title = title;
        openPage();
    }
    void breakPage() {
        closePage();
        m_device.newPage();
        openPage();
    }
    void end() {
        if (m_pages > 0) {
            closePage();
        }
    }

    // The content area of every page: below the section title, above the footer.
    double contentTop() const { return m_contentTop; }
    double contentBottom() const { return footerTop() - 0.5 * pitch(font()); }
    double contentHeight() const { return contentBottom() - contentTop(); }
    bool fits(double height) const { return y + height <= contentBottom(); }
    bool atTop() const { return y <= m_contentTop; }
    int pages() const { return m_pages; }

    void text(double left, double top, const QFont& font, const QString& text) {
        m_painter.setFont(font);
        m_painter.drawText(QPointF(left, top + metrics(font).ascent()), text);
    }
    QString elided(const QString& text, const QFont& font, double width,
                   Qt::TextElideMode mode = Qt::ElideRight) const {
        return metrics(font).elidedText(text, mode, std::max(width, 0.0));
    }

    double y = 0;

private:
    void openPage() {
        ++m_pages;
        drawHeader();
        const QFont plain = font();
        // Half a line apart from the header, so the title does not read as a fourth header line.
        y += pitch(plain) / 2;
        text(x(kSectionTitleX), y, plain, elided(m_title, plain, m_width - x(kSectionTitleX)));
        // The title's own line break and one empty line.
        y += 2 * pitch(plain);
        m_contentTop = y;
    }
    void closePage() {
        const QFont plain = font();
        const QString number =
            QStringLiteral("- ") + QString::number(m_pages) + QStringLiteral(" -");
        text((m_width - metrics(plain).horizontalAdvance(number)) / 2, footerTop(), plain, number);
    }
    double footerTop() const {
        return std::min(kFooterY * m_height, m_height - metrics(font()).height());
    }

    void drawHeader() {
        y = kHeaderTitleY * m_height;
        QFont title = font(kTitlePoints, true);
        // A title wider than the paper gets a smaller font rather than losing its end.
        while (metrics(title).horizontalAdvance(m_header.title) > m_width &&
               title.pointSizeF() > kBasePoints) {
            title.setPointSizeF(title.pointSizeF() - kPointStep);
        }
        const QString shownTitle = elided(m_header.title, title, m_width);
        text((m_width - metrics(title).horizontalAdvance(shownTitle)) / 2, y, title, shownTitle);
        y += pitch(title);

        // The header's small lines stay bold: the bold setting ends with the header.
        const QFont bold = font(kBasePoints, true);
        // On narrow paper the date and time move left until they end at the right edge.
        const double stampX =
            std::clamp(m_width - metrics(bold).horizontalAdvance(m_stamp), 0.0, x(kHeaderStampX));
        text(stampX, y, bold, elided(m_stamp, bold, m_width - stampX));
        y += pitch(bold);

        const struct {
            const QString& label;
            const QString& value;
            Qt::TextElideMode mode;
        } lines[] = {
            {m_header.modelLabel, m_header.model, Qt::ElideRight},
            {m_header.bandLabel, m_header.band, Qt::ElideRight},
            // A long path keeps its beginning and the file's own name.
            {m_header.fileLabel, m_header.fileName, Qt::ElideMiddle},
        };
        const double labelWidth = x(kHeaderValueX) - x(kHeaderLabelX) - gap();
        for (const auto& line : lines) {
            text(x(kHeaderLabelX), y, bold, elided(line.label, bold, labelWidth));
            text(x(kHeaderValueX), y, bold,
                 elided(line.value, bold, m_width - x(kHeaderValueX), line.mode));
            y += pitch(bold);
        }
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    const ReportHeader& m_header;
    QString m_stamp;
    QString m_family;
    double m_width;
    double m_height;
    QString m_title;
    double m_contentTop = 0;
    int m_pages = 0;
};

// The text broken into lines no wider than `width` (at word boundaries where it can, anywhere
// else), its own line breaks kept; past `maxLines` the last line is elided.
QStringList Wrap(const Pager& pager, const QString& text, const QFont& font, double width,
                 int maxLines) {
    QStringList lines;
    QString flat = text;
    flat.remove(QLatin1Char('\r'));
    for (const QString& paragraph : flat.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, pager.device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        const int before = static_cast<int>(lines.size());
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(width, 1.0));
            lines << RightTrimmed(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        if (static_cast<int>(lines.size()) == before) {
            lines << QString();
        }
    }
    if (lines.size() > maxLines) {
        const QString rest = lines.mid(maxLines - 1).join(QLatin1Char(' '));
        lines = lines.mid(0, maxLines - 1);
        lines << rest;
    }
    // The last word of a line may still be wider than the column (a single wide glyph).
    for (QString& line : lines) {
        line = pager.elided(line, font, width);
    }
    return lines;
}

// Draws one row of cells at the current position, each within its width, and moves down by
// the row's height; a row that does not fit on the page starts a new one (header and title
// again). `pageBreak` runs after such a break (a table repeats its headings).
void Row(Pager& pager, const QFont& font, double pitch, const std::vector<Cell>& cells,
         int maxLines, const std::function<void()>& pageBreak = {}) {
    std::vector<QStringList> wrapped;
    qsizetype lines = 1;
    for (const Cell& cell : cells) {
        wrapped.push_back(Wrap(pager, cell.text, font, cell.width, maxLines));
        lines = std::max(lines, wrapped.back().size());
    }
    const double height = static_cast<double>(lines) * pitch;
    if (!pager.fits(height) && !pager.atTop()) {
        pager.breakPage();
        if (pageBreak) {
            pageBreak();
        }
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (qsizetype line = 0; line < wrapped[i].size(); ++line) {
            pager.text(cells[i].x, pager.y + static_cast<double>(line) * pitch, font,
                       wrapped[i][line]);
        }
    }
    pager.y += height;
}

// The largest font size, at most the base size, at which `height(points)` fits the content
// area of a page.
double FittingPoints(const Pager& pager, const std::function<double(double)>& height) {
    double points = kBasePoints;
    while (points > kMinPoints && height(points) > pager.contentHeight()) {
        const double scaled = points * pager.contentHeight() / height(points);
        points = std::max(kMinPoints, std::min(points - kPointStep,
                                               std::floor(scaled / kPointStep) * kPointStep));
    }
    return points;
}

// ---- Label/value lines ------------------------------------------------------------------------

// The value column of a section: right of its widest label, within bounds, so that short
// labels do not leave a gap and long ones wrap instead of pushing the values off the page.
double ValueColumn(const Pager& pager, const QFont& font, const std::vector<ReportPair>& pairs) {
    double widest = 0;
    for (const ReportPair& pair : pairs) {
        widest = std::max(widest, pager.metrics(font).horizontalAdvance(pair.label));
    }
    return std::clamp(pager.x(kLabelX) + widest + 2 * pager.gap(), pager.x(kMinValueX),
                      pager.x(kMaxValueX));
}

void Pairs(Pager& pager, const QFont& font, const std::vector<ReportPair>& pairs, double valueX) {
    const double labelX = pager.x(kLabelX);
    for (const ReportPair& pair : pairs) {
        Row(pager, font, pager.pitch(font),
            {{labelX, valueX - labelX - pager.gap(), pair.label},
             {valueX, pager.width() - valueX, pair.value}},
            kMaxCellLines);
    }
}

// ---- Tables -----------------------------------------------------------------------------------

// Column edges of a table between `left` and the right edge: each column as wide as its widest
// text, the spare width shared out; when the texts are too wide together, narrow columns keep
// their width and the wide ones share the rest (their texts are elided).
std::vector<Cell> TableColumns(const Pager& pager, const QFont& font, const ReportTable& table,
                               double left) {
    std::size_t count = table.headings.size();
    for (const auto& row : table.rows) {
        count = std::max(count, row.size());
    }
    std::vector<double> natural(count, 0.0);
    auto measure = [&](std::size_t column, const QString& text) {
        natural[column] = std::max(natural[column],
                                   pager.metrics(font).horizontalAdvance(text) + 2 * pager.gap());
    };
    for (std::size_t i = 0; i < table.headings.size(); ++i) {
        measure(i, table.headings[i]);
    }
    for (const auto& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            measure(i, row[i]);
        }
    }
    const double available = pager.width() - left;
    std::vector<double> widths(count, 0.0);
    double total = 0;
    for (const double width : natural) {
        total += width;
    }
    if (total <= available) {
        for (std::size_t i = 0; i < count; ++i) {
            widths[i] = natural[i] + (available - total) / static_cast<double>(count);
        }
    } else {
        std::vector<bool> settled(count, false);
        double remaining = available;
        std::size_t open = count;
        for (bool changed = true; changed && open > 0;) {
            changed = false;
            const double share = remaining / static_cast<double>(open);
            for (std::size_t i = 0; i < count; ++i) {
                if (!settled[i] && natural[i] <= share) {
                    widths[i] = natural[i];
                    settled[i] = true;
                    remaining -= natural[i];
                    --open;
                    changed = true;
                }
            }
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (!settled[i]) {
                widths[i] = remaining / static_cast<double>(open);
            }
        }
    }
    std::vector<Cell> columns;
    double x = left;
    for (const double width : widths) {
        columns.push_back({x, width - pager.gap(), {}});
        x += width;
    }
    return columns;
}

std::vector<Cell> Filled(std::vector<Cell> columns, const std::vector<QString>& texts) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i].text = i < texts.size() ? texts[i] : QString();
    }
    return columns;
}

// The headings, then one line per row; a table that goes on over a page break repeats its
// headings at the top of the new page.
void Table(Pager& pager, const QFont& font, double pitch, const ReportTable& table,
           const std::vector<Cell>& columns) {
    const auto headings = [&] { Row(pager, font, pitch, Filled(columns, table.headings), 1); };
    if (!pager.fits(2 * pitch) && !pager.atTop()) {
        pager.breakPage();
    }
    headings();
    for (const auto& row : table.rows) {
        Row(pager, font, pitch, Filled(columns, row), 1, headings);
    }
}

// ---- Sections ---------------------------------------------------------------------------------

// One channel: its label/value pairs two by two across the two pairs of columns.
std::vector<std::vector<Cell>> ChannelRows(const Pager& pager,
                                           const std::vector<ReportPair>& block) {
    std::array<double, 5> edges{};
    for (std::size_t i = 0; i < kChannelColumns.size(); ++i) {
        edges[i] = pager.x(kChannelColumns[i]);
    }
    edges[4] = pager.width() + pager.gap();
    std::vector<std::vector<Cell>> rows;
    for (std::size_t i = 0; i < block.size(); i += 2) {
        std::vector<Cell> cells;
        for (std::size_t side = 0; side < 2 && i + side < block.size(); ++side) {
            const std::size_t column = 2 * side;
            cells.push_back({edges[column], edges[column + 1] - edges[column] - pager.gap(),
                             block[i + side].label});
            cells.push_back({edges[column + 1], edges[column + 2] - edges[column + 1] - pager.gap(),
                             block[i + side].value});
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

int LinesOf(const Pager& pager, const QFont& font, const std::vector<std::vector<Cell>>& rows) {
    int lines = 0;
    for (const auto& row : rows) {
        qsizetype rowLines = 1;
        for (const Cell& cell : row) {
            rowLines =
                std::max(rowLines, Wrap(pager, cell.text, font, cell.width, kMaxCellLines).size());
        }
        lines += static_cast<int>(rowLines);
    }
    return lines;
}

void Channels(Pager& pager, const ReportSection& section) {
    if (section.channelBlocks.empty()) {
        return;
    }
    std::vector<std::vector<std::vector<Cell>>> blocks;
    for (const auto& block : section.channelBlocks) {
        blocks.push_back(ChannelRows(pager, block));
    }
    // Five channels must share a page: the content shrinks until the tallest five fit, with
    // an empty line between two channels.
    const std::size_t perPage = std::min<std::size_t>(kChannelsPerPage, blocks.size());
    const double points = FittingPoints(pager, [&](double size) {
        const QFont font = pager.font(size);
        int tallest = 0;
        for (const auto& rows : blocks) {
            tallest = std::max(tallest, LinesOf(pager, font, rows));
        }
        return static_cast<double>(tallest * static_cast<int>(perPage) + static_cast<int>(perPage) -
                                   1) *
               pager.pitch(font);
    });
    const QFont font = pager.font(points);
    const double pitch = pager.pitch(font);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0 && i % kChannelsPerPage == 0) {
            pager.breakPage();
        } else if (i > 0) {
            pager.y += pitch;
        }
        for (const auto& row : blocks[i]) {
            Row(pager, font, pitch, row, kMaxCellLines);
        }
    }
}

void FiveTone(Pager& pager, const ReportSection& section, const QString& codeListTitle) {
    const QFont font = pager.font();
    const double pitch = pager.pitch(font);
    std::vector<ReportPair> all = section.pairs;
    for (const ReportPanel& panel : section.panels) {
        all.insert(all.end(), panel.pairs.begin(), panel.pairs.end());
    }
    const double valueX = ValueColumn(pager, font, all);
    Pairs(pager, font, section.pairs, valueX);
    if (!section.infoCodes.headings.empty() || !section.infoCodes.rows.empty()) {
        pager.y += pitch;
        Table(pager, font, pitch, section.infoCodes,
              TableColumns(pager, font, section.infoCodes, pager.x(kLabelX)));
    }
    const QFont bold = pager.font(kBasePoints, true);
    for (const ReportPanel& panel : section.panels) {
        pager.y += pitch;
        // A frame caption never stays alone at the foot of a page.
        if (!pager.fits(2 * pitch) && !pager.atTop()) {
            pager.breakPage();
        }
        Row(pager, bold, pitch,
            {{pager.x(kLabelX), pager.width() - pager.x(kLabelX), panel.caption}}, 1);
        Pairs(pager, font, panel.pairs, valueX);
    }
    if (!section.codeList.headings.empty() || !section.codeList.rows.empty()) {
        pager.beginSection(codeListTitle);
        Table(pager, font, pitch, section.codeList,
              TableColumns(pager, font, section.codeList, pager.x(kLabelX)));
    }
}

// Label/value lines, then the dialog's grid when it has one (the 2-Tone entries).
void LinesAndTable(Pager& pager, const ReportSection& section) {
    const QFont font = pager.font();
    Pairs(pager, font, section.pairs, ValueColumn(pager, font, section.pairs));
    if (!section.table.headings.empty() || !section.table.rows.empty()) {
        const double pitch = pager.pitch(font);
        pager.y += pitch;
        Table(pager, font, pitch, section.table,
              TableColumns(pager, font, section.table, pager.x(kLabelX)));
    }
}

// The book in three groups of columns; the whole book is meant for one page, so the font
// shrinks until the heading and every row fit the page's height and each text its column.
void Book(Pager& pager, const ReportSection& section) {
    const ReportTable& table = section.table;
    std::vector<Cell> columns;
    for (std::size_t i = 0; i < kBookColumns.size(); ++i) {
        const double right = i + 1 < kBookColumns.size() ? pager.x(kBookColumns[i + 1])
                                                         : pager.width() + pager.gap();
        columns.push_back(
            {pager.x(kBookColumns[i]), right - pager.x(kBookColumns[i]) - pager.gap(), {}});
    }
    std::vector<QString> headings;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        headings.push_back(table.headings.empty() ? QString()
                                                  : table.headings[i % table.headings.size()]);
    }
    const double points = FittingPoints(pager, [&](double size) {
        const QFont font = pager.font(size);
        double overflow = 1.0;
        auto check = [&](const std::vector<QString>& texts) {
            for (std::size_t i = 0; i < columns.size() && i < texts.size(); ++i) {
                const double width = pager.metrics(font).horizontalAdvance(texts[i]);
                if (width > columns[i].width) {
                    overflow = std::max(overflow, width / columns[i].width);
                }
            }
        };
        check(headings);
        for (const auto& row : table.rows) {
            check(row);
        }
        const double height = static_cast<double>(table.rows.size() + 1) * pager.pitch(font);
        // Too wide a text asks for a font smaller in the same proportion.
        return overflow > 1.0 ? std::max(height, overflow * pager.contentHeight()) : height;
    });
    const QFont font = pager.font(points);
    Table(pager, font, pager.pitch(font), ReportTable{headings, table.rows}, columns);
}

} // namespace

QString ReportTimeStamp(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("    ") +
           when.toString(QStringLiteral("HH:mm:ss"));
}

ReportPrinter::ReportPrinter(Clock clock, QString fontFamily)
    : m_clock(std::move(clock)), m_fontFamily(std::move(fontFamily)) {}

std::optional<int> ReportPrinter::print(QPagedPaintDevice& device,
                                        const ReportDocument& document) const {
    if (document.sections.empty()) {
        return 0;
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return std::nullopt;
    }
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    const QString family = m_fontFamily.isEmpty() ? QGuiApplication::font().family() : m_fontFamily;
    Pager pager(painter, device, document.header, ReportTimeStamp(now), family);
    for (const ReportSection& section : document.sections) {
        pager.beginSection(section.title);
        switch (section.item) {
        case PrintItem::Channels:
            Channels(pager, section);
            break;
        case PrintItem::FiveTone:
            FiveTone(pager, section, document.codeListTitle);
            break;
        case PrintItem::Book:
            Book(pager, section);
            break;
        default:
            LinesAndTable(pager, section);
            break;
        }
    }
    pager.end();
    painter.end();
    return pager.pages();
}

std::optional<int> PrintReportToPdf(const ReportPrinter& printer, const ReportDocument& document,
                                    const QString& path) {
    if (document.sections.empty()) {
        return 0;
    }
    // Opened here so that a file that cannot be written is told apart from a failed layout.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return std::nullopt;
    }
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("KPT740 Programmer"));
    writer.setTitle(document.header.title);
    return printer.print(writer, document);
}

} // namespace kpt740
