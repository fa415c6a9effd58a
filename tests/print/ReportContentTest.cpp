#include "print/ReportContent.h"

#include "app/AppTestSupport.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/StartUp.h"
#include "core/ChannelRecord.h"
#include "core/Encodings.h"
#include "core/Identity.h"
#include "core/StoredRecord.h"
#include "features/dtmf/DtmfDialog.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

namespace kpt740 {
namespace {

constexpr int kBand = 49;

PrintSelection Only(std::initializer_list<PrintItem> items) {
    PrintSelection selection{};
    for (const PrintItem item : items) {
        selection[static_cast<std::size_t>(item)] = true;
    }
    return selection;
}

PrintSelection All() {
    PrintSelection selection{};
    selection.fill(true);
    return selection;
}

std::vector<PrintItem> ItemsOf(const std::vector<ReportSection>& sections) {
    std::vector<PrintItem> items;
    for (const ReportSection& section : sections) {
        items.push_back(section.item);
    }
    return items;
}

// The values printed under `label`, in order.
std::vector<QString> ValuesOf(const std::vector<ReportPair>& pairs, const QString& label) {
    std::vector<QString> values;
    for (const ReportPair& pair : pairs) {
        if (pair.label == label) {
            values.push_back(pair.value);
        }
    }
    return values;
}

class ReportContentTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        test::UseRealLanguageFiles(languageFolder());
        context = std::make_unique<AppContext>(environment());
        RunStartUpSequence(*context);
        SetBandFromFile(context->workspace.identity, kBand);
        freshConfiguration();
    }
    // The band's defaults with only 2-Tone entry 9 in use, saved.
    void freshConfiguration() {
        Workspace& workspace = context->workspace;
        workspace.working = DefaultConfiguration(kBand, workspace.identity.Limits);
        for (auto& entry : workspace.working.TwoTone.codes) {
            entry.isEmpty = 1;
        }
        workspace.working.TwoTone.codes[9].isEmpty = 0;
        workspace.TakeSavedCopy();
    }
    void TearDown() override {
        context.reset();
        test::AppTest::TearDown();
    }

    QString other(int id) const { return OtherText(context->text, id); }
    QString option(int id) const { return QString::fromStdString(context->text.option(id)); }
    Configuration& working() { return context->workspace.working; }

    std::vector<ReportSection> collect(const PrintSelection& selection) {
        return CollectReport(*context, *prompter, selection);
    }
    ReportSection only(PrintItem item) {
        std::vector<ReportSection> sections = collect(Only({item}));
        EXPECT_EQ(sections.size(), 1u);
        return sections.empty() ? ReportSection{} : sections.front();
    }

    // 400.125 MHz, +5 MHz, "AB", 2-Tone entry 9, CTCSS decode, inverted DCS encode, compander.
    static ChannelRecord FullChannel(int position) {
        ChannelRecord r = BlankChannel(position);
        r.InUse = 1;
        r.RxFrequency = "040012500";
        r.Offset = "000500000";
        r.ShiftDirection = 2;
        r.Name = std::string("AB") + '\0';
        r.StepIndex = 4;
        r.Signalling = 2;
        r.TwoToneEntry = 9;
        r.DecodeToneType = 1;
        r.DecodeToneCtcss = 12;
        r.EncodeToneType = 2;
        r.EncodeToneDcs = 19;
        r.EncodeToneInverted = 1;
        r.Compander = 1;
        r.PttIdFlag = 1;
        r.PttIdCode = "12345";
        return r;
    }
    static ChannelRecord PlainChannel(int position, const char* rx) {
        ChannelRecord r = BlankChannel(position);
        r.InUse = 1;
        r.RxFrequency = rx;
        return r;
    }

    std::unique_ptr<AppContext> context;
};

