#include "features/alert/AlertDialog.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "features/scan/ChannelReferences.h"
#include "text/LanguageText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
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

QString TextOr(const LanguageText& text, int id, const char* design) {
    const QString value = OtherText(text, id);
    return value.isEmpty() ? QString::fromUtf8(design) : value;
}

// The item at a stored position, or the first item when the list has no such position.
void SelectPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : 0);
}

// The item showing `number` in decimal, or the first item (none when the list is empty).
void SelectNumber(QComboBox* list, int number) {
    const int index = list->findText(QString::number(number));
    list->setCurrentIndex(index >= 0 ? index : (list->count() > 0 ? 0 : -1));
}

std::uint8_t Position(const QComboBox* list, int offset = 0) {
    return static_cast<std::uint8_t>(std::max(list->currentIndex(), 0) + offset);
}

std::uint8_t ShownNumber(const QComboBox* list, int fallback) {
    return ClampToByte(NumberOrDefault(list->currentText().toStdString(), fallback));
}

} // namespace

AlertDialog::AlertDialog(const AlertSettings& settings, const ChannelTable& channels,
                         const DtmfSettings& dtmf, const FiveToneSettings& fiveTone,
                         const LanguageText& text, QWidget* parent)
    : QDialog(parent), m_text(text), m_channels(channels), m_copy(settings) {
    for (std::size_t i = 0; i < m_dtmfCodeHasDigits.size() && i < dtmf.codes.size(); ++i) {
        m_dtmfCodeHasDigits[i] = dtmf.codes[i].length > 0;
    }
    for (std::size_t j = 0; j < m_fiveToneCodeInUse.size() && j < fiveTone.codes.size(); ++j) {
        m_fiveToneCodeInUse[j] = FiveToneCodeInUse(fiveTone.codes[j]);
    }

    setObjectName(QStringLiteral("FrmAlert"));
    LocaliseForm(this, m_text); // the language's font
    setWindowTitle(OtherText(m_text, alert_text::kCaption));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(this, kLabelGapTwips));
    m_alarmType = addList(grid, "AlarmTypeList", alert_text::kAlarmTypeLabel, "紧急报警");
    m_idCodeType =
        addList(grid, "IdCodeTypeList", alert_text::kIdCodeTypeLabel, "紧急识别码类型选择");
    m_idCode = addList(grid, "IdCodeList", alert_text::kIdCodeLabel, "紧急识别码组数");
    m_alarmTime = addList(grid, "AlarmTimeList", alert_text::kAlarmTimeLabel, "报警时间(秒)");
    m_txTime = addList(grid, "TxTimeList", alert_text::kTxTimeLabel, "发射时间(秒)");
    m_rxTime = addList(grid, "RxTimeList", alert_text::kRxTimeLabel, "接收时间(秒)");
    m_channelSelection =
        addList(grid, "ChannelSelectionList", alert_text::kChannelSelectionLabel, "信道选择");
    m_emergencyGroup =
        addList(grid, "EmergencyGroupList", alert_text::kEmergencyGroupLabel, "紧急信道组号");
    m_rows.back().first->hide();
    m_emergencyGroup->hide();
    m_emergencyChannel =
        addList(grid, "EmergencyChannelList", alert_text::kEmergencyChannelLabel, "紧急信道");
    m_cycles = addList(grid, "CyclesList", alert_text::kCyclesLabel, "周期");
    grid->setColumnStretch(1, 1);

    auto* frame = new QGroupBox(TextOr(m_text, alert_text::kLoneWorkerFrame, "单独工作"), this);
    frame->setObjectName(QStringLiteral("LoneWorkerFrame"));
    auto* frameGrid = new QGridLayout(frame);
    frameGrid->setHorizontalSpacing(TwipsToPixels(this, kLabelGapTwips));
    m_autoDetect = new QCheckBox(TextOr(m_text, alert_text::kAutoDetectLabel, "自动检测模式"));
    m_autoDetect->setObjectName(QStringLiteral("AutoDetectCheck"));
    frameGrid->addWidget(m_autoDetect, static_cast<int>(m_rows.size()), 1);
    m_rows.emplace_back(nullptr, m_autoDetect);
    m_preAlertTime =
        addList(frameGrid, "PreAlertTimeList", alert_text::kPreAlertTimeLabel, "预提醒时间(秒)");
    m_loneWorkerTime = addList(frameGrid, "LoneWorkerTimeList", alert_text::kLoneWorkerTimeLabel,
                               "单独工作有效时间(秒)");
    frameGrid->setColumnStretch(1, 1);

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
    layout->addLayout(grid);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    fillLists();
    showRecord();

    connect(m_idCodeType, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (m_loaded) {
            buildIdentityCodes(position);
        }
    });
    for (QComboBox* list : {m_alarmType, m_channelSelection}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (m_loaded) {
                applyEnabling();
            }
        });
    }
    connect(m_autoDetect, &QCheckBox::toggled, this, [this] {
        if (m_loaded) {
            applyEnabling();
        }
    });
    connect(m_ok, &QPushButton::clicked, this, &AlertDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_loaded = true;
}

