#include "features/dtmf/DtmfDialog.h"

#include "app/AppContext.h"
#include "app/FilteredLineEdit.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "core/Encodings.h"
#include "features/dtmf/DtmfCallComposer.h"
#include "features/dtmf/DtmfCallRules.h"
#include "features/dtmf/DtmfSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr int kCodeFrameText = 1602;
constexpr int kHintText = 1603;
constexpr int kSeparatorText = 1604;
constexpr int kGroupText = 1605;
constexpr int kDecodeResponseText = 1606;
constexpr int kFirstDigitDelayText = 1607;
constexpr int kPreSendDelayText = 1608;
constexpr int kResetTimeText = 1609;
constexpr int kPostSendDelayText = 1610;
constexpr int kPauseTimeText = 1611;
constexpr int kSideToneText = 1612;
constexpr int kAniText = 1740;
constexpr int kSendTimeText = 1741;
constexpr int kPttIdModeText = 1743;
constexpr int kOffText = 1755;
constexpr int kOnText = 1756;
constexpr int kMillisecondsText = 1780;
constexpr int kOwnIdText = 3002;
constexpr int kSpecialText = 3003;
constexpr int kKillEqualsStunText = 3001;
constexpr int kBeginKey = 60302;
constexpr int kEndKey = 60303;
constexpr int kKillKey = 60069;
constexpr int kStunKey = 60093;

constexpr std::array<int, 3> kDecodeResponseItems{1650, 1651, 1653};
constexpr std::array<int, 3> kPttIdModeItems{1765, 1766, 1767};
constexpr std::array<const char*, 6> kSendTimes{"30", "50", "100", "200", "300", "500"};
constexpr std::array<char, 6> kDtmfLetters{'A', 'B', 'C', 'D', '*', '#'};
constexpr int kDelayStep = 10;
constexpr int kLongestDelay = 2500;
constexpr int kLongestReset = 250;
constexpr int kShortestPause = 5;
constexpr int kLongestPause = 75;
constexpr int kMostSendTime = 5;
constexpr int kMostPttIdMode = 3;
constexpr int kMostDecodeResponse = 2;
constexpr int kMostFirstDigitDelay = 250;
// The group list starts with "off" at position 0, so its letters sit one place later.
constexpr int kGroupListBase = kFirstDtmfLetter - 1;

// Code boxes take the sixteen DTMF digits; small letters become capitals.
QString DtmfCharacter(QChar c) {
    const char latin = c.toLatin1();
    if ((latin >= '0' && latin <= '9') || latin == '*' || latin == '#' ||
        (latin >= 'A' && latin <= 'D')) {
        return QString(c);
    }
    if (latin >= 'a' && latin <= 'd') {
        return QString(c.toUpper());
    }
    return {};
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

template <std::size_t N> QString DisplayCode(const DtmfCodeText<N>& code) {
    const std::string display = DtmfToDisplay(code.digits.raw());
    const auto length = static_cast<std::size_t>(std::max<std::int16_t>(code.length, 0));
    return Q(display.substr(0, std::min(length, display.size())));
}

template <std::size_t N> void StoreCode(const QString& box, DtmfCodeText<N>& code) {
    const std::string text = box.toStdString();
    code.length = static_cast<std::int16_t>(text.size());
    code.digits = DtmfToStored(text);
}

int ClampedPosition(QComboBox* list, int position) {
    return position >= 0 && position < list->count() ? position : 0;
}

void ShowItem(QComboBox* list, const QString& text) {
    list->setCurrentIndex(std::max(list->findText(text), 0));
}

} // namespace