TEST_F(ReportContentTest, SectionsComeInPrintOrderAndItemsOneAndTwoGiveNone) {
    using P = PrintItem;
    struct Case {
        const char* name;
        PrintSelection selection;
        std::vector<PrintItem> expected;
    };
    const std::vector<Case> cases{
        {"all",
         All(),
         {P::Channels, P::Option, P::Dtmf, P::TwoTone, P::FiveTone, P::Book, P::EmbeddedMessage,
          P::Alert}},
        {"item 1 only", Only({P::VhfChannels}), {}},
        {"item 2 only", Only({P::RadioChannels}), {}},
        {"items 1 and 2", Only({P::VhfChannels, P::RadioChannels}), {}},
        {"ticked out of order",
         Only({P::Alert, P::Book, P::VhfChannels, P::Option}),
         {P::Option, P::Book, P::Alert}},
        {"nothing", PrintSelection{}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemsOf(collect(c.selection)), c.expected) << c.name;
    }
}

TEST_F(ReportContentTest, SectionTitlesAreTheDialogCaptionsOrTheItemCaptions) {
    const std::vector<ReportSection> sections = collect(All());
    ASSERT_EQ(sections.size(), 8u);
    const std::vector<QString> titles{other(3009),
                                      other(1701),
                                      QStringLiteral("DTMF"),
                                      option(60051),
                                      option(60052),
                                      QStringLiteral("Communication Book"),
                                      QStringLiteral("Embedded Message"),
                                      other(2600)};
    for (std::size_t i = 0; i < sections.size(); ++i) {
        EXPECT_EQ(sections[i].title, titles[i]) << i;
        EXPECT_FALSE(sections[i].title.isEmpty()) << i;
    }
    // Every section of pairs has them.
    for (const std::size_t i : {1u, 2u, 3u, 4u, 6u, 7u}) {
        EXPECT_FALSE(sections[i].pairs.empty()) << i;
    }
}

TEST_F(ReportContentTest, ItemCaptionsAndHeaderFollowTheLanguage) {
    context->workspace.ConfigFileName = "fleet-7.dat";
    struct Case {
        int language;
        QString channels;
        QString book;
        QString title;
        QString modelLabel;
    };
    const std::vector<Case> cases{
        {1, QStringLiteral("Channel Infomation"), QStringLiteral("Communication Book"),
         QStringLiteral("KPT740 Radio Programming Information"), QStringLiteral("Model Type")},
        {2, QStringLiteral("信道信息"), QStringLiteral("通信簿"),
         QStringLiteral("KPT740 对讲机编程信息"), QStringLiteral("机型类型")},
    };
    for (const Case& c : cases) {
        context->setLanguage(c.language);
        EXPECT_EQ(PrintItemCaption(*context, PrintItem::Channels), c.channels) << c.language;
        EXPECT_EQ(PrintItemCaption(*context, PrintItem::Book), c.book) << c.language;
        EXPECT_EQ(PrintItemCaption(*context, PrintItem::Alert), other(2600)) << c.language;
        const ReportHeader header = CollectReportHeader(*context);
        EXPECT_EQ(header.title, c.title);
        EXPECT_EQ(header.modelLabel, c.modelLabel);
        EXPECT_EQ(header.model, QString::fromStdString(context->workspace.identity.ModelText));
        EXPECT_EQ(header.band, QString::fromStdString(context->workspace.identity.BandText));
        EXPECT_FALSE(header.band.isEmpty());
        EXPECT_EQ(header.fileName, QStringLiteral("fleet-7.dat"));
    }
    EXPECT_EQ(other(2600), QStringLiteral("紧急报警"));
}

