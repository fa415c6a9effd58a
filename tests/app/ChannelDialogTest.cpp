#include "app/ChannelDialog.h"

#include "AppTestSupport.h"
#include "app/ChannelEditRules.h"
#include "app/StartUp.h"
#include "core/Encodings.h"
#include "core/Identity.h"
#include "core/StoredRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kpt740 {
namespace {

using test::TestText;

// ---- The rules without widgets -----------------------------------------------------------

TEST(ChannelEditRules, SquelchModesFollowTheToneThatMattersAndTheSignalling) {
    struct Case {
        int decode;
        int encode;
        bool reverse;
        int signalling;
        std::vector<int> offered;
    };
    const std::vector<Case> cases{
        {0, 0, false, 0, {0}},
        {0, 0, false, 2, {0, 2}},
        {1, 0, false, 0, {0, 1}},
        {2, 0, false, 0, {0, 1}},
        {1, 0, false, 1, {0, 1, 2, 3, 4}},
        {2, 2, false, 3, {0, 1, 2, 3, 4}},
        // Reverse: the encode tone decides, the decode tone no longer counts.
        {1, 0, true, 0, {0}},
        {1, 0, true, 3, {0, 2}},
        {0, 1, true, 0, {0, 1}},
        {0, 2, true, 1, {0, 1, 2, 3, 4}},
        {0, 1, false, 0, {0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OfferedSquelchModes(c.decode, c.encode, c.reverse, c.signalling), c.offered)
            << c.decode << " " << c.encode << " " << c.reverse << " " << c.signalling;
    }
}

TEST(ChannelEditRules, ExtraDisplaySkipsTheValueThree) {
    const std::vector<int> values{0, 1, 2, 4, 5, 6, 7, 8, 9, 10};
    for (int position = 0; position < kExtraDisplayItems; ++position) {
        EXPECT_EQ(ExtraDisplayValue(position), values[static_cast<std::size_t>(position)]);
        EXPECT_EQ(ExtraDisplayPosition(values[static_cast<std::size_t>(position)]), position);
    }
    for (const int outside : {3, 11, -1, 300}) {
        EXPECT_EQ(ExtraDisplayPosition(outside), 0) << outside;
    }
}

TEST(ChannelEditRules, SmallConversions) {
    EXPECT_EQ(TransmitTextOf("400.00000", "5.00000", 2), "405.00000");
    EXPECT_EQ(TransmitTextOf("400.00000", "5.00000", 1), "395.00000");
    EXPECT_EQ(TransmitTextOf("400.00000", "5.00000", 0), "400.00000");
    EXPECT_EQ(TransmitTextOf("400.00000", "5.00000", 7), "400.00000");
    EXPECT_EQ(TransmitTextOf("", "5.00000", 2), "");
    EXPECT_EQ(PaddedPttIdCode("12"), "12000");
    EXPECT_EQ(PaddedPttIdCode(""), "00000");
    EXPECT_EQ(PaddedPttIdCode("98765"), "98765");
    EXPECT_EQ(NameOfBoxes({"A", "", "B", "", "", "", "z"}), "A B   z");
    EXPECT_EQ(SignallingOfText("DTMF"), 1);
    EXPECT_EQ(SignallingOfText("2Tone"), 2);
    EXPECT_EQ(SignallingOfText("5Tone"), 3);
    EXPECT_EQ(SignallingOfText("None"), 0);
}

// A band 400-489.995 MHz on a 5 kHz raster, as band code 49.
Identity Band49() {
    Identity identity;
    SetBandFromFile(identity, 49);
    return identity;
}

ChannelEntries EntriesFor(std::string rx, std::string tx) {
    ChannelEntries e;
    e.rxText = std::move(rx);
    e.txText = std::move(tx);
    e.signallingText = "None";
    return e;
}

TEST(ChannelEditRules, ReceiveTransmitShiftAndOffsetAreStoredFromTheBoxes) {
    struct Case {
        std::string rx;
        std::string tx;
        int shiftBefore;
        std::string rxStored;
        std::string offsetStored;
        int shift;
        bool warned;
    };
    const std::vector<Case> cases{
        {"400.123", "400.123", 0, "040012000", "000000000", 0, false},
        {"400", "405", 0, "040000000", "000500000", 2, false},
        {"420", "415", 2, "042000000", "000500000", 1, false},
        {"420", "420", 2, "042000000", "000000000", 0, false},
        // Outside the band: warned, replaced by the limit (limits are not snapped).
        {"500", "", 1, "048999500", "000000000", 1, true},
        {"399", "399", 0, "040000000", "000000000", 0, true},
        {"410", "600", 0, "041000000", "007999500", 2, true},
    };
    const Identity identity = Band49();
    for (const Case& c : cases) {
        ChannelEntries e = EntriesFor(c.rx, c.tx);
        e.shiftPosition = c.shiftBefore;
        ChannelRecord record = BlankChannel(9);
        RecordingMessageSink sink;
        StoreChannelEntries(e, record, identity, sink);
        EXPECT_EQ(record.RxFrequency.value(), c.rxStored) << c.rx << "/" << c.tx;
        EXPECT_EQ(record.Offset.value(), c.offsetStored) << c.rx << "/" << c.tx;
        EXPECT_EQ(record.ShiftDirection, c.shift) << c.rx << "/" << c.tx;
        EXPECT_EQ(sink.contains(OutOfBandMessage()), c.warned) << c.rx << "/" << c.tx;
        EXPECT_EQ(e.rxText, FrequencyToDisplay(c.rxStored, 400, sink));
    }
}

TEST(ChannelEditRules, EveryControlLandsInItsMember) {
    ChannelEntries e = EntriesFor("400.125", "400.125");
    e.nameBoxes = {"C", "H", "", "1", "", "", ""};
    e.stepPosition = 3;
    e.bandwidthPosition = 2;
    e.powerPosition = 1;
    e.signallingText = "2Tone";
    e.decodeToneTypePosition = 1;
    e.encodeToneTypePosition = 2;
    e.decodeCtcssPosition = 12;
    e.encodeCtcssPosition = -1;
    e.decodeDcsPosition = 511;
    e.encodeDcsPosition = 19;
    e.scramblerPosition = 1;
    e.dtmfPttIdPosition = 3;
    e.fiveTonePttIdPosition = 0;
    e.squelchMode = 4;
    e.extraDisplayPosition = 3;
    e.busyLockPosition = 2;
    e.dtmfCodePosition = -1;
    e.twoToneItem = "17";
    e.fiveToneItem = "";
    e.txInhibit = true;
    e.encodeToneInverted = true;
    e.reverse = true;
    e.compander = true;
    e.scanSkip = true;
    e.pttIdFlag = true;
    e.pttIdDecode = true;
    e.pttIdCode = "54321";

    ChannelRecord record = BlankChannel(12);
    record.SignallingRelation = 1;
    record.SpareByte = 0x5A;
    record.Talkaround = 1;
    NullMessageSink sink;
    StoreChannelEntries(e, record, Band49(), sink);

    EXPECT_EQ(record.Position, 12);
    EXPECT_EQ(record.InUse, 1);
    EXPECT_EQ(record.Name.raw(), "CH 1   ");
    EXPECT_EQ(record.StepIndex, 3);
    EXPECT_EQ(record.Bandwidth, 2);
    EXPECT_EQ(record.TxPower, 1);
    EXPECT_EQ(record.Signalling, 2);
    EXPECT_EQ(record.DecodeToneType, 1);
    EXPECT_EQ(record.EncodeToneType, 2);
    EXPECT_EQ(record.DecodeToneCtcss, 12);
    EXPECT_EQ(record.EncodeToneCtcss, 0);
    EXPECT_EQ(record.DecodeToneDcs, 511);
    EXPECT_EQ(record.EncodeToneDcs, 19);
    EXPECT_EQ(record.Scrambler, 1);
    EXPECT_EQ(record.DtmfPttId, 3);
    EXPECT_EQ(record.FiveTonePttId, 0);
    EXPECT_EQ(record.SquelchMode, 4);
    EXPECT_EQ(record.ExtraDisplay, 4);
    EXPECT_EQ(record.BusyLock, 2);
    EXPECT_EQ(record.DtmfCode, 0);
    EXPECT_EQ(record.TwoToneEntry, 17);
    EXPECT_EQ(record.FiveToneEntry, 0);
    EXPECT_EQ(record.TxInhibit, 1);
    EXPECT_EQ(record.DecodeToneInverted, 0);
    EXPECT_EQ(record.EncodeToneInverted, 1);
    EXPECT_EQ(record.Reverse, 1);
    EXPECT_EQ(record.Talkaround, 0);
    EXPECT_EQ(record.Compander, 1);
    EXPECT_EQ(record.ScanSkip, 1);
    EXPECT_EQ(record.PttIdFlag, 1);
    EXPECT_EQ(record.PttIdDecode, 1);
    EXPECT_EQ(record.PttIdCode.value(), "54321");
    // No control edits these.
    EXPECT_EQ(record.SignallingRelation, 1);
    EXPECT_EQ(record.SpareByte, 0x5A);
}

// ---- OK on the configuration ---------------------------------------------------------------

class ChannelOkTest : public ::testing::Test {
protected:
    void SetUp() override {
        configuration = DefaultConfiguration(49, identity.Limits);
        for (const int position : {3, 8, 40}) {
            ChannelRecord record = BlankChannel(position);
            record.InUse = 1;
            record.RxFrequency = "041000000";
            record.Offset = "000000000";
            record.SpareByte = 7;
            configuration.Channels.put(record);
        }
    }
    ChannelTable& table() { return configuration.Channels; }

    Identity identity = Band49();
    Configuration configuration;
    RecordingMessageSink sink;
};

TEST_F(ChannelOkTest, AnEmptyOrNonNumericReceiveEntryDeletesTheChannel) {
    struct Case {
        int position;
        std::string rx;
        ChannelOkOutcome outcome;
        int count;
    };
    const std::vector<Case> cases{
        {8, "", ChannelOkOutcome::Deleted, 3},
        {3, "4x0", ChannelOkOutcome::Deleted, 2},
        {77, "", ChannelOkOutcome::NothingToDelete, 2},
    };
    for (const Case& c : cases) {
        ChannelEntries e = EntriesFor(c.rx, "");
        EXPECT_EQ(ApplyChannelEntries(e, c.position, configuration, identity, sink), c.outcome);
        EXPECT_FALSE(table().ChannelExists(c.position));
        EXPECT_EQ(table().Count, c.count);
    }
    EXPECT_TRUE(sink.messages().empty());
}

TEST_F(ChannelOkTest, TheVfoCannotBeCleared) {
    const ChannelTable before = table();
    for (const std::string rx : {"", "abc"}) {
        ChannelEntries e = EntriesFor(rx, "");
        e.pttIdCode = "1";
        EXPECT_EQ(ApplyChannelEntries(e, kPositionVfo, configuration, identity, sink),
                  ChannelOkOutcome::VfoCannotBeEmpty);
        // The padding of the PTT ID code comes first.
        EXPECT_EQ(e.pttIdCode, "10000");
    }
    EXPECT_EQ(sink.messages(),
              (std::vector<Message>{VfoCannotBeEmptyMessage(), VfoCannotBeEmptyMessage()}));
    EXPECT_EQ(table().Count, before.Count);
    EXPECT_TRUE(SameMembers(*table().find(kPositionVfo), *before.find(kPositionVfo)));
}

TEST_F(ChannelOkTest, AnExistingChannelIsChangedInPlaceAndANewOneAppended) {
    ChannelEntries change = EntriesFor("430", "430");
    change.pttIdCode = "12";
    EXPECT_EQ(ApplyChannelEntries(change, 8, configuration, identity, sink),
              ChannelOkOutcome::Modified);
    EXPECT_EQ(table().Count, 4);
    EXPECT_EQ(*table().FindChannel(8), 2);
    EXPECT_EQ(table().find(8)->RxFrequency.value(), "043000000");
    EXPECT_EQ(table().find(8)->PttIdCode.value(), "12000");
    EXPECT_EQ(table().find(8)->SpareByte, 7);

    ChannelEntries add = EntriesFor("440.0125", "");
    EXPECT_EQ(ApplyChannelEntries(add, 150, configuration, identity, sink),
              ChannelOkOutcome::Added);
    EXPECT_EQ(table().Count, 5);
    EXPECT_EQ(*table().FindChannel(150), 4);
    EXPECT_EQ(table().find(150)->RxFrequency.value(), "044001250");
    EXPECT_EQ(table().find(150)->PttIdCode.value(), "00000");
    EXPECT_EQ(table().find(150)->SpareByte, 0);
    EXPECT_TRUE(sink.messages().empty());
}

// Deletes the channel when the range warning is shown, as if the table changed under the
// open dialog.
class DeletingSink final : public MessageSink {
public:
    DeletingSink(ChannelTable& table, int position) : m_table(table), m_position(position) {}
    void show(const Message& message) override {
        shown.push_back(message);
        m_table.DeleteChannel(m_position);
    }
    std::vector<Message> shown;

private:
    ChannelTable& m_table;
    int m_position;
};

TEST_F(ChannelOkTest, ARecordThatVanishedWhileCheckingIsNotSaved) {
    DeletingSink deleting(table(), 8);
    ChannelEntries e = EntriesFor("999", "");
    EXPECT_EQ(ApplyChannelEntries(e, 8, configuration, identity, deleting),
              ChannelOkOutcome::NotFound);
    EXPECT_EQ(deleting.shown, (std::vector<Message>{OutOfBandMessage(), NoFindDataMessage()}));
    EXPECT_FALSE(table().ChannelExists(8));
}

TEST_F(ChannelOkTest, ReferencesToADeletedChannelAreRepaired) {
    configuration.Scan.priority1Channel = 8;
    configuration.Scan.priority2Channel = 3;
    configuration.Alert.emergencyChannel = 8;
    ChannelEntries e = EntriesFor("", "");
    ApplyChannelEntries(e, 8, configuration, identity, sink);
    // The last memory channel in slot order is position 40.
    EXPECT_EQ(configuration.Scan.priority1Channel, 40);
    EXPECT_EQ(configuration.Scan.priority2Channel, 3);
    EXPECT_EQ(configuration.Alert.emergencyChannel, 40);
}

// ---- The dialog --------------------------------------------------------------------------

// Text ids the channel dialog shows, besides those of the shell.
const std::vector<int>& DialogTextIds() {
    static const std::vector<int> ids{1102, 1105, 1111, 1114, 1116, 1207, 1210, 1211, 1212,
                                      1214, 1215, 1216, 1217, 1218, 1219, 1220, 1300, 1301,
                                      1717, 1742, 1743, 1744, 1745, 1746, 1755, 1756, 1765,
                                      1766, 1767, 1784, 1785, 1786, 1787, 1788, 2001};
    return ids;
}

class ChannelDialogTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        std::string file = test::TestLanguageFile(kEnglish);
        std::string extra;
        for (const int id : DialogTextIds()) {
            extra += std::to_string(id) + "=" + TestText(kEnglish, id).toStdString() + "\n";
        }
        file.insert(file.find("[MSG]"), extra);
        test::WriteFile(languageFolder() / LanguageFileName(kEnglish), file);

        context = std::make_unique<AppContext>(environment());
        RunStartUpSequence(*context);
        Workspace& workspace = context->workspace;
        SetBandFromFile(workspace.identity, 49);
        workspace.working = DefaultConfiguration(49, workspace.identity.Limits);
        for (auto& entry : workspace.working.TwoTone.codes) {
            entry.isEmpty = 1;
        }
        for (auto& code : workspace.working.FiveTone.codes) {
            code.isEmpty = 1;
        }
        for (const int entry : {4, 9, 30}) {
            workspace.working.TwoTone.codes[static_cast<std::size_t>(entry)].isEmpty = 0;
        }
        workspace.working.Channels.put(Channel7());
    }
    void TearDown() override {
        context.reset();
        test::AppTest::TearDown();
    }