DtmfDialog::DtmfDialog(AppContext& context, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_context(context), m_prompter(prompter),
      m_record(context.workspace.working.Dtmf), m_ownId(new FilteredLineEdit(DigitsOnly, this)),
      m_ani(new QComboBox(this)), m_sendTime(new QComboBox(this)), m_pttIdMode(new QComboBox(this)),
      m_separator(new QComboBox(this)), m_group(new QComboBox(this)),
      m_decodeResponse(new QComboBox(this)), m_firstDigitDelay(new QComboBox(this)),
      m_preSendDelay(new QComboBox(this)), m_resetTime(new QComboBox(this)),
      m_postSendDelay(new QComboBox(this)), m_pauseTime(new QComboBox(this)),
      m_sideTone(new QCheckBox(this)), m_special(new QPushButton(this)),
      m_ok(new QPushButton(this)), m_cancel(new QPushButton(this)), m_okTimer(new QTimer(this)) {
    const LanguageText& text = context.text;
    setObjectName(QStringLiteral("FrmDTMF"));
    setWindowTitle(QStringLiteral("DTMF"));

    auto* codeFrame = new QGroupBox(this);
    codeFrame->setObjectName(QStringLiteral("CodeFrame"));
    SetTextId(codeFrame, kCodeFrameText);
    auto* codeGrid = new QGridLayout(codeFrame);
    constexpr int kRowsPerColumn = 8;
    for (int i = 0; i < kCodeBoxCount; ++i) {
        const auto maxLength = i >= kKillBox ? kShortDtmfDigits : kLongDtmfDigits;
        auto* box = new FilteredLineEdit(DtmfCharacter,
                                         i < kBeginBox ? static_cast<QWidget*>(codeFrame) : this);
        box->setMaxLength(static_cast<int>(maxLength));
        connect(box, &FilteredLineEdit::focusEntered, this, [this, i] { m_curDtmfEditId = i; });
        m_codeBoxes[static_cast<std::size_t>(i)] = box;
        if (i < kBeginBox) {
            box->setObjectName(QStringLiteral("CodeM%1").arg(i + 1));
            auto* label = new QLabel(QStringLiteral("M%1").arg(i + 1), codeFrame);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            const int row = i % kRowsPerColumn;
            const int column = (i / kRowsPerColumn) * 2;
            codeGrid->addWidget(label, row, column);
            codeGrid->addWidget(box, row, column + 1);
            m_shownRows.emplace_back(label, box);
        }
    }
    m_codeBoxes[kBeginBox]->setObjectName(QStringLiteral("PttIdBegin"));
    m_codeBoxes[kEndBox]->setObjectName(QStringLiteral("PttIdEnd"));
    m_codeBoxes[kKillBox]->setObjectName(QStringLiteral("KillCode"));
    m_codeBoxes[kStunBox]->setObjectName(QStringLiteral("StunCode"));

    auto* codeForm = new QFormLayout;
    codeForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const std::array<std::pair<int, int>, 4> namedBoxes{
        {{kBeginBox, kBeginKey}, {kEndBox, kEndKey}, {kKillBox, kKillKey}, {kStunBox, kStunKey}}};
    for (const auto& [box, key] : namedBoxes) {
        auto* label = new QLabel(Q(text.option(key)), this);
        codeForm->addRow(label, m_codeBoxes[static_cast<std::size_t>(box)]);
        m_shownRows.emplace_back(label, m_codeBoxes[static_cast<std::size_t>(box)]);
    }
    auto* hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("Hint"));
    SetTextId(hint, kHintText);

    m_ownId->setObjectName(QStringLiteral("OwnId"));
    m_ownId->setMaxLength(static_cast<int>(kOwnIdDigits));
    m_ani->setObjectName(QStringLiteral("AniList"));
    m_sendTime->setObjectName(QStringLiteral("SendTimeList"));
    m_pttIdMode->setObjectName(QStringLiteral("PttIdModeList"));
    m_separator->setObjectName(QStringLiteral("SeparatorList"));
    m_group->setObjectName(QStringLiteral("GroupList"));
    m_decodeResponse->setObjectName(QStringLiteral("DecodeResponseList"));
    m_firstDigitDelay->setObjectName(QStringLiteral("FirstDigitDelayList"));
    m_preSendDelay->setObjectName(QStringLiteral("PreSendDelayList"));
    m_resetTime->setObjectName(QStringLiteral("ResetTimeList"));
    m_postSendDelay->setObjectName(QStringLiteral("PostSendDelayList"));
    m_pauseTime->setObjectName(QStringLiteral("PauseTimeList"));
    m_sideTone->setObjectName(QStringLiteral("SideTone"));
    SetTextId(m_sideTone, kSideToneText);
    m_special->setObjectName(QStringLiteral("CommandSpecial"));
    SetTextId(m_special, kSpecialText);
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_okTimer->setObjectName(QStringLiteral("OkTimer"));
    m_okTimer->setSingleShot(true);
    m_okTimer->setInterval(kOkDelayMilliseconds);

    auto* listForm = new QFormLayout;
    listForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto addRow = [&](int labelId, QWidget* control) {
        auto* label = new QLabel(this);
        SetTextId(label, labelId);
        listForm->addRow(label, control);
        m_shownRows.emplace_back(label, control);
        return label;
    };
    addRow(kAniText, m_ani);
    addRow(kSendTimeText, m_sendTime);
    // The PTT-ID mode travels with the record but is not offered.
    QLabel* pttIdLabel = addRow(kPttIdModeText, m_pttIdMode);
    listForm->setRowVisible(pttIdLabel, false);
    addRow(kOwnIdText, m_ownId);
    addRow(kSeparatorText, m_separator);
    addRow(kGroupText, m_group);
    addRow(kDecodeResponseText, m_decodeResponse);
    addRow(kFirstDigitDelayText, m_firstDigitDelay);
    addRow(kPreSendDelayText, m_preSendDelay);
    addRow(kResetTimeText, m_resetTime);
    addRow(kPostSendDelayText, m_postSendDelay);
    addRow(kPauseTimeText, m_pauseTime);
    listForm->addRow(QString(), m_sideTone);
    m_shownRows.emplace_back(nullptr, m_sideTone);

    auto* left = new QVBoxLayout;
    left->addWidget(codeFrame);
    left->addLayout(codeForm);
    left->addWidget(hint);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(listForm, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_special);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    buildLists();
    LocaliseForm(this, text);
    SetOkCancelCaptions(m_ok, m_cancel, text);
    showRecord();

    connect(m_separator, &QComboBox::currentIndexChanged, this, &DtmfDialog::separatorChanged);
    connect(m_ownId, &FilteredLineEdit::focusLeft, this, &DtmfDialog::ownIdLeft);
    connect(m_special, &QPushButton::clicked, this, &DtmfDialog::commandSpecial);
    connect(m_ok, &QPushButton::clicked, this, &DtmfDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_okTimer, &QTimer::timeout, this, [this] {
        m_okTimer->stop();
        storeRecord();
        m_stored = true;
        accept();
    });
    // Tab goes through the code boxes first, then down the lists, as the dialog reads.
    std::vector<QWidget*> order(m_codeBoxes.begin(), m_codeBoxes.end());
    order.insert(order.end(), {m_ani, m_sendTime, m_ownId, m_separator, m_group, m_decodeResponse,
                               m_firstDigitDelay, m_preSendDelay, m_resetTime, m_postSendDelay,
                               m_pauseTime, m_sideTone, m_special, m_ok, m_cancel});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    m_codeBoxes[0]->setFocus();
    m_curDtmfEditId = 0;
}