TEST_F(ReportContentTest, ChineseReportShowsChineseCaptionsAndCheckBoxTexts) {
    working().Channels.put(FullChannel(12));
    context->setLanguage(2);
    const std::vector<ReportSection> sections =
        collect(Only({PrintItem::Channels, PrintItem::Book, PrintItem::FiveTone}));
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].title, QStringLiteral("信道信息"));
    ASSERT_FALSE(sections[0].channelBlocks.empty());
    const std::vector<ReportPair>& block = sections[0].channelBlocks.front();
    EXPECT_EQ(block.front().label, QStringLiteral("信道"));
    EXPECT_EQ(ValuesOf(block, other(1746)), std::vector<QString>{QStringLiteral("开")});
    EXPECT_EQ(ValuesOf(block, other(1207)), std::vector<QString>{QStringLiteral("关")});
    const ReportPair& sideTone = sections[1].pairs.back();
    EXPECT_TRUE(sideTone.value == QStringLiteral("开") || sideTone.value == QStringLiteral("关"))
        << sideTone.value.toStdString();
    EXPECT_EQ(sections[2].title, QStringLiteral("通信簿"));
    EXPECT_EQ(sections[2].table.headings.front(), QStringLiteral("序号"));
}

TEST_F(ReportContentTest, ChannelBlocksRunInChannelNumberOrderWithTheDialogTexts) {
    // Slot order: VFO (from the defaults), 12, PA, 3, 150 (no receive frequency).
    working().Channels.put(FullChannel(12));
    working().Channels.put(PlainChannel(kPositionPA, "040500000"));
    working().Channels.put(PlainChannel(3, "040100000"));
    ChannelRecord silent = PlainChannel(150, "");
    silent.Compander = 1;
    working().Channels.put(silent);
    const ReportSection section = only(PrintItem::Channels);
    ASSERT_EQ(section.channelBlocks.size(), 5u);
    const std::vector<QString> numbers{QStringLiteral("2"), QStringLiteral("11"),
                                       QStringLiteral("149"), QStringLiteral("PA"),
                                       QStringLiteral("VFO")};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        ASSERT_FALSE(section.channelBlocks[i].empty());
        EXPECT_EQ(section.channelBlocks[i].front().label, other(3006));
        EXPECT_EQ(section.channelBlocks[i].front().value, numbers[i]);
    }

    const std::vector<ReportPair>& block = section.channelBlocks[1];
    struct Expect {
        QString label;
        std::vector<QString> values;
    };
    const QString ctcss = QString::fromStdString(std::string(CtcssTable()[12]));
    const QString dcs = QString::fromStdString(DcsCodeText(19));
    const std::vector<Expect> expected{
        {other(1101), {QStringLiteral("400.12500")}},
        {other(1140), {QStringLiteral("405.12500")}},
        {other(1103), {QStringLiteral("AB")}},
        {other(1110), {QStringLiteral("2Tone 9")}},
        {other(1107) + other(1112), {QStringLiteral("CTCSS ") + ctcss}},
        {other(1107) + other(1113), {QStringLiteral("DCS ") + dcs}},
        // Only the encode tone's inverted box is shown (the decode tone is CTCSS).
        {other(1301), {QStringLiteral("ON")}},
        {other(1746), {QStringLiteral("ON")}},
        {other(1207), {QStringLiteral("OFF")}},
        // The PTT ID box itself is hidden; the code box beside it prints its code.
        {QStringLiteral("PTT ID"), {QStringLiteral("12345")}},
    };
    for (const Expect& e : expected) {
        EXPECT_EQ(ValuesOf(block, e.label), e.values) << e.label.toStdString();
    }
    // The labels come in the dialog's reading order.
    const auto at = [&block](const QString& label) {
        return std::find_if(block.begin(), block.end(),
                            [&](const ReportPair& p) { return p.label == label; }) -
               block.begin();
    };
    EXPECT_LT(at(other(1101)), at(other(1140)));
    EXPECT_LT(at(other(1140)), at(other(1102)));
    EXPECT_LT(at(other(1102)), at(other(1103)));
    EXPECT_LT(at(other(1110)), at(other(1107) + other(1112)));
    EXPECT_LT(at(other(1105)), at(other(1111)));
    EXPECT_EQ(block.back().label, QStringLiteral("PTT ID"));

    // A plain channel: no code list, no tone list, no inverted box.
    const std::vector<ReportPair>& plain = section.channelBlocks[0];
    EXPECT_EQ(ValuesOf(plain, other(1101)), std::vector<QString>{QStringLiteral("401.00000")});
    EXPECT_EQ(ValuesOf(plain, other(1110)), std::vector<QString>{other(1206)});
    EXPECT_TRUE(ValuesOf(plain, other(1301)).empty());
    EXPECT_EQ(ValuesOf(plain, other(1103)), std::vector<QString>{QString()});

    // Without a receive frequency the dialog disables its controls; they still print.
    const std::vector<ReportPair>& disabled = section.channelBlocks[2];
    EXPECT_EQ(ValuesOf(disabled, other(1101)), std::vector<QString>{QString()});
    EXPECT_EQ(ValuesOf(disabled, other(1746)), std::vector<QString>{QStringLiteral("ON")});
    EXPECT_EQ(ValuesOf(disabled, other(1106)), std::vector<QString>{QStringLiteral("25KHz")});
}