QComboBox* AlertDialog::addList(QGridLayout* grid, const char* name, int labelId,
                                const char* design) {
    auto* label = new QLabel(TextOr(m_text, labelId, design), this);
    label->setObjectName(QStringLiteral("Label%1").arg(labelId));
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int row = static_cast<int>(m_rows.size());
    grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(list, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    m_rows.emplace_back(label, list);
    return list;
}

void AlertDialog::fillLists() {
    const AlertTextLookup text = [this](int id) { return m_text.other(id); };
    m_alarmType->addItems(ListItems(AlarmTypeItems(text)));
    m_idCodeType->addItems(ListItems(IdCodeTypeItems(text)));
    const QStringList seconds = ListItems(NumberItems(kAlarmSecondsFirst, kAlarmSecondsLast));
    m_alarmTime->addItems(seconds);
    m_txTime->addItems(seconds);
    m_rxTime->addItems(seconds);
    m_channelSelection->addItems(ListItems(ChannelSelectionItems(text)));
    m_emergencyChannel->addItems(ListItems(MemoryChannelItems(m_channels)));
    m_cycles->addItems(ListItems(CyclesItems(text)));
    m_preAlertTime->addItems(ListItems(NumberItems(kPreAlertFirst, kPreAlertLast)));
    m_loneWorkerTime->addItems(ListItems(NumberItems(kLoneWorkerFirst, kLoneWorkerLast)));
}

void AlertDialog::showRecord() {
    SelectPosition(m_alarmType, m_copy.alarmType);
    SelectPosition(m_idCodeType, m_copy.idCodeType);
    // The code list follows the stored type even when the type list cannot show it.
    buildIdentityCodes(m_copy.idCodeType);
    SelectPosition(m_alarmTime, m_copy.alarmTime - kAlarmSecondsFirst);
    SelectPosition(m_txTime, m_copy.txTime - kAlarmSecondsFirst);
    SelectPosition(m_rxTime, m_copy.rxTime - kAlarmSecondsFirst);
    SelectPosition(m_channelSelection, m_copy.channelSelection);
    const auto channel = ShownChannelNumber(m_channels, m_copy.emergencyChannel);
    m_emergencyChannel->setCurrentIndex(
        channel ? m_emergencyChannel->findText(QString::number(*channel)) : -1);
    SelectPosition(m_cycles, m_copy.cycles);
    if (m_copy.autoDetectMode > 1) {
        m_copy.autoDetectMode = 0;
    }
    m_autoDetect->setChecked(m_copy.autoDetectMode == 1);
    SelectNumber(m_preAlertTime, m_copy.preAlertTime);
    SelectNumber(m_loneWorkerTime, m_copy.loneWorkerTime);
    applyEnabling();
}

void AlertDialog::buildIdentityCodes(int codeType) {
    const IdentityCodeSources sources{m_dtmfCodeHasDigits, m_fiveToneCodeInUse};
    const TextList items = IdentityCodeItems(codeType, sources);
    m_idCode->clear();
    m_idCode->addItems(ListItems(items));
    const auto selection = IdentityCodeSelection(items, codeType, m_copy.idCodeNumber);
    m_idCode->setCurrentIndex(selection ? static_cast<int>(*selection) : -1);
}

void AlertDialog::applyEnabling() {
    const AlertControlStates states = AlertEnabling(
        m_alarmType->currentIndex(), m_channelSelection->currentIndex(), m_autoDetect->isChecked());
    m_alarmTime->setEnabled(states.alarmTime);
    for (QComboBox* list : {m_idCodeType, m_idCode, m_txTime, m_rxTime}) {
        list->setEnabled(states.identityAndTimes);
    }
    m_emergencyChannel->setEnabled(states.emergencyChannel);
    m_emergencyGroup->setEnabled(states.emergencyChannel);
    m_preAlertTime->setEnabled(states.loneWorkerTimes);
    m_loneWorkerTime->setEnabled(states.loneWorkerTimes);
}

void AlertDialog::commandOk() {
    m_copy.alarmType = Position(m_alarmType);
    m_copy.idCodeType = Position(m_idCodeType);
    m_copy.idCodeNumber =
        IdCodeNumberOf(m_idCodeType->currentIndex(),
                       m_idCode->currentIndex() >= 0
                           ? std::optional<std::string>(m_idCode->currentText().toStdString())
                           : std::nullopt);
    m_copy.alarmTime = Position(m_alarmTime, kAlarmSecondsFirst);
    m_copy.txTime = Position(m_txTime, kAlarmSecondsFirst);
    m_copy.rxTime = Position(m_rxTime, kAlarmSecondsFirst);
    m_copy.channelSelection = Position(m_channelSelection);
    m_copy.emergencyChannel = m_emergencyChannel->currentIndex() >= 0
                                  ? ChannelReferenceOf(NumberOrDefault(
                                        m_emergencyChannel->currentText().toStdString(), -1))
                                  : std::uint8_t{0};
    m_copy.cycles = Position(m_cycles);
    m_copy.autoDetectMode = m_autoDetect->isChecked() ? 1 : 0;
    m_copy.preAlertTime = ShownNumber(m_preAlertTime, kPreAlertFirst);
    m_copy.loneWorkerTime = ShownNumber(m_loneWorkerTime, kLoneWorkerFirst);
    accept();
}

std::vector<std::pair<QString, QString>> AlertDialog::shownItems() const {
    return ShownRows(m_rows, m_text);
}

bool OpenAlertDialog(QWidget* parent, AppContext& context, Prompter& /*prompter*/) {
    Configuration& working = context.workspace.working;
    AlertDialog dialog(working.Alert, working.Channels, working.Dtmf, working.FiveTone,
                       context.text, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    working.Alert = dialog.settings();
    return true;
}

} // namespace kpt740