void DtmfDialog::buildLists() {
    const LanguageText& text = m_context.text;
    const QString off = OtherText(text, kOffText);
    for (QComboBox* list : findChildren<QComboBox*>()) {
        MoveFocusOnEnter(list);
    }
    m_ani->addItems({off, OtherText(text, kOnText)});
    const QString unit = OtherText(text, kMillisecondsText);
    for (const char* time : kSendTimes) {
        m_sendTime->addItem(QString::fromLatin1(time) + unit);
    }
    m_pttIdMode->addItem(off);
    for (const int id : kPttIdModeItems) {
        m_pttIdMode->addItem(OtherText(text, id));
    }
    m_group->addItem(off);
    for (const char letter : kDtmfLetters) {
        m_separator->addItem(QString(QLatin1Char(letter)));
        m_group->addItem(QString(QLatin1Char(letter)));
    }
    for (const int id : kDecodeResponseItems) {
        m_decodeResponse->addItem(OtherText(text, id));
    }
    for (int delay = 0; delay <= kLongestDelay; delay += kDelayStep) {
        m_firstDigitDelay->addItem(QString::number(delay));
        if (delay > 0) {
            m_preSendDelay->addItem(QString::number(delay));
            m_postSendDelay->addItem(QString::number(delay));
        }
    }
    for (int tenth = 0; tenth <= kLongestReset; ++tenth) {
        m_resetTime->addItem(Q(FormatFixed(tenth / 10.0, 1, 1)));
    }
    m_pauseTime->addItem(off);
    for (int pause = kShortestPause; pause <= kLongestPause; ++pause) {
        m_pauseTime->addItem(QString::number(pause));
    }
}