TEST_F(ReportContentTest, NoChannelGivesAChannelSectionWithoutBlocks) {
    working().Channels.Count = 0;
    const ReportSection section = only(PrintItem::Channels);
    EXPECT_EQ(section.item, PrintItem::Channels);
    EXPECT_EQ(section.title, other(3009));
    EXPECT_TRUE(section.channelBlocks.empty());
}

TEST_F(ReportContentTest, BookRowsShowEntriesKAndKPlus50AndKPlus100) {
    CommBook& book = working().Book;
    book[0].callId = "12345";
    book[0].name = "ALPHA";
    book[50].callId = "2";
    book[50].name = "BRAVO  ";
    book[100].name = std::string("CH\0XYZ", 6);
    book[27].name = std::string("AB \0Q", 5);
    book[127].callId = "99999";
    book[127].name = "LAST";
    const ReportSection section = only(PrintItem::Book);

    EXPECT_EQ(section.title, QStringLiteral("Communication Book"));
    EXPECT_EQ(section.table.headings, (std::vector<QString>{other(3007), QStringLiteral("Call ID"),
                                                            QStringLiteral("Name")}));
    ASSERT_EQ(section.table.rows.size(), 50u);
    for (const auto& row : section.table.rows) {
        ASSERT_EQ(row.size(), 9u);
    }
    struct Case {
        int row;
        std::vector<QString> cells;
    };
    const QString e;
    const std::vector<Case> cases{
        {0, {"0", "12345", "ALPHA", "50", "2", "BRAVO", "100", e, "CH"}},
        {27, {"27", e, "AB", "77", e, e, "127", "99999", "LAST"}},
        {28, {"28", e, e, "78", e, e, e, e, e}},
        {49, {"49", e, e, "99", e, e, e, e, e}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(section.table.rows[static_cast<std::size_t>(c.row)], c.cells) << c.row;
    }
}

TEST_F(ReportContentTest, FiveToneSectionHasItsTablesAndPanels) {
    const ReportSection section = only(PrintItem::FiveTone);
    ASSERT_FALSE(section.pairs.empty());
    EXPECT_EQ(section.pairs.front().label, option(60072));
    EXPECT_TRUE(section.pairs.back().value == QStringLiteral("ON") ||
                section.pairs.back().value == QStringLiteral("OFF"));
    EXPECT_EQ(section.infoCodes.headings,
              (std::vector<QString>{option(60095), option(60096), option(60070), option(60097),
                                    option(60306)}));
    ASSERT_EQ(section.infoCodes.rows.size(), 8u);
    EXPECT_EQ(section.infoCodes.rows[7].front(), QStringLiteral("8"));
    ASSERT_EQ(section.panels.size(), 2u);
    EXPECT_EQ(section.panels[0].caption, option(60302));
    EXPECT_EQ(section.panels[1].caption, option(60303));
    for (const ReportPanel& panel : section.panels) {
        ASSERT_EQ(panel.pairs.size(), 3u);
        EXPECT_EQ(panel.pairs[0].label, option(60079));
    }
    // The PTT-ID rows are in their panels, not among the system's pairs.
    EXPECT_TRUE(ValuesOf(section.pairs, option(60079)).empty());
    EXPECT_EQ(section.codeList.headings.size(), 6u);
    EXPECT_EQ(section.codeList.headings.front(), option(60053));
    EXPECT_EQ(section.codeList.rows.size(), 100u);
}

TEST_F(ReportContentTest, TwoToneAndDtmfSectionsListWhatTheirDialogsShow) {
    working().TwoTone.codes[9].divider1High = 0x12;
    working().TwoTone.codes[9].divider1Low = 0x34;
    const std::vector<ReportSection> sections =
        collect(Only({PrintItem::Dtmf, PrintItem::TwoTone}));
    ASSERT_EQ(sections.size(), 2u);

    const ReportSection& dtmf = sections[0];
    ASSERT_GE(dtmf.pairs.size(), 20u);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(dtmf.pairs[static_cast<std::size_t>(i)].label, QStringLiteral("M%1").arg(i + 1));
    }
    EXPECT_EQ(dtmf.pairs[16].label, option(60302));
    EXPECT_EQ(dtmf.pairs[19].label, option(60093));
    // The PTT-ID mode list is hidden in the dialog.
    EXPECT_TRUE(ValuesOf(dtmf.pairs, other(1743)).empty());
    EXPECT_EQ(ValuesOf(dtmf.pairs, other(1612)).size(), 1u);

    const ReportSection& twoTone = sections[1];
    EXPECT_EQ(twoTone.table.headings,
              (std::vector<QString>{option(60053), option(60054), option(60055), option(60304)}));
    ASSERT_EQ(twoTone.table.rows.size(), 32u);
    EXPECT_EQ(twoTone.table.rows[9].front(), QStringLiteral("9"));
    EXPECT_FALSE(twoTone.table.rows[9][1].isEmpty());
    EXPECT_TRUE(twoTone.table.rows[8][1].isEmpty());
    EXPECT_EQ(ValuesOf(twoTone.pairs, option(60312)).size(), 1u);
    EXPECT_EQ(ValuesOf(twoTone.pairs, QStringLiteral("A") + option(60056)).size(), 1u);
}

