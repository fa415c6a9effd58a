#include "AppTestSupport.h"
#include "app/ChannelGridModel.h"
#include "app/ChannelGridView.h"
#include "app/Localisation.h"
#include "app/StartUp.h"

#include <QAction>
#include <QBrush>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

namespace kpt740 {
namespace {

ChannelRecord Channel(int position) {
    ChannelRecord r = BlankChannel(position);
    r.InUse = 1;
    r.RxFrequency = "040012500";
    r.Offset = "000500000";
    r.Name = "HOME";
    return r;
}

class ChannelGridTest : public test::AppTest {
protected:
    void SetUp() override {
        test::AppTest::SetUp();
        m_context = std::make_unique<AppContext>(environment());
        RunStartUpSequence(*m_context);
        window = std::make_unique<test::RecordingMainWindow>(*m_context);
        model = window->channelModel();
        grid = window->grid(0);
    }
    void TearDown() override {
        window.reset();
        m_context.reset();
        test::AppTest::TearDown();
    }
    ChannelTable& table() { return m_context->workspace.working.Channels; }
    void put(const ChannelRecord& record) {
        table().put(record);
        window->ShowListByData();
    }
    QString cell(int row, int column) const { return model->cellText(row, column); }
    void key(int row, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        grid->setCurrentCell(row, 1);
        QTest::keyClick(grid, k, modifiers);
    }

    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<test::RecordingMainWindow> window;
    ChannelGridModel* model = nullptr;
    ChannelGridView* grid = nullptr;
};

TEST_F(ChannelGridTest, ANewConfigurationShowsOnlyTheVfoRow) {
    EXPECT_EQ(model->rowCount(), 203);
    EXPECT_EQ(model->columnCount(), 12);
    for (int row = 1; row <= 202; ++row) {
        for (int column = 1; column <= 11; ++column) {
            ASSERT_EQ(cell(row, column), QString()) << row << "," << column;
        }
    }
    EXPECT_EQ(cell(203, 0), QStringLiteral("VFO"));
    EXPECT_EQ(cell(203, 1), QStringLiteral("445.00000"));
    EXPECT_EQ(cell(203, 2), QStringLiteral("445.00000"));
    EXPECT_EQ(cell(203, 5), QStringLiteral("25K"));
    EXPECT_EQ(cell(203, 7), QStringLiteral("E1204"));
    EXPECT_EQ(cell(203, 8), QStringLiteral("E1206"));
    EXPECT_EQ(cell(203, 9), QStringLiteral("E1206"));
    EXPECT_EQ(cell(203, 10), QStringLiteral("E1206"));
}

TEST_F(ChannelGridTest, HeadersLabelsAndLook) {
    EXPECT_EQ(cell(0, 0), QStringLiteral("E3006"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("E1101"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("E1140"));
    EXPECT_EQ(cell(0, 6), QStringLiteral("E1108"));
    EXPECT_EQ(cell(0, 8), QStringLiteral("E1107\nE1112"));
    EXPECT_EQ(cell(0, 9), QStringLiteral("E1107\nE1113"));
    EXPECT_EQ(cell(0, 11), QString());
    EXPECT_EQ(model->headerData(10, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("E1110"));

    const std::vector<std::pair<int, QString>> labels{{1, "0"},    {2, "1"},    {200, "199"},
                                                      {201, "PA"}, {202, "PB"}, {203, "VFO"}};
    for (const auto& [row, label] : labels) {
        EXPECT_EQ(cell(row, 0), label) << row;
    }

    auto color = [&](int row, int column, int role) {
        return model->data(model->indexAt(row, column), role).value<QBrush>().color();
    };
    EXPECT_EQ(model->headerData(3, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0, 0, 155));
    EXPECT_EQ(color(1, 0, Qt::ForegroundRole), QColor(0, 0, 255));
    EXPECT_EQ(color(2, 1, Qt::BackgroundRole), QColor(250, 250, 240));
    EXPECT_EQ(color(2, 11, Qt::BackgroundRole), QColor(250, 250, 240));
    EXPECT_FALSE(model->data(model->indexAt(2, 0), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model->data(model->indexAt(3, 1), Qt::BackgroundRole).isValid());
    EXPECT_EQ(model->data(model->indexAt(5, 4), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);

    EXPECT_EQ(grid->columnWidth(0), TwipsToPixels(grid, 600));
    EXPECT_EQ(grid->columnWidth(5), TwipsToPixels(grid, 1500));
    EXPECT_EQ(grid->columnWidth(7), TwipsToPixels(grid, 1200));
    EXPECT_EQ(grid->columnWidth(8), TwipsToPixels(grid, 1400));
    EXPECT_TRUE(grid->isColumnHidden(6));
    EXPECT_EQ(grid->horizontalHeader()->height(), TwipsToPixels(grid, 500));

    // Grids 1 and 2 are formatted alike but hold nothing; grid 2 has its own header.
    const QAbstractItemModel* grid1 = window->grid(1)->model();
    const QAbstractItemModel* grid2 = window->grid(2)->model();
    EXPECT_EQ(grid1->rowCount(), 129);
    EXPECT_EQ(grid1->columnCount(), 3);
    EXPECT_EQ(grid2->rowCount(), 100);
    EXPECT_EQ(grid2->columnCount(), 2);
    EXPECT_EQ(grid2->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ID"));
    EXPECT_EQ(grid2->headerData(1, Qt::Horizontal).toString(), QStringLiteral("E1101"));
    EXPECT_EQ(grid2->data(grid2->index(1, 1), Qt::BackgroundRole).value<QBrush>().color(),
              QColor(250, 250, 240));
    EXPECT_EQ(window->gridStack()->currentWidget(), grid);
}

TEST_F(ChannelGridTest, CellRules) {
    struct Case {
        const char* what;
        void (*set)(ChannelRecord&);
        int column;
        const char* shown;
    };
    const Case cases[] = {
        {"receive", [](ChannelRecord&) {}, 1, "400.12500"},
        {"no shift", [](ChannelRecord&) {}, 2, "400.12500"},
        {"minus shift", [](ChannelRecord& r) { r.ShiftDirection = 1; }, 2, "395.12500"},
        {"plus shift", [](ChannelRecord& r) { r.ShiftDirection = 2; }, 2, "405.12500"},
        {"name", [](ChannelRecord&) {}, 3, "HOME"},
        {"step", [](ChannelRecord& r) { r.StepIndex = 1; }, 4, "6.25K"},
        {"step outside the list", [](ChannelRecord& r) { r.StepIndex = 40; }, 4, ""},
        {"bandwidth 12.5K", [](ChannelRecord& r) { r.Bandwidth = 2; }, 5, "12.5K"},
        {"bandwidth above 2", [](ChannelRecord& r) { r.Bandwidth = 5; }, 5, "20K"},
        {"relation 1", [](ChannelRecord& r) { r.SignallingRelation = 1; }, 6, "E1203"},
        {"relation above 1", [](ChannelRecord& r) { r.SignallingRelation = 4; }, 6, "E1202"},
        {"power 1", [](ChannelRecord& r) { r.TxPower = 1; }, 7, "E1221"},
        {"power above 2", [](ChannelRecord& r) { r.TxPower = 3; }, 7, "E1204"},
        {"CTCSS decode",
         [](ChannelRecord& r) {
             r.DecodeToneType = 1;
             r.DecodeToneCtcss = 0;
         },
         8, "62.5"},
        {"CTCSS index above 50",
         [](ChannelRecord& r) {
             r.DecodeToneType = 1;
             r.DecodeToneCtcss = 51;
         },
         8, "62.5"},
        {"D023I",
         [](ChannelRecord& r) {
             r.DecodeToneType = 2;
             r.DecodeToneDcs = 19;
             r.DecodeToneInverted = 1;
         },
         8, "D023I"},
        {"DCS code above 511",
         [](ChannelRecord& r) {
             r.EncodeToneType = 2;
             r.EncodeToneDcs = 600;
         },
         9, "D000N"},
        {"no tone", [](ChannelRecord& r) { r.EncodeToneType = 7; }, 9, "E1206"},
        {"DTMF M1",
         [](ChannelRecord& r) {
             r.Signalling = 1;
             r.DtmfCode = 0;
         },
         10, "DTMF M1"},
        {"2tone 3",
         [](ChannelRecord& r) {
             r.Signalling = 2;
             r.TwoToneEntry = 3;
         },
         10, "2tone 3"},
        {"5tone 12",
         [](ChannelRecord& r) {
             r.Signalling = 3;
             r.FiveToneEntry = 12;
         },
         10, "5tone 12"},
        {"no signalling", [](ChannelRecord& r) { r.Signalling = 9; }, 10, "E1206"},
    };
    for (const Case& c : cases) {
        ChannelRecord record = Channel(5);
        c.set(record);
        put(record);
        EXPECT_EQ(cell(5, c.column), QString::fromLatin1(c.shown)) << c.what;
        // Clamping changes only what is shown.
        EXPECT_TRUE(SameMembers(*table().find(5), record)) << c.what;
    }
    EXPECT_EQ(cell(5, 0), QStringLiteral("4"));
    EXPECT_EQ(cell(5, 11), QString());
}

TEST_F(ChannelGridTest, RedrawsAreAModelResetOrOneRow) {
    put(Channel(10));
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(model, &QAbstractItemModel::dataChanged);
    window->ShowListByData();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(changes.count(), 0);

    table().find(10)->Name = "AWAY";
    EXPECT_EQ(cell(10, 3), QStringLiteral("HOME"));
    window->ReShowGrid(1, 10); // other grids are not redrawn
    EXPECT_EQ(cell(10, 3), QStringLiteral("HOME"));
    window->ReShowGrid(0, 10);
    EXPECT_EQ(cell(10, 3), QStringLiteral("AWAY"));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].toModelIndex(), model->indexAt(10, 1));
    EXPECT_EQ(changes[0][1].toModelIndex(), model->indexAt(10, 10));

    table().DeleteChannel(10);
    window->ReShowGrid(0, 10);
    EXPECT_EQ(cell(10, 1), QString());
    EXPECT_EQ(cell(10, 0), QStringLiteral("9"));
}

TEST_F(ChannelGridTest, ABadFrequencyIsReportedAfterTheRedraw) {
    ChannelRecord record = Channel(3);
    record.RxFrequency = "04X012500";
    put(record);
    ASSERT_EQ(prompter->asked().size(), 1u);
    EXPECT_EQ(prompter->asked()[0].text, QStringLiteral("Not IsNumeric"));
    EXPECT_EQ(cell(3, 1), QStringLiteral("400"));
}

TEST_F(ChannelGridTest, ClipboardKeys) {
    put(Channel(2));
    ChannelRecord other = Channel(4);
    other.Name = "FOUR";
    put(other);

    // Ctrl+V before any copy does nothing.
    key(6, Qt::Key_V);
    EXPECT_FALSE(table().ChannelExists(6));
    EXPECT_EQ(cell(6, 3), QString());

    // Other modifier combinations are not the channel keys.
    key(2, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    key(2, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(m_context->workspace.clipboardFilled[0]);
    EXPECT_TRUE(table().ChannelExists(2));

    // Copy, then paste into an empty row.
    key(2, Qt::Key_C);
    EXPECT_TRUE(m_context->workspace.clipboardFilled[0]);
    key(6, Qt::Key_V);
    EXPECT_TRUE(table().ChannelExists(2));
    ASSERT_TRUE(table().ChannelExists(6));
    EXPECT_EQ(cell(6, 3), QStringLiteral("HOME"));
    EXPECT_EQ(cell(6, 0), QStringLiteral("5"));
    EXPECT_TRUE(m_context->workspace.IsModified());

    // Cut empties the row at once.
    key(4, Qt::Key_X);
    EXPECT_FALSE(table().ChannelExists(4));
    EXPECT_EQ(cell(4, 1), QString());
    key(8, Qt::Key_V);
    EXPECT_EQ(cell(8, 3), QStringLiteral("FOUR"));

    // Cutting an empty row and pasting it on a channel deletes that channel.
    key(50, Qt::Key_X);
    key(2, Qt::Key_V);
    EXPECT_FALSE(table().ChannelExists(2));
    EXPECT_EQ(cell(2, 1), QString());

    // A new configuration clears the flag.
    key(6, Qt::Key_C);
    m_context->workspace.NewConfiguration();
    window->ShowListByData();
    key(9, Qt::Key_V);
    EXPECT_FALSE(table().ChannelExists(9));
}

TEST_F(ChannelGridTest, DoubleClickAndEnterOpenTheChannelOfTheRow) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QModelIndex row5 = model->indexAt(5, 1);
    grid->scrollTo(row5);
    // A real double-click starts with a press, which the item view needs to see.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(row5).center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(row5).center());
    ASSERT_EQ(window->channelDialogs, std::vector<int>{5});
    EXPECT_EQ(m_context->selectedRow, 5);
    EXPECT_EQ(m_context->selectedColumn, 1);
    EXPECT_EQ(cell(5, 0), QStringLiteral("4"));

    // The label column does nothing.
    const QModelIndex label = model->indexAt(6, 0);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(label).center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(label).center());
    EXPECT_EQ(window->channelDialogs.size(), 1u);

    grid->setCurrentCell(7, 3);
    QTest::keyClick(grid, Qt::Key_Return);
    grid->setCurrentCell(9, 2);
    QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
    grid->setCurrentCell(12, 0);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(window->channelDialogs, (std::vector<int>{5, 7, 9}));
    EXPECT_EQ(m_context->selectedColumn, 2);

    // Edit > Channel acts like a double-click on the current cell.
    grid->setCurrentCell(201, 4);
    window->action(QStringLiteral("MnuChannel"))->trigger();
    EXPECT_EQ(window->channelDialogs.back(), 201);
    window->hide();
}

} // namespace
} // namespace kpt740
