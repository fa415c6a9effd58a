#include "features/scan/ScanDialog.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "features/scan/ChannelReferences.h"
#include "features/scan/ScanRules.h"
#include "text/LanguageText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace kpt740 {

namespace {

// Label right edge to list left edge.
constexpr int kLabelGapTwips = 100;

void SelectPosition(QComboBox* list, int value, int offset) {
    list->setCurrentIndex(ListPositionOf(value, offset, list->count()));
}

// Selects the channel number a stored reference shows; no selection when the list is empty.
void SelectChannel(QComboBox* list, const ChannelTable& table, int reference) {
    const auto shown = ShownChannelNumber(table, reference);
    list->setCurrentIndex(shown ? list->findText(QString::number(*shown)) : -1);
}

std::uint8_t ChannelReferenceShown(const QComboBox* list) {
    if (list->currentIndex() < 0) {
        return 0;
    }
    return ChannelReferenceOf(NumberOrDefault(list->currentText().toStdString(), -1));
}

std::uint8_t PositionPlus(const QComboBox* list, int offset) {
    return static_cast<std::uint8_t>(std::max(list->currentIndex(), 0) + offset);
}

} // namespace

ScanDialog::ScanDialog(ScanSettings& settings, const ChannelTable& channels,
                       const LanguageText& text, QWidget* parent)
    : QDialog(parent), m_text(text), m_channels(channels), m_copy(settings) {
    setObjectName(QStringLiteral("FrmScan"));
    LocaliseForm(this, m_text); // the language's font
    setWindowTitle(OtherText(m_text, scan_text::kCaption));

    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(TwipsToPixels(this, kLabelGapTwips));
    m_scanMode = addList("ScanModeList", scan_text::kScanModeLabel, "扫描模式");
    m_priority = addList("PriorityList", scan_text::kPriorityLabel, "优先信道");
    m_priorityChannel1 =
        addList("PriorityChannel1List", scan_text::kPriorityChannel1Label, "优先信道1 组/信道");
    m_priorityChannel2 =
        addList("PriorityChannel2List", scan_text::kPriorityChannel2Label, "优先信道2 组/信道");
    m_revert = addList("RevertList", scan_text::kRevertLabel, "返回信道");
    m_lookBackA = addList("LookBackTimeAList", scan_text::kLookBackTimeALabel, "回扫时间A(秒)");
    m_lookBackB = addList("LookBackTimeBList", scan_text::kLookBackTimeBLabel, "回扫时间B(秒)");
    m_rxResume =
        addList("RxResumeDelayList", scan_text::kRxResumeDelayLabel, "扫描接收恢复延迟时间(秒)");
    m_txResume =
        addList("TxResumeDelayList", scan_text::kTxResumeDelayLabel, "扫描发射恢复延迟时间(秒)");

    const QString toneCaption = OtherText(m_text, scan_text::kScanEntryToneLabel);
    m_entryTone = new QCheckBox(
        toneCaption.isEmpty() ? QString::fromUtf8("扫描进入提示音") : toneCaption, this);
    m_entryTone->setObjectName(QStringLiteral("ScanEntryToneCheck"));
    m_grid->addWidget(m_entryTone, static_cast<int>(m_rows.size()), 1);
    m_rows.emplace_back(nullptr, m_entryTone);

    m_scanType = addList("ScanTypeList", scan_text::kScanTypeLabel, "扫描类型", true);
    m_waitTime = addList("WaitTimeList", scan_text::kWaitTimeLabel, "等待时间(毫秒)", true);

    // The group lists stand beside the priority channel lists; they stay hidden and empty.
    m_priorityGroup1 = new QComboBox(this);
    m_priorityGroup1->setObjectName(QStringLiteral("PriorityGroup1List"));
    m_priorityGroup1->hide();
    m_priorityGroup2 = new QComboBox(this);
    m_priorityGroup2->setObjectName(QStringLiteral("PriorityGroup2List"));
    m_priorityGroup2->hide();
    m_grid->addWidget(m_priorityGroup1, 2, 2);
    m_grid->addWidget(m_priorityGroup2, 3, 2);
    m_grid->setColumnStretch(1, 1);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    SetOkCancelCaptions(m_ok, m_cancel, m_text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addLayout(buttons);

    fillLists();
    showRecord();
    // The load's repair is kept whatever the user does next.
    settings = m_copy;

    connect(m_scanMode, &QComboBox::currentIndexChanged, this, [this] {
        if (m_loaded) {
            applyEnabling();
        }
    });
    connect(m_priority, &QComboBox::currentIndexChanged, this, [this] {
        if (m_loaded) {
            priorityChanged();
        }
    });
    connect(m_revert, &QComboBox::currentIndexChanged, this, [this] {
        if (m_loaded) {
            m_copy.revertChannel = revertPosition();
        }
    });
    connect(m_ok, &QPushButton::clicked, this, &ScanDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_loaded = true;
}

QComboBox* ScanDialog::addList(const char* name, int labelId, const char* design, bool hidden) {
    const QString caption = OtherText(m_text, labelId);
    auto* label = new QLabel(caption.isEmpty() ? QString::fromUtf8(design) : caption, this);
    label->setObjectName(QStringLiteral("Label%1").arg(labelId));
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int row = static_cast<int>(m_rows.size());
    m_grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->addWidget(list, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    if (hidden) {
        label->hide();
        list->hide();
    }
    m_rows.emplace_back(label, list);
    return list;
}

void ScanDialog::fillLists() {
    const OtherTextLookup text = [this](int id) { return m_text.other(id); };
    m_scanMode->addItems(ListItems(ScanModeItems(text)));
    m_priority->addItems(ListItems(PriorityItems(text)));
    const QStringList channels = ListItems(MemoryChannelItems(m_channels));
    m_priorityChannel1->addItems(channels);
    m_priorityChannel2->addItems(channels);
    m_lookBackA->addItems(ListItems(LookBackTimeItems()));
    m_lookBackB->addItems(ListItems(LookBackTimeItems()));
    m_rxResume->addItems(ListItems(ResumeDelayItems()));
    m_txResume->addItems(ListItems(ResumeDelayItems()));
    m_scanType->addItems(ListItems(ScanTypeItems(text)));
    m_waitTime->addItems(ListItems(WaitTimeItems()));
}

void ScanDialog::showRecord() {
    SelectPosition(m_scanMode, m_copy.scanMode, 0);
    SelectPosition(m_priority, m_copy.priorityMode, 0);
    SelectPosition(m_lookBackA, m_copy.lookBackTimeA, kLookBackTimeOffset);
    SelectPosition(m_lookBackB, m_copy.lookBackTimeB, kLookBackTimeOffset);
    SelectPosition(m_rxResume, m_copy.rxResumeDelay, kResumeDelayOffset);
    SelectPosition(m_txResume, m_copy.txResumeDelay, kResumeDelayOffset);
    SelectPosition(m_scanType, m_copy.scanType, 0);
    SelectPosition(m_waitTime, m_copy.waitTime, kWaitTimeOffset);
    SelectChannel(m_priorityChannel1, m_channels, m_copy.priority1Channel);
    SelectChannel(m_priorityChannel2, m_channels, m_copy.priority2Channel);

    m_priorityChannel1->setEnabled(false);
    m_priorityChannel2->setEnabled(false);
    InitRevertList();
    selectRevert(m_copy.revertChannel);

    RepairScanOnLoad(m_copy);
    m_entryTone->setChecked(m_copy.scanEntryTone == 1);
    applyEnabling();
}

void ScanDialog::InitRevertList() {
    const QSignalBlocker blocker(m_revert);
    const int priority = m_priority->currentIndex();
    const OtherTextLookup text = [this](int id) { return m_text.other(id); };
    const TextList full = FullRevertItems(text);
    m_revert->clear();
    m_revertPositions = kpt740::InitRevertList(priority);
    for (const std::uint8_t position : m_revertPositions) {
        m_revert->addItem(QString::fromStdString(full[position]));
    }
    if (priority == 1 || priority == 3) {
        m_priorityChannel1->setEnabled(true);
        m_priorityGroup1->setEnabled(true);
    }
    if (priority == 2 || priority == 3) {
        m_priorityChannel2->setEnabled(true);
        m_priorityGroup2->setEnabled(true);
    }
}

void ScanDialog::selectRevert(int revertChannel) {
    const QSignalBlocker blocker(m_revert);
    const auto selection = RevertSelection(m_priority->currentIndex(), revertChannel);
    m_revert->setCurrentIndex(selection ? static_cast<int>(*selection) : -1);
}

std::uint8_t ScanDialog::revertPosition() const {
    const int index = m_revert->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_revertPositions.size()) {
        return 0;
    }
    return m_revertPositions[static_cast<std::size_t>(index)];
}

void ScanDialog::applyEnabling() {
    const ScanControlStates states =
        ScanEnabling(m_scanMode->currentIndex(), m_priority->currentIndex());
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_priority, m_revert, m_lookBackA, m_lookBackB, m_rxResume,
                                         m_txResume, m_entryTone, m_scanType, m_waitTime}) {
        control->setEnabled(states.settings);
    }
    m_priorityChannel1->setEnabled(states.priorityChannel1);
    m_priorityGroup1->setEnabled(states.priorityChannel1);
    m_priorityChannel2->setEnabled(states.priorityChannel2);
    m_priorityGroup2->setEnabled(states.priorityChannel2);
}