// The DTMF dialog corrects out-of-range members of the record it loads; printing must not.
TEST_F(ReportContentTest, CollectingLeavesTheConfigurationAndItsSavedStateAsTheyWere) {
    const auto oddDtmf = [](DtmfSettings& d) {
        d.ani = 7;
        d.sendTime = 99;
        d.separator = 3;
        d.groupCode = 99;
        d.pauseTime = 2;
        d.sideTone = 5;
        d.decodeResponse = 9;
    };
    for (const bool modified : {false, true}) {
        freshConfiguration();
        working().Channels.put(FullChannel(12));
        working().Book[4].name = "NAME";
        if (modified) {
            context->workspace.TakeSavedCopy();
            oddDtmf(working().Dtmf);
        } else {
            oddDtmf(working().Dtmf);
            context->workspace.TakeSavedCopy();
        }
        ASSERT_EQ(context->workspace.IsModified(), modified);
        const std::vector<std::uint8_t> before = ToStoredBytes(working());
        const std::vector<std::uint8_t> channelsBefore = ToStoredBytes(working().Channels.Slots);

        const std::vector<ReportSection> sections = collect(All());
        EXPECT_EQ(sections.size(), 8u);
        EXPECT_EQ(ToStoredBytes(working()), before) << modified;
        EXPECT_EQ(ToStoredBytes(working().Channels.Slots), channelsBefore) << modified;
        EXPECT_EQ(context->workspace.IsModified(), modified);
        EXPECT_EQ(working().Dtmf.ani, 7);

        // The section shows what the dialog shows: the corrected values.
        ASSERT_GE(sections.size(), 3u);
        EXPECT_EQ(ValuesOf(sections[2].pairs, other(1740)), std::vector<QString>{other(1755)});
        // Loading the dialog alone does correct the record, so the report had to undo it.
        { const DtmfDialog dialog(*context, *prompter); }
        EXPECT_EQ(working().Dtmf.ani, 0);
    }
}

} // namespace
} // namespace kpt740
