#pragma once

#include <QString>
#include <array>
#include <utility>
#include <vector>

namespace kpt740 {

class AppContext;
class Prompter;

// The ten print items of the print-item dialog, in the dialog's order.
enum class PrintItem : int {
    Channels = 0,
    VhfChannels = 1,
    RadioChannels = 2,
    Option = 3,
    Dtmf = 4,
    TwoTone = 5,
    FiveTone = 6,
    Book = 7,
    EmbeddedMessage = 8,
    Alert = 9,
};
inline constexpr int kPrintItemCount = 10;
using PrintSelection = std::array<bool, kPrintItemCount>;

// One printed line: a label and the text its control shows.
struct ReportPair {
    QString label;
    QString value;
};

// A table: its headings and its rows (every row has as many cells as there are headings,
// except the communication book, whose rows repeat the three headings three times).
struct ReportTable {
    std::vector<QString> headings;
    std::vector<std::vector<QString>> rows;
};

// A framed panel of a dialog (the 5-Tone PTT-ID begin and end panels): its frame caption and
// its lines.
struct ReportPanel {
    QString caption;
    std::vector<ReportPair> pairs;
};

// What one ticked item prints, as its dialog shows it. Only the members of the item's kind are
// filled:
// - Channels: `channelBlocks`, one block per channel in ascending channel number;
// - Option, DTMF, 2-Tone, embedded message, alert: `pairs`;
// - 5-Tone: `pairs` (own ID, the system lists, the side tone), `infoCodes` (headed by the
//   info-code panel's labels, rows 1-8: number, function, response, digits, name), `panels`
//   (PTT-ID begin and end), `codeList` (the grid's headings, one row per code);
// - communication book: `table` with the three headings (entry number, "Call ID", "Name") and
//   50 rows of nine cells (entries k, k + 50, k + 100; the last three cells empty once
//   k + 100 passes 127).
struct ReportSection {
    PrintItem item = PrintItem::Channels;
    QString title;
    std::vector<std::vector<ReportPair>> channelBlocks;
    std::vector<ReportPair> pairs;
    ReportTable infoCodes;
    std::vector<ReportPanel> panels;
    ReportTable codeList;
    ReportTable table;
};

// The page header's texts (the date and time are the printer's).
struct ReportHeader {
    QString title;
    QString modelLabel;
    QString model;
    QString bandLabel;
    QString band;
    QString fileLabel;
    QString fileName;
};

// The texts of the print-item dialog and the report in the current language.
QString PrintItemCaption(const AppContext& context, PrintItem item);
ReportHeader CollectReportHeader(const AppContext& context);

// Loads the dialogs of the ticked items without showing them and returns their sections in
// print order (items 0, 3, 4, 5, 6, 7, 8, 9; items 1 and 2 give none). Questions a dialog asks
// while loading go to `prompter`. The working configuration is left exactly as it was.
std::vector<ReportSection> CollectReport(AppContext& context, Prompter& prompter,
                                         const PrintSelection& selection);

} // namespace kpt740