    // Position 7: 400.125 MHz, +5 MHz, "AB", 2-Tone entry 9, CTCSS decode, inverted DCS encode.
    static ChannelRecord Channel7() {
        ChannelRecord r = BlankChannel(7);
        r.InUse = 1;
        r.RxFrequency = "040012500";
        r.Offset = "000500000";
        r.ShiftDirection = 2;
        r.Name = std::string("AB") + '\0';
        r.StepIndex = 4;
        r.Bandwidth = 2;
        r.TxPower = 1;
        r.SignallingRelation = 1;
        r.Signalling = 2;
        r.TwoToneEntry = 9;
        r.DecodeToneType = 1;
        r.DecodeToneCtcss = 12;
        r.EncodeToneType = 2;
        r.EncodeToneDcs = 19;
        r.EncodeToneInverted = 1;
        r.Scrambler = 1;
        r.FiveTonePttId = 2;
        r.SquelchMode = 3;
        r.ExtraDisplay = 5;
        r.BusyLock = 2;
        r.Compander = 1;
        r.PttIdFlag = 1;
        r.PttIdCode = "12345";
        return r;
    }

    std::unique_ptr<ChannelDialog> open(int position) {
        auto dialog = std::make_unique<ChannelDialog>(*context, *prompter, position);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    template <class T> static T* child(const ChannelDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QLineEdit* box(const ChannelDialog& d, const char* name) {
        return child<QLineEdit>(d, name);
    }
    static QComboBox* list(const ChannelDialog& d, const char* name) {
        return child<QComboBox>(d, name);
    }
    static QCheckBox* check(const ChannelDialog& d, const char* name) {
        return child<QCheckBox>(d, name);
    }
    static void clickOk(const ChannelDialog& d) {
        QTest::mouseClick(child<QPushButton>(d, "CommandOK"), Qt::LeftButton);
    }
    static void setText(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    // Each character to whichever control has the focus when it is typed.
    static void typeIntoFocus(const QString& text) {
        for (const QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        }
    }
    ChannelTable& table() { return context->workspace.working.Channels; }

    std::unique_ptr<AppContext> context;
};

TEST_F(ChannelDialogTest, AnEmptyPositionShowsABlankRecordWithEverythingDisabled) {
    const ChannelTable before = table();
    auto dialog = open(20);
    EXPECT_EQ(dialog->objectName(), QStringLiteral("FrmCHEdit"));
    EXPECT_EQ(dialog->windowTitle(), TestText(kEnglish, 1300));
    EXPECT_EQ(child<QPushButton>(*dialog, "CommandOK")->text(), TestText(kEnglish, 101));
    EXPECT_EQ(child<QPushButton>(*dialog, "CommandCancel")->text(), TestText(kEnglish, 102));
    EXPECT_EQ(child<QLabel>(*dialog, "DecodeToneLabel")->text(),
              TestText(kEnglish, 1107) + TestText(kEnglish, 1112));
    EXPECT_EQ(box(*dialog, "RxFrequencyBox")->text(), QString());
    EXPECT_EQ(box(*dialog, "OffsetBox")->text(), QStringLiteral("0.00000"));
    EXPECT_EQ(box(*dialog, "PttIdCodeBox")->text(), QStringLiteral("00000"));
    EXPECT_TRUE(box(*dialog, "RxFrequencyBox")->isEnabled());
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QCheckBox*>(control)) {
            if (control->objectName() != QStringLiteral("RxFrequencyBox")) {
                EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
            }
        }
    }
    EXPECT_TRUE(child<QPushButton>(*dialog, "CommandOK")->isEnabled());

    clickOk(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->tableChanged());
    EXPECT_EQ(table().Count, before.Count);
    EXPECT_TRUE(prompter->asked().empty());
}

TEST_F(ChannelDialogTest, AnExistingChannelIsShownMemberByMember) {
    auto dialog = open(7);
    const auto& d = *dialog;
    EXPECT_EQ(box(d, "RxFrequencyBox")->text(), QStringLiteral("400.12500"));
    EXPECT_EQ(box(d, "OffsetBox")->text(), QStringLiteral("5.00000"));
    EXPECT_EQ(box(d, "TxFrequencyBox")->text(), QStringLiteral("405.12500"));
    EXPECT_EQ(list(d, "ShiftList")->currentIndex(), 2);
    const QStringList names{"A", "B", "", "", "", "", ""};
    for (int i = 0; i < kChannelNameBoxes; ++i) {
        const std::string name = "NameBox" + std::to_string(i);
        EXPECT_EQ(box(d, name.c_str())->text(), names[i]) << name;
    }
    QComboBox* step = list(d, "StepList");
    EXPECT_EQ(step->count(), 9);
    EXPECT_EQ(step->currentText(), QStringLiteral("12.5K"));
    EXPECT_EQ(list(d, "BandwidthList")->currentText(), QStringLiteral("12.5KHz"));
    EXPECT_EQ(list(d, "PowerList")->currentText(), TestText(kEnglish, 1221));
    EXPECT_EQ(list(d, "RelationList")->currentText(), TestText(kEnglish, 1203));
    EXPECT_EQ(list(d, "SignallingList")->currentText(), QStringLiteral("2Tone"));
    QComboBox* twoTone = list(d, "TwoToneEntryList");
    EXPECT_TRUE(twoTone->isVisibleTo(dialog.get()));
    EXPECT_EQ(twoTone->count(), 3);
    EXPECT_EQ(twoTone->currentText(), QStringLiteral("9"));
    EXPECT_FALSE(list(d, "DtmfCodeList")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(list(d, "FiveToneEntryList")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(check(d, "PttIdBox")->isVisibleTo(dialog.get()));
    EXPECT_TRUE(check(d, "PttIdBox")->isChecked());

    EXPECT_TRUE(list(d, "DecodeCtcssList")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(list(d, "DecodeDcsList")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(check(d, "DecodeInvertedBox")->isVisibleTo(dialog.get()));
    EXPECT_EQ(list(d, "DecodeCtcssList")->currentText(), QStringLiteral("97.4"));
    EXPECT_EQ(list(d, "DecodeDcsList")->count(), 512);
    EXPECT_EQ(list(d, "DecodeDcsList")->itemText(511), QStringLiteral("777"));
    EXPECT_FALSE(list(d, "EncodeCtcssList")->isVisibleTo(dialog.get()));
    EXPECT_TRUE(list(d, "EncodeDcsList")->isVisibleTo(dialog.get()));
    EXPECT_EQ(list(d, "EncodeDcsList")->currentText(), QStringLiteral("023"));
    EXPECT_TRUE(check(d, "EncodeInvertedBox")->isVisibleTo(dialog.get()));
    EXPECT_TRUE(check(d, "EncodeInvertedBox")->isChecked());

    EXPECT_EQ(list(d, "ScramblerList")->currentText(), TestText(kEnglish, 1756));
    EXPECT_EQ(list(d, "DtmfPttIdList")->currentIndex(), 0);
    EXPECT_EQ(list(d, "FiveTonePttIdList")->currentText(), TestText(kEnglish, 1766));
    QComboBox* squelch = list(d, "SquelchModeList");
    EXPECT_EQ(squelch->count(), 5);
    EXPECT_EQ(squelch->currentText(), TestText(kEnglish, 1787));
    EXPECT_EQ(list(d, "ExtraDisplayList")->currentText(), TestText(kEnglish, 1215));
    EXPECT_EQ(list(d, "BusyLockList")->currentText(), QStringLiteral("Busy"));
    EXPECT_TRUE(check(d, "CompanderBox")->isChecked());
    EXPECT_FALSE(check(d, "ReverseBox")->isChecked());
    EXPECT_EQ(box(d, "PttIdCodeBox")->text(), QStringLiteral("12345"));
    EXPECT_TRUE(list(d, "StepList")->isEnabled());
    EXPECT_TRUE(prompter->asked().empty());
}

TEST_F(ChannelDialogTest, ValuesOutsideTheirListsShowTheFirstItem) {
    ChannelRecord r = Channel7();
    r.StepIndex = 40;
    r.Bandwidth = 7;
    r.Signalling = 2;
    r.TwoToneEntry = 5; // not in use
    r.DecodeToneCtcss = 99;
    r.ExtraDisplay = 3;
    r.SquelchMode = 9;
    table().put(r);
    auto dialog = open(7);
    EXPECT_EQ(list(*dialog, "StepList")->currentIndex(), 0);
    EXPECT_EQ(list(*dialog, "BandwidthList")->currentIndex(), 0);
    EXPECT_EQ(list(*dialog, "TwoToneEntryList")->currentText(), QStringLiteral("4"));
    EXPECT_EQ(list(*dialog, "DecodeCtcssList")->currentIndex(), 0);
    EXPECT_EQ(list(*dialog, "ExtraDisplayList")->currentIndex(), 0);
    EXPECT_EQ(list(*dialog, "SquelchModeList")->currentIndex(), 0);
}

TEST_F(ChannelDialogTest, ASquelchModeOfTheEncodeToneSurvivesLoadingWithReverse) {
    ChannelRecord r = Channel7();
    r.DecodeToneType = 0;
    r.EncodeToneType = 1;
    r.Signalling = 0;
    r.Reverse = 1;
    r.SquelchMode = 1;
    table().put(r);
    auto dialog = open(7);
    QComboBox* squelch = list(*dialog, "SquelchModeList");
    EXPECT_EQ(squelch->count(), 2);
    EXPECT_EQ(squelch->currentText(), TestText(kEnglish, 1785));
}

TEST_F(ChannelDialogTest, ChoosingAToneTypeShowsItsListAtTheFirstItem) {
    auto dialog = open(7);
    const auto& d = *dialog;
    QComboBox* type = list(d, "DecodeToneTypeList");
    QComboBox* ctcss = list(d, "DecodeCtcssList");
    QComboBox* dcs = list(d, "DecodeDcsList");
    QCheckBox* inverted = check(d, "DecodeInvertedBox");
    inverted->setChecked(true);
    dcs->setCurrentIndex(100);

    type->setCurrentIndex(2);
    EXPECT_FALSE(ctcss->isVisibleTo(dialog.get()));
    EXPECT_TRUE(dcs->isVisibleTo(dialog.get()));
    EXPECT_EQ(dcs->currentIndex(), 0);
    EXPECT_TRUE(inverted->isVisibleTo(dialog.get()));
    EXPECT_TRUE(inverted->isEnabled());
    EXPECT_FALSE(inverted->isChecked());

    type->setCurrentIndex(1);
    EXPECT_TRUE(ctcss->isVisibleTo(dialog.get()));
    EXPECT_EQ(ctcss->currentIndex(), 0);
    EXPECT_FALSE(dcs->isVisibleTo(dialog.get()));
    EXPECT_FALSE(inverted->isVisibleTo(dialog.get()));

    type->setCurrentIndex(0);
    EXPECT_FALSE(ctcss->isVisibleTo(dialog.get()));
    EXPECT_FALSE(dcs->isVisibleTo(dialog.get()));
    // Decode none, signalling 2-Tone: carrier and signalling only.
    EXPECT_EQ(list(d, "SquelchModeList")->count(), 2);

    QComboBox* encode = list(d, "EncodeToneTypeList");
    encode->setCurrentIndex(1);
    EXPECT_TRUE(list(d, "EncodeCtcssList")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(list(d, "EncodeDcsList")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(check(d, "EncodeInvertedBox")->isVisibleTo(dialog.get()));
}

TEST_F(ChannelDialogTest, ChoosingASignallingSystemShowsItsList) {
    auto dialog = open(7);
    const auto& d = *dialog;
    struct Case {
        int position;
        const char* shown;
        int selected;
        int squelchItems;
    };
    // The decode tone is CTCSS: five squelch modes with any system, two without.
    const std::vector<Case> cases{
        {1, "DtmfCodeList", 0, 5},
        {3, "FiveToneEntryList", -1, 5}, // no 5-Tone code in use
        {2, "TwoToneEntryList", 0, 5},
        {0, nullptr, 0, 2},
    };
    const std::vector<const char*> lists{"DtmfCodeList", "TwoToneEntryList", "FiveToneEntryList"};
    for (const Case& c : cases) {
        list(d, "SignallingList")->setCurrentIndex(c.position);
        for (const char* name : lists) {
            const bool shown = c.shown != nullptr && std::string(name) == c.shown;
            EXPECT_EQ(list(d, name)->isVisibleTo(dialog.get()), shown) << c.position << name;
            if (shown) {
                EXPECT_EQ(list(d, name)->currentIndex(), c.selected) << name;
            }
        }
        EXPECT_FALSE(check(d, "PttIdBox")->isVisibleTo(dialog.get()));
        EXPECT_EQ(list(d, "SquelchModeList")->count(), c.squelchItems) << c.position;
    }
}

TEST_F(ChannelDialogTest, OnlyOnePttIdListIsActive) {
    auto dialog = open(7);
    QComboBox* dtmf = list(*dialog, "DtmfPttIdList");
    QComboBox* fiveTone = list(*dialog, "FiveTonePttIdList");
    EXPECT_EQ(fiveTone->currentIndex(), 2);
    dtmf->setCurrentIndex(1);
    EXPECT_EQ(fiveTone->currentIndex(), 0);
    fiveTone->setCurrentIndex(3);
    EXPECT_EQ(dtmf->currentIndex(), 0);
    fiveTone->setCurrentIndex(0);
    EXPECT_EQ(dtmf->currentIndex(), 0);
}

TEST_F(ChannelDialogTest, ReverseMakesTheEncodeToneDecideTheSquelchModes) {
    ChannelRecord r = Channel7();
    r.EncodeToneType = 0;
    r.Signalling = 0;
    r.SquelchMode = 1;
    table().put(r);
    auto dialog = open(7);
    QComboBox* squelch = list(*dialog, "SquelchModeList");
    EXPECT_EQ(squelch->count(), 2);
    EXPECT_EQ(squelch->currentIndex(), 1);
    QTest::mouseClick(check(*dialog, "ReverseBox"), Qt::LeftButton);
    EXPECT_TRUE(check(*dialog, "ReverseBox")->isChecked());
    ASSERT_EQ(squelch->count(), 1);
    EXPECT_EQ(squelch->currentText(), TestText(kEnglish, 1784));
    QTest::mouseClick(check(*dialog, "ReverseBox"), Qt::LeftButton);
    EXPECT_EQ(squelch->count(), 2);
    // The mode chosen before is gone from the list; the first item stays chosen.
    EXPECT_EQ(squelch->currentIndex(), 0);
}

TEST_F(ChannelDialogTest, EmptyingTheReceiveBoxDisablesTheRest) {
    auto dialog = open(7);
    QLineEdit* rx = box(*dialog, "RxFrequencyBox");
    setText(rx, QString());
    EXPECT_FALSE(list(*dialog, "StepList")->isEnabled());
    EXPECT_FALSE(box(*dialog, "NameBox3")->isEnabled());
    EXPECT_FALSE(check(*dialog, "ReverseBox")->isEnabled());
    QTest::keyClick(rx, Qt::Key_4);
    EXPECT_TRUE(list(*dialog, "StepList")->isEnabled());
    EXPECT_TRUE(box(*dialog, "NameBox3")->isEnabled());
    EXPECT_TRUE(check(*dialog, "ReverseBox")->isEnabled());
}

TEST_F(ChannelDialogTest, BoxesAdmitOnlyTheirCharacters) {
    auto dialog = open(7);
    struct Case {
        const char* box;
        QString typed;
        QString kept;
    };
    const std::vector<Case> cases{
        {"RxFrequencyBox", QStringLiteral("4a0-0.1 2,5"), QStringLiteral("400.125")},
        {"OffsetBox", QStringLiteral("+5.x0"), QStringLiteral("5.0")},
        {"PttIdCodeBox", QStringLiteral("1a2*#34567"), QStringLiteral("12345")},
        {"TxFrequencyBox", QStringLiteral("abc 4"), QStringLiteral("abc 4")},
    };
    for (const Case& c : cases) {
        QLineEdit* edit = box(*dialog, c.box);
        setText(edit, c.typed);
        EXPECT_EQ(edit->text(), c.kept) << c.box;
    }
}

TEST_F(ChannelDialogTest, ClipboardKeysAndWideCharactersAreIgnored) {
    auto dialog = open(7);
    QApplication::clipboard()->setText(QStringLiteral("999"));
    for (const char* name : {"RxFrequencyBox", "TxFrequencyBox", "PttIdCodeBox", "NameBox2"}) {
        QLineEdit* edit = box(*dialog, name);
        const QString before = edit->text();
        edit->setFocus();
        edit->deselect();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QKeyEvent wide(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("é"));
        QApplication::sendEvent(edit, &wide);
        EXPECT_EQ(edit->text(), before) << name;
    }
    QApplication::clipboard()->setText(QStringLiteral("keep"));
    QLineEdit* rx = box(*dialog, "RxFrequencyBox");
    rx->setFocus();
    rx->selectAll();
    QTest::keyClick(rx, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("keep"));
}

TEST_F(ChannelDialogTest, NameBoxesTakeOneCharacterAndMoveOn) {
    auto dialog = open(20);
    setText(box(*dialog, "RxFrequencyBox"), QStringLiteral("410"));
    QLineEdit* first = box(*dialog, "NameBox0");
    first->setFocus();
    QTest::keyClicks(first, QStringLiteral("\\~A"));
    EXPECT_EQ(first->text(), QStringLiteral("A"));
    EXPECT_TRUE(box(*dialog, "NameBox1")->hasFocus());
    typeIntoFocus(QStringLiteral("b c"));
    EXPECT_EQ(box(*dialog, "NameBox1")->text(), QStringLiteral("b"));
    EXPECT_EQ(box(*dialog, "NameBox2")->text(), QStringLiteral(" "));
    EXPECT_EQ(box(*dialog, "NameBox3")->text(), QStringLiteral("c"));
    EXPECT_TRUE(box(*dialog, "NameBox4")->hasFocus());
    // The last box moves on to the control after it.
    box(*dialog, "NameBox6")->setFocus();
    QTest::keyClicks(box(*dialog, "NameBox6"), QStringLiteral("Z"));
    EXPECT_EQ(box(*dialog, "NameBox6")->text(), QStringLiteral("Z"));
    EXPECT_TRUE(list(*dialog, "StepList")->hasFocus());

    clickOk(*dialog);
    ASSERT_TRUE(table().ChannelExists(20));
    EXPECT_EQ(table().find(20)->Name.raw(), "Ab c  Z");
}

TEST_F(ChannelDialogTest, EnterMovesOnInsteadOfPressingOk) {
    auto dialog = open(7);
    QLineEdit* rx = box(*dialog, "RxFrequencyBox");
    rx->setFocus();
    QTest::keyClick(rx, Qt::Key_Return);
    EXPECT_TRUE(box(*dialog, "TxFrequencyBox")->hasFocus());
    QComboBox* step = list(*dialog, "StepList");
    step->setFocus();
    QTest::keyClick(step, Qt::Key_Enter);
    EXPECT_TRUE(list(*dialog, "BandwidthList")->hasFocus());
    QCheckBox* reverse = check(*dialog, "ReverseBox");
    reverse->setFocus();
    QTest::keyClick(reverse, Qt::Key_Return);
    EXPECT_TRUE(check(*dialog, "TalkaroundBox")->hasFocus());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ChannelDialogTest, EnteringABoxSelectsItsText) {
    auto dialog = open(7);
    QLineEdit* rx = box(*dialog, "RxFrequencyBox");
    box(*dialog, "TxFrequencyBox")->setFocus();
    rx->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(rx->selectedText(), QStringLiteral("400.12500"));
}

TEST_F(ChannelDialogTest, OkStoresTheEntriesSnappedToTheRaster) {
    struct Case {
        QString rx;
        QString tx;
        std::string rxStored;
        int direction;
        std::string offset;
        bool warned;
    };
    const std::vector<Case> cases{
        {"400.123", "400.123", "040012000", 0, "000000000", false},
        {"400", "405", "040000000", 2, "000500000", false},
        {"420", "415", "042000000", 1, "000500000", false},
        {"520", "520", "048999500", 0, "000000000", true},
    };
    for (const Case& c : cases) {
        prompter->clear();
        auto dialog = open(7);
        setText(box(*dialog, "RxFrequencyBox"), c.rx);
        setText(box(*dialog, "TxFrequencyBox"), c.tx);
        clickOk(*dialog);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(dialog->tableChanged());
        const ChannelRecord* stored = table().find(7);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(stored->RxFrequency.value(), c.rxStored) << c.rx.toStdString();
        EXPECT_EQ(stored->ShiftDirection, c.direction) << c.rx.toStdString();
        EXPECT_EQ(stored->Offset.value(), c.offset) << c.rx.toStdString();
        NullMessageSink sink;
        EXPECT_EQ(box(*dialog, "RxFrequencyBox")->text(),
                  QString::fromStdString(FrequencyToDisplay(c.rxStored, 400, sink)));
        if (c.warned) {
            ASSERT_GE(prompter->asked().size(), 1u);
            EXPECT_EQ(prompter->asked()[0].text, TestText(kEnglish, 2001));
            EXPECT_EQ(prompter->asked()[0].icon, MessageIcon::Warning);
        } else {
            EXPECT_TRUE(prompter->asked().empty());
        }
    }
}

TEST_F(ChannelDialogTest, OkWithoutChangesKeepsTheRecord) {
    const ChannelRecord before = *table().find(7);
    auto dialog = open(7);
    clickOk(*dialog);
    EXPECT_TRUE(SameMembers(*table().find(7), before));
    EXPECT_TRUE(prompter->asked().empty());
}

TEST_F(ChannelDialogTest, AShortPttIdCodeIsPadded) {
    auto dialog = open(7);
    setText(box(*dialog, "PttIdCodeBox"), QStringLiteral("12"));
    clickOk(*dialog);
    EXPECT_EQ(table().find(7)->PttIdCode.value(), "12000");
}

TEST_F(ChannelDialogTest, ClearingTheReceiveFrequencyDeletesAndRepairsReferences) {
    context->workspace.working.Scan.priority1Channel = 7;
    ChannelRecord other = BlankChannel(30);
    other.InUse = 1;
    other.RxFrequency = "041000000";
    table().put(other);
    auto dialog = open(7);
    setText(box(*dialog, "RxFrequencyBox"), QString());
    clickOk(*dialog);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->tableChanged());
    EXPECT_FALSE(table().ChannelExists(7));
    EXPECT_EQ(context->workspace.working.Scan.priority1Channel, 30);
}

TEST_F(ChannelDialogTest, TheVfoRefusesAnEmptyReceiveFrequency) {
    const ChannelRecord before = *table().find(kPositionVfo);
    auto dialog = open(kPositionVfo);
    QLineEdit* rx = box(*dialog, "RxFrequencyBox");
    setText(rx, QString());
    box(*dialog, "TxFrequencyBox")->setFocus();
    clickOk(*dialog);
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, QStringLiteral("VFO can't be null!"));
    EXPECT_EQ(prompter->asked()[0].buttons, PromptButtons::Ok);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->tableChanged());
    EXPECT_TRUE(rx->hasFocus());
    EXPECT_TRUE(SameMembers(*table().find(kPositionVfo), before));
}

TEST_F(ChannelDialogTest, CancelChangesNothing) {
    const ChannelTable before = table();
    auto dialog = open(7);
    setText(box(*dialog, "RxFrequencyBox"), QStringLiteral("430"));
    list(*dialog, "SignallingList")->setCurrentIndex(1);
    check(*dialog, "ReverseBox")->setChecked(true);
    QTest::mouseClick(child<QPushButton>(*dialog, "CommandCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->tableChanged());
    ASSERT_EQ(table().Count, before.Count);
    for (int slot = 0; slot < table().Count; ++slot) {
        EXPECT_TRUE(SameMembers(table().Slots[static_cast<std::size_t>(slot)],
                                before.Slots[static_cast<std::size_t>(slot)]));
    }
}

TEST_F(ChannelDialogTest, OpenChannelDialogReportsAChangedTable) {
    struct Case {
        int position;
        QString rx;
        bool changed;
    };
    for (const Case& c : {Case{7, QStringLiteral("430"), true}, Case{25, QString(), false}}) {
        QTimer::singleShot(0, [this, c] {
            auto* dialog = qobject_cast<ChannelDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->position(), c.position);
            setText(box(*dialog, "RxFrequencyBox"), c.rx);
            clickOk(*dialog);
        });
        EXPECT_EQ(OpenChannelDialog(nullptr, *context, *prompter, c.position), c.changed);
    }
    EXPECT_EQ(table().find(7)->RxFrequency.value(), "043000000");
}

} // namespace
} // namespace kpt740
