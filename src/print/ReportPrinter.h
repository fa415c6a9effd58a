#pragma once

#include "print/ReportContent.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace kpt740 {

// Everything one report job prints: the page header's texts, the sections in print order and
// the title of the pages that carry the 5-Tone code list.
struct ReportDocument {
    ReportHeader header;
    std::vector<ReportSection> sections;
    QString codeListTitle;
};

// Lays a report out on pages of any paged device (a printer, a preview, a PDF file): every page
// has the header and the footer with the page number of the job, every section starts a new
// page, and nothing is drawn outside the page or over other text.
class ReportPrinter {
public:
    using Clock = std::function<QDateTime()>;

    // `clock` gives the date and time of the page header (the current time when empty);
    // `fontFamily` is the family of every text (the application font's when empty).
    explicit ReportPrinter(Clock clock = {}, QString fontFamily = {});

    // Prints the document and returns the number of pages. A document without sections leaves
    // the device untouched (no page, no file) and gives 0; a device that cannot be painted on
    // (a PDF file that cannot be written) gives no value.
    std::optional<int> print(QPagedPaintDevice& device, const ReportDocument& document) const;

private:
    Clock m_clock;
    QString m_fontFamily;
};

// The date and time as the page header shows them: the date, four spaces and the time.
QString ReportTimeStamp(const QDateTime& when);

// Writes the document into a PDF file (A4 portrait, 10 mm margins). The number of pages; 0
// when the document has no section (then no file is written); no value when the file cannot be
// written.
std::optional<int> PrintReportToPdf(const ReportPrinter& printer, const ReportDocument& document,
                                    const QString& path);

} // namespace kpt740
