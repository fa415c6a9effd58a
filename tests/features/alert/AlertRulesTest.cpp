#include "features/alert/AlertRules.h"

#include "core/ChannelTable.h"
#include "features/alert/AlertSettings.h"

#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace kpt740 {
namespace {

ChannelTable TableOf(std::initializer_list<int> positions) {
    ChannelTable table;
    for (int p : positions) {
        ChannelRecord record = BlankChannel(p);
        record.InUse = 1;
        EXPECT_TRUE(table.append(record));
    }
    return table;
}

std::string FakeText(int id) {
    return "T" + std::to_string(id);
}

// Which DTMF and 5-Tone codes exist, as the configuration would report them.
struct Codes {
    std::array<bool, kAlertDtmfCodeCount> dtmf{};
    std::array<bool, kAlertFiveToneCodeCount> fiveTone{};

    static Codes With(std::initializer_list<int> dtmfNumbers,
                      std::initializer_list<int> fiveToneNumbers) {
        Codes codes;
        for (int n : dtmfNumbers) {
            codes.dtmf[static_cast<std::size_t>(n)] = true;
        }
        for (int n : fiveToneNumbers) {
            codes.fiveTone[static_cast<std::size_t>(n)] = true;
        }
        return codes;
    }
    IdentityCodeSources sources() const { return {dtmf, fiveTone}; }
};

TEST(AlertRules, ListContents) {
    EXPECT_EQ(AlarmTypeItems(FakeText), (TextList{"T2630", "T2631", "T2632", "T2633"}));
    EXPECT_EQ(IdCodeTypeItems(FakeText), (TextList{"T2436", "DTMF", "5Tone"}));
    EXPECT_EQ(ChannelSelectionItems(FakeText), (TextList{"T2634", "T2635"}));

    const TextList cycles = CyclesItems(FakeText);
    ASSERT_EQ(cycles.size(), 256u);
    EXPECT_EQ(cycles[0], "T2636");
    EXPECT_EQ(cycles[1], "1");
    EXPECT_EQ(cycles[255], "255");

    const TextList loneWorker = NumberItems(kLoneWorkerFirst, kLoneWorkerLast);
    ASSERT_EQ(loneWorker.size(), 251u);
    EXPECT_EQ(loneWorker.front(), "5");
    EXPECT_EQ(loneWorker.back(), "255");
    EXPECT_EQ(NumberItems(kPreAlertFirst, kPreAlertLast).back(), "254");
}

TEST(AlertRules, IdentityCodeListFollowsTheCodeType) {
    struct Case {
        const char* what;
        int type;
        Codes codes;
        int number;
        TextList items;
        std::optional<std::size_t> selection;
        std::uint8_t storedAtOk;
    };
    const Codes m2m7 = Codes::With({1, 6}, {});
    const std::vector<Case> cases{
        {"DTMF code present", 1, m2m7, 6, {"M2", "M7"}, 1, 6},
        {"DTMF code emptied", 1, m2m7, 3, {"M2", "M7"}, 0, 1},
        {"DTMF code number out of range", 1, m2m7, 200, {"M2", "M7"}, 0, 1},
        {"no DTMF code", 1, Codes::With({}, {0, 1}), 0, {}, std::nullopt, 0},
        {"last DTMF code", 1, Codes::With({15}, {}), 15, {"M16"}, 0, 15},
        {"5-Tone code present", 2, Codes::With({}, {0, 42, 99}), 42, {"0", "42", "99"}, 1, 42},
        {"5-Tone code deleted", 2, Codes::With({}, {42, 99}), 50, {"42", "99"}, 0, 42},
        {"no 5-Tone code", 2, Codes::With({0}, {}), 7, {"0"}, 0, 0},
        {"no identity code", 0, m2m7, 6, {}, std::nullopt, 0},
        {"unknown code type", 3, m2m7, 6, {}, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const TextList items = IdentityCodeItems(c.type, c.codes.sources());
        EXPECT_EQ(items, c.items) << c.what;
        const auto selection = IdentityCodeSelection(items, c.type, c.number);
        EXPECT_EQ(selection, c.selection) << c.what;
        const auto shown = selection ? std::optional<std::string>(items[*selection]) : std::nullopt;
        EXPECT_EQ(IdCodeNumberOf(c.type, shown), c.storedAtOk) << c.what;
    }
}

TEST(AlertRules, IdentityCodeSourcesBeyondTheRadioCountsAreIgnored) {
    std::array<bool, 20> dtmf{};
    dtmf[16] = true; // would be "M17"
    std::array<bool, 3> fiveTone{false, false, true};
    EXPECT_TRUE(IdentityCodeItems(1, {dtmf, fiveTone}).empty());
    EXPECT_EQ(IdentityCodeItems(2, {dtmf, fiveTone}), (TextList{"2"}));
    EXPECT_EQ(IdentityCodeItems(2, {}), (TextList{"0"}));
}

TEST(AlertRules, CodeNumberOfAShownItem) {
    EXPECT_EQ(IdCodeNumberOf(1, "M5"), 4);
    EXPECT_EQ(IdCodeNumberOf(1, "M16"), 15);
    EXPECT_EQ(IdCodeNumberOf(2, "99"), 99);
    EXPECT_EQ(IdCodeNumberOf(0, "M5"), 0);
    EXPECT_EQ(IdCodeNumberOf(1, std::nullopt), 0);
    EXPECT_EQ(IdCodeNumberOf(1, ""), 0);
    EXPECT_EQ(IdCodeNumberOf(2, "x"), 0);
}

TEST(AlertRules, EnablingFollowsAlarmTypeChannelSelectionAndLoneWorker) {
    struct Case {
        int alarmType;
        int channelSelection;
        bool loneWorker;
        AlertControlStates states;
    };
    const std::vector<Case> cases{
        {0, 0, false, {true, false, true, false}},
        {1, 1, true, {false, true, false, true}},
        {3, 0, false, {false, true, true, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AlertEnabling(c.alarmType, c.channelSelection, c.loneWorker), c.states)
            << c.alarmType << " " << c.channelSelection << " " << c.loneWorker;
    }
}

AlertSettings InRange() {
    AlertSettings s;
    s.alarmType = 3;
    s.idCodeType = 1;
    s.idCodeNumber = 6;
    s.alarmTime = 255;
    s.txTime = 30;
    s.rxTime = 1;
    s.channelSelection = 1;
    s.emergencyChannel = 10;
    s.cycles = 255;
    s.autoDetectMode = 1;
    s.preAlertTime = 254;
    s.loneWorkerTime = 255;
    return s;
}

TEST(AlertRules, ShownSettingsReplaceWhatTheListsCannotShow) {
    struct Case {
        const char* what;
        AlertSettings stored;
        ChannelTable table;
        Codes codes;
        AlertSettings shown;
    };
    AlertSettings defaultsShown = DefaultAlertSettings();
    defaultsShown.alarmTime = 1;
    defaultsShown.txTime = 1;
    defaultsShown.rxTime = 1;

    AlertSettings outside;
    outside.alarmType = 4;
    outside.idCodeType = 3;
    outside.idCodeNumber = 9;
    outside.alarmTime = 0;
    outside.txTime = 0;
    outside.rxTime = 0;
    outside.channelSelection = 2;
    outside.emergencyChannel = 150;
    outside.cycles = 0;
    outside.autoDetectMode = 2;
    outside.preAlertTime = 255;
    outside.loneWorkerTime = 4;
    AlertSettings outsideShown;
    outsideShown.alarmTime = 1;
    outsideShown.txTime = 1;
    outsideShown.rxTime = 1;
    outsideShown.emergencyChannel = 3;
    outsideShown.preAlertTime = 1;
    outsideShown.loneWorkerTime = 5;

    AlertSettings fiveTone = InRange();
    fiveTone.idCodeType = 2;
    fiveTone.idCodeNumber = 5;
    AlertSettings fiveToneShown = fiveTone;
    fiveToneShown.idCodeNumber = 8;

    const std::vector<Case> cases{
        {"defaults of a new configuration", DefaultAlertSettings(), TableOf({203}), Codes{},
         defaultsShown},
        {"values inside their lists", InRange(), TableOf({10, 2}), Codes::With({6}, {}), InRange()},
        {"every value outside its list", outside, TableOf({12, 3, 201}), Codes::With({0}, {0}),
         outsideShown},
        {"a deleted 5-Tone code", fiveTone, TableOf({10}), Codes::With({}, {8, 9}), fiveToneShown},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToStoredBytes(AlertSettingsAsShown(c.stored, c.table, c.codes.sources())),
                  ToStoredBytes(c.shown))
            << c.what;
    }
}

TEST(AlertRules, FiveToneEditorRepointsOnlyFiveToneIdentityCodes) {
    struct Case {
        const char* what;
        std::uint8_t type;
        std::uint8_t number;
        Codes codes;
        std::uint8_t repointed;
    };
    const std::vector<Case> cases{
        {"code still in use", kIdCodeFiveTone, 8, Codes::With({}, {3, 8}), 8},
        {"code deleted", kIdCodeFiveTone, 5, Codes::With({}, {8, 3}), 3},
        {"number past the list", kIdCodeFiveTone, 200, Codes::With({}, {99}), 99},
        {"no code left", kIdCodeFiveTone, 5, Codes{}, 0},
        {"DTMF codes are not repaired", kIdCodeDtmf, 5, Codes::With({}, {3}), 5},
        {"no identity code", kIdCodeNone, 5, Codes::With({}, {3}), 5},
    };
    for (const auto& c : cases) {
        AlertSettings settings = InRange();
        settings.idCodeType = c.type;
        settings.idCodeNumber = c.number;
        RepointFiveToneIdCode(settings, c.codes.fiveTone);
        EXPECT_EQ(settings.idCodeNumber, c.repointed) << c.what;
        EXPECT_EQ(settings.idCodeType, c.type) << c.what;
    }
}

TEST(AlertRules, ResolvingRepairsTheEmergencyChannel) {
    AlertSettings settings = InRange();
    settings.emergencyChannel = 7;
    ResolveAlertChannelRefs(settings, TableOf({40, 3, 203, 12}));
    AlertSettings expected = InRange();
    expected.emergencyChannel = 12;
    EXPECT_EQ(ToStoredBytes(settings), ToStoredBytes(expected));

    settings.emergencyChannel = 0;
    ResolveAlertChannelRefs(settings, TableOf({40}));
    EXPECT_EQ(settings.emergencyChannel, 0);
}

} // namespace
} // namespace kpt740
