#include "print/ReportContent.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/ChannelDialog.h"
#include "app/EmbeddedInfoDialog.h"
#include "app/Localisation.h"
#include "core/ChannelCells.h"
#include "features/alert/AlertDialog.h"
#include "features/commbook/CommBookGrid.h"
#include "features/dtmf/DtmfDialog.h"
#include "features/fivetone/FiveToneDialog.h"
#include "features/option/OptionDialog.h"
#include "features/twotone/TwoToneDialog.h"
#include "features/twotone/TwoToneGrid.h"

namespace kpt740 {

namespace {

constexpr int kChannelSectionText = 3009;
constexpr int kChannelColumnText = 3006;
constexpr int kBookNumberText = 3007;
constexpr int kAlertItemText = 2600;
constexpr int kBookRows = 50;
constexpr int kBookGroups = 3;

// The order in which ticked items print; items 1 and 2 have no section.
constexpr std::array<PrintItem, 8> kPrintOrder{
    PrintItem::Channels,        PrintItem::Option,   PrintItem::Dtmf,
    PrintItem::TwoTone,         PrintItem::FiveTone, PrintItem::Book,
    PrintItem::EmbeddedMessage, PrintItem::Alert};

std::vector<ReportPair> Pairs(const std::vector<std::pair<QString, QString>>& items) {
    std::vector<ReportPair> pairs;
    pairs.reserve(items.size());
    for (const auto& [label, value] : items) {
        pairs.push_back({label, value});
    }
    return pairs;
}

template <std::size_t N> std::vector<QString> Cells(const std::array<QString, N>& cells) {
    return {cells.begin(), cells.end()};
}

// Some dialogs correct the configuration's records while they load (the DTMF dialog works on
// its record directly); the report must leave the configuration exactly as it found it, so
// the working configuration is put back whatever the dialogs did.
class WorkingConfigurationGuard {
public:
    explicit WorkingConfigurationGuard(Workspace& workspace)
        : m_workspace(workspace), m_copy(workspace.working) {}
    ~WorkingConfigurationGuard() { m_workspace.working = m_copy; }
    const Configuration& original() const { return m_copy; }
    WorkingConfigurationGuard(const WorkingConfigurationGuard&) = delete;
    WorkingConfigurationGuard& operator=(const WorkingConfigurationGuard&) = delete;

private:
    Workspace& m_workspace;
    Configuration m_copy;
};

// One block per channel, in ascending channel number: the grid's channel column (which the
// dialog itself does not show) and then what the channel dialog shows for it.
ReportSection ChannelSection(AppContext& context, Prompter& prompter) {
    ReportSection section;
    section.title = OtherText(context.text, kChannelSectionText);
    const QString channelLabel = OtherText(context.text, kChannelColumnText);
    for (int position = kFirstMemoryPosition; position <= kPositionVfo; ++position) {
        if (context.workspace.working.Channels.find(position) == nullptr) {
            continue;
        }
        const ChannelDialog dialog(context, prompter, position);
        std::vector<ReportPair> block{
            {channelLabel, QString::fromStdString(ChannelLabel(position))}};
        for (const auto& [label, value] : dialog.shownItems()) {
            block.push_back({label, value});
        }
        section.channelBlocks.push_back(std::move(block));
    }
    return section;
}

ReportSection OptionSection(AppContext& context) {
    const Configuration& working = context.workspace.working;
    const OptionDialog dialog(working.Option, working.Channels, context.text);
    ReportSection section;
    section.title = dialog.windowTitle();
    section.pairs = Pairs(dialog.shownItems());
    return section;
}

ReportSection DtmfSection(AppContext& context, Prompter& prompter) {
    const DtmfDialog dialog(context, prompter);
    ReportSection section;
    section.title = dialog.windowTitle();
    section.pairs = Pairs(dialog.shownItems());
    return section;
}

// The system's lists and boxes as pairs, the entry grid as a table with the grid's headings
// and its 32 rows as the grid shows them (unused entries show empty cells, as in the dialog).
ReportSection TwoToneSection(AppContext& context, Prompter& prompter) {
    const TwoToneDialog dialog(context, prompter);
    ReportSection section;
    section.title = dialog.windowTitle();
    section.pairs = Pairs(dialog.shownItems());
    const TwoToneEntryModel& model = *dialog.gridModel();
    for (int column = 0; column < model.columnCount(); ++column) {
        section.table.headings.push_back(
            model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        std::vector<QString> cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells.push_back(model.data(model.index(row, column), Qt::DisplayRole).toString());
        }
        section.table.rows.push_back(std::move(cells));
    }
    return section;
}

ReportSection FiveToneSection(AppContext& context, Prompter& prompter) {
    const FiveToneDialogContents contents = FiveToneDialogContentsOf(context, prompter);
    ReportSection section;
    section.title = contents.caption;
    section.pairs = Pairs(contents.values);
    section.infoCodes.headings = Cells(contents.infoCodeHeadings);
    for (const auto& row : contents.infoCodes) {
        section.infoCodes.rows.push_back(Cells(row));
    }
    for (const FiveTonePanelContents& panel : contents.pttIdPanels) {
        section.panels.push_back({panel.caption, Pairs(panel.values)});
    }
    section.codeList.headings = Cells(contents.codeHeadings);
    for (const auto& row : contents.codeRows) {
        section.codeList.rows.push_back(Cells(row));
    }
    return section;
}

// A book text as the book grid shows it (cut at the first NUL), without the blanks that may
// stand before that NUL.
QString BookCell(const CommBookModel& model, int entry, int column) {
    QString text = model.data(model.index(entry, column), Qt::DisplayRole).toString();
    while (text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

// Row k shows entries k, k + 50 and k + 100 side by side; the third group stays empty past the
// last entry.
ReportSection CommBookSection(const AppContext& context) {
    ReportSection section;
    section.title = PrintItemCaption(context, PrintItem::Book);
    section.table.headings = {OtherText(context.text, kBookNumberText), QStringLiteral("Call ID"),
                              QStringLiteral("Name")};
    CommBook book = context.workspace.working.Book;
    const CommBookModel model(book);
    for (int k = 0; k < kBookRows; ++k) {
        std::vector<QString> cells;
        for (int group = 0; group < kBookGroups; ++group) {
            const int entry = k + group * kBookRows;
            if (entry >= static_cast<int>(kCommBookEntries)) {
                cells.insert(cells.end(), 3, QString());
                continue;
            }
            cells.push_back(QString::number(entry));
            cells.push_back(BookCell(model, entry, CommBookModel::kCallIdColumn));
            cells.push_back(BookCell(model, entry, CommBookModel::kNameColumn));
        }
        section.table.rows.push_back(std::move(cells));
    }
    return section;
}

ReportSection EmbeddedSection(const AppContext& context) {
    const EmbeddedInfoDialog dialog(context.workspace.embedded,
                                    context.workspace.identity.ProductName, context.text,
                                    context.programFolder() / context.helpFile());
    ReportSection section;
    section.title = PrintItemCaption(context, PrintItem::EmbeddedMessage);
    for (const EmbeddedInfoDialog::Row& row : dialog.rows()) {
        section.pairs.push_back({row.caption, row.value});
    }
    return section;
}

ReportSection AlertSection(AppContext& context) {
    const Configuration& working = context.workspace.working;
    const AlertDialog dialog(working.Alert, working.Channels, working.Dtmf, working.FiveTone,
                             context.text);
    ReportSection section;
    section.title = dialog.windowTitle();
    section.pairs = Pairs(dialog.shownItems());
    return section;
}

ReportSection SectionOf(AppContext& context, Prompter& prompter, PrintItem item) {
    switch (item) {
    case PrintItem::Channels:
        return ChannelSection(context, prompter);
    case PrintItem::Option:
        return OptionSection(context);
    case PrintItem::Dtmf:
        return DtmfSection(context, prompter);
    case PrintItem::TwoTone:
        return TwoToneSection(context, prompter);
    case PrintItem::FiveTone:
        return FiveToneSection(context, prompter);
    case PrintItem::Book:
        return CommBookSection(context);
    case PrintItem::EmbeddedMessage:
        return EmbeddedSection(context);
    case PrintItem::Alert:
        return AlertSection(context);
    case PrintItem::VhfChannels:
    case PrintItem::RadioChannels:
        break;
    }
    return {};
}

} // namespace

QString PrintItemCaption(const AppContext& context, PrintItem item) {
    const int index = static_cast<int>(item);
    if (index >= 0 && static_cast<std::size_t>(index) < builtin::kPrintItems.size()) {
        return BuiltIn(context.text, builtin::kPrintItems[static_cast<std::size_t>(index)]);
    }
    return OtherText(context.text, kAlertItemText);
}

ReportHeader CollectReportHeader(const AppContext& context) {
    const Workspace& workspace = context.workspace;
    ReportHeader header;
    header.title = BuiltIn(context.text, builtin::kReportTitle);
    header.modelLabel = BuiltIn(context.text, builtin::kReportModel);
    header.model = QString::fromStdString(workspace.identity.ModelText);
    header.bandLabel = BuiltIn(context.text, builtin::kReportBand);
    header.band = QString::fromStdString(workspace.identity.BandText);
    header.fileLabel = BuiltIn(context.text, builtin::kReportFile);
    header.fileName = QString::fromStdString(workspace.ConfigFileName);
    return header;
}

std::vector<ReportSection> CollectReport(AppContext& context, Prompter& prompter,
                                         const PrintSelection& selection) {
    const WorkingConfigurationGuard guard(context.workspace);
    std::vector<ReportSection> sections;
    for (const PrintItem item : kPrintOrder) {
        if (!selection[static_cast<std::size_t>(item)]) {
            continue;
        }
        ReportSection section = SectionOf(context, prompter, item);
        section.item = item;
        sections.push_back(std::move(section));
        // Each dialog sees the configuration as it was, not as an earlier one corrected it.
        context.workspace.working = guard.original();
    }
    return sections;
}

} // namespace kpt740