// The record as the controls show it; out-of-range values are corrected in the record itself.
DtmfDialog::~DtmfDialog() {
    // The boxes lose the focus while the base class destroys them; by then this dialog is
    // gone, so their focus handlers must not run.
    for (FilteredLineEdit* box : findChildren<FilteredLineEdit*>()) {
        box->disconnect(this);
    }
}

void DtmfDialog::showRecord() {
    DtmfSettings& r = m_record;
    if (r.ani > 1 || r.ani < 0) {
        r.ani = 0;
    }
    m_ani->setCurrentIndex(r.ani);
    if (r.sendTime > kMostSendTime || r.sendTime < 0) {
        r.sendTime = 0;
    }
    m_sendTime->setCurrentIndex(r.sendTime);
    if (r.pttIdMode > kMostPttIdMode || r.pttIdMode < 0) {
        r.pttIdMode = 0;
    }
    m_pttIdMode->setCurrentIndex(r.pttIdMode);

    r.ownId = NormalizedOwnId(r.ownId.raw());
    m_ownId->setText(Q(r.ownId.value()));

    if (r.separator < kFirstDtmfLetter || r.separator > kLastDtmfLetter) {
        r.separator = kDefaultSeparator;
    }
    m_separator->setCurrentIndex(r.separator - kFirstDtmfLetter);
    if (r.groupCode < kFirstDtmfLetter || r.groupCode > kLastDtmfLetter) {
        r.groupCode = kGroupListBase;
    }
    m_group->setCurrentIndex(r.groupCode - kGroupListBase);

    for (std::size_t j = 0; j < kDtmfCodeCount; ++j) {
        m_codeBoxes[j]->setText(DisplayCode(r.codes[j]));
    }
    m_codeBoxes[kBeginBox]->setText(DisplayCode(r.pttIdBegin));
    m_codeBoxes[kEndBox]->setText(DisplayCode(r.pttIdEnd));
    m_codeBoxes[kKillBox]->setText(DisplayCode(r.killCode));
    m_codeBoxes[kStunBox]->setText(DisplayCode(r.stunCode));

    if (r.decodeResponse > kMostDecodeResponse || r.decodeResponse < 0) {
        r.decodeResponse = 0;
    }
    m_decodeResponse->setCurrentIndex(r.decodeResponse);
    if (r.firstDigitDelay > kMostFirstDigitDelay || r.firstDigitDelay < 0) {
        r.firstDigitDelay = 0;
    }
    m_firstDigitDelay->setCurrentIndex(ClampedPosition(m_firstDigitDelay, r.firstDigitDelay));
    ShowItem(m_preSendDelay, QString::number(kDelayStep * r.preSendDelay));
    ShowItem(m_resetTime, Q(FormatFixed(r.resetTime / 10.0, 1, 1)));
    ShowItem(m_postSendDelay, QString::number(kDelayStep * r.postSendDelay));

    if (r.pauseTime >= kShortestPause) {
        ShowItem(m_pauseTime, QString::number(r.pauseTime));
    } else {
        m_pauseTime->setCurrentIndex(0);
        r.pauseTime = 0;
    }

    if (r.sideTone == 0 || r.sideTone == 1) {
        m_sideTone->setChecked(r.sideTone == 1);
    } else {
        m_sideTone->setChecked(false);
        r.sideTone = 0;
    }
}