void ScanDialog::priorityChanged() {
    InitRevertList();
    applyEnabling();
    selectRevert(m_copy.revertChannel);
    m_copy.revertChannel = revertPosition();
}

void ScanDialog::commandOk() {
    m_copy.scanMode = PositionPlus(m_scanMode, 0);
    m_copy.priorityMode = PositionPlus(m_priority, 0);
    m_copy.priority1Channel = ChannelReferenceShown(m_priorityChannel1);
    m_copy.priority2Channel = ChannelReferenceShown(m_priorityChannel2);
    m_copy.revertChannel = revertPosition();
    m_copy.lookBackTimeA = PositionPlus(m_lookBackA, kLookBackTimeOffset);
    m_copy.lookBackTimeB = PositionPlus(m_lookBackB, kLookBackTimeOffset);
    m_copy.rxResumeDelay = PositionPlus(m_rxResume, kResumeDelayOffset);
    m_copy.txResumeDelay = PositionPlus(m_txResume, kResumeDelayOffset);
    m_copy.scanType = PositionPlus(m_scanType, 0);
    m_copy.waitTime = PositionPlus(m_waitTime, kWaitTimeOffset);
    m_copy.scanEntryTone = m_entryTone->isChecked() ? 1 : 0;
    accept();
}

std::vector<std::pair<QString, QString>> ScanDialog::shownItems() const {
    return ShownRows(m_rows, m_text);
}

bool OpenScanDialog(QWidget* parent, AppContext& context, Prompter& /*prompter*/) {
    Configuration& working = context.workspace.working;
    ScanDialog dialog(working.Scan, working.Channels, context.text, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    working.Scan = dialog.settings();
    return true;
}

} // namespace kpt740