void DtmfDialog::storeRecord() {
    DtmfSettings& r = m_record;
    r.ani = static_cast<std::int16_t>(m_ani->currentIndex());
    r.sendTime = static_cast<std::int16_t>(m_sendTime->currentIndex());
    r.pttIdMode = static_cast<std::int16_t>(m_pttIdMode->currentIndex());
    r.decodeResponse = static_cast<std::int16_t>(m_decodeResponse->currentIndex());
    r.firstDigitDelay = static_cast<std::int16_t>(m_firstDigitDelay->currentIndex());
    r.resetTime = static_cast<std::int16_t>(m_resetTime->currentIndex());
    r.preSendDelay = static_cast<std::int16_t>(m_preSendDelay->currentIndex() + 1);
    r.postSendDelay = static_cast<std::int16_t>(m_postSendDelay->currentIndex() + 1);
    r.separator = static_cast<std::int16_t>(m_separator->currentIndex() + kFirstDtmfLetter);
    const int group = m_group->currentIndex();
    r.groupCode = group <= 0 ? kGroupCodeOff : static_cast<std::int16_t>(group + kGroupListBase);
    r.pauseTime = m_pauseTime->currentIndex() <= 0
                      ? std::int16_t{0}
                      : static_cast<std::int16_t>(m_pauseTime->currentText().toInt());
    r.sideTone = m_sideTone->isChecked() ? 1 : 0;
    r.ownId = PadWithZeros(m_ownId->text().toStdString(), kOwnIdDigits);
    for (std::size_t j = 0; j < kDtmfCodeCount; ++j) {
        StoreCode(m_codeBoxes[j]->text(), r.codes[j]);
    }
    StoreCode(m_codeBoxes[kBeginBox]->text(), r.pttIdBegin);
    StoreCode(m_codeBoxes[kEndBox]->text(), r.pttIdEnd);
    StoreCode(m_codeBoxes[kKillBox]->text(), r.killCode);
    StoreCode(m_codeBoxes[kStunBox]->text(), r.stunCode);
}

std::vector<std::pair<QString, QString>> DtmfDialog::shownItems() const {
    return ShownRows(m_shownRows, m_context.text);
}

QChar DtmfDialog::currentSeparator() const {
    const QString item = m_separator->currentText();
    return item.isEmpty() ? QLatin1Char('*') : item.at(0);
}

QString DtmfDialog::ownIdText() const {
    return m_ownId->text();
}

void DtmfDialog::separatorChanged() {
    const std::string id = m_ownId->text().toStdString();
    const char separator = currentSeparator().toLatin1();
    for (int i = 0; i <= kEndBox; ++i) {
        FilteredLineEdit* box = m_codeBoxes[static_cast<std::size_t>(i)];
        box->setText(Q(SeparatorFollowUp(box->text().toStdString(), id, separator)));
    }
}

void DtmfDialog::ownIdLeft() {
    const std::string id = PadWithZeros(m_ownId->text().toStdString(), kOwnIdDigits);
    m_ownId->setText(Q(id));
    const char separator = currentSeparator().toLatin1();
    for (int i = 0; i <= kEndBox; ++i) {
        FilteredLineEdit* box = m_codeBoxes[static_cast<std::size_t>(i)];
        box->setText(Q(OwnIdFollowUp(box->text().toStdString(), id, separator)));
    }
}

void DtmfDialog::putSpecialCall(const QString& call) {
    if (m_curDtmfEditId >= 0 && m_curDtmfEditId <= kEndBox) {
        m_codeBoxes[static_cast<std::size_t>(m_curDtmfEditId)]->setText(call);
    }
}

void DtmfDialog::commandSpecial() {
    if (m_curDtmfEditId > kEndBox) {
        return;
    }
    DtmfCallComposer special(m_context.text, currentSeparator(), m_ownId->text(), this);
    if (special.exec() == QDialog::Accepted) {
        putSpecialCall(special.composedCall());
    }
}

void DtmfDialog::commandOk() {
    if (KillEqualsStun(m_codeBoxes[kKillBox]->text().toStdString(),
                       m_codeBoxes[kStunBox]->text().toStdString())) {
        m_prompter.tell(this, OtherText(m_context.text, kKillEqualsStunText));
        return;
    }
    m_okTimer->start();
}

bool OpenDtmfDialog(QWidget* parent, AppContext& context, Prompter& prompter) {
    const DtmfSettings before = context.workspace.working.Dtmf;
    DtmfDialog dialog(context, prompter, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return accepted && !SameDtmfSettings(context.workspace.working.Dtmf, before);
}

} // namespace kpt740
