#include "app/ChannelDialog.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "core/ChannelTable.h"
#include "core/Encodings.h"
#include "core/FixedText.h"
#include "features/fivetone/FiveToneSettings.h"
#include "features/twotone/TwoToneSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr char kBoxFilterProperty[] = "boxFilter";
constexpr int kLabelGapTwips = 100;

// What a text box admits besides the rules of every box.
enum BoxFilter : int { kFrequencyBox, kNameBox, kDigitsBox, kFreeBox };

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Record texts are single bytes; the boxes admit codes up to 127 only, so Latin-1 keeps every
// byte a record already holds as it was.
std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SelectPosition(QComboBox* list, int value) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(list->count() == 0 ? -1 : PositionOrFirst(value, list->count()));
}

// For lists whose items are entry numbers: the item showing the number, else the first item.
void SelectNumber(QComboBox* list, int number) {
    const QSignalBlocker blocker(list);
    const int found = list->findText(QString::number(number));
    list->setCurrentIndex(found >= 0 ? found : (list->count() == 0 ? -1 : 0));
}

void SetChecked(QCheckBox* box, std::int16_t member) {
    const QSignalBlocker blocker(box);
    box->setChecked(member != 0);
}

bool IsClipboardKey(const QKeyEvent* key) {
    if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste) ||
        key->matches(QKeySequence::Cut)) {
        return true;
    }
    const bool control = (key->modifiers() & Qt::ControlModifier) != 0;
    return control &&
           (key->key() == Qt::Key_C || key->key() == Qt::Key_V || key->key() == Qt::Key_X);
}

} // namespace

ChannelDialog::ChannelDialog(AppContext& context, Prompter& prompter, int position, QWidget* parent)
    : QDialog(parent), m_context(context), m_prompter(prompter), m_position(position) {
    setObjectName(QStringLiteral("FrmCHEdit"));
    SetTextId(this, 1300);
    buildControls();
    buildLayout();
    LocaliseForm(this, context.text);
    // These two labels join two texts each, which the form localisation cannot do.
    m_decodeLabel->setText(OtherText(context.text, 1107) + OtherText(context.text, 1112));
    m_encodeLabel->setText(OtherText(context.text, 1107) + OtherText(context.text, 1113));
    SetOkCancelCaptions(m_ok, m_cancel, context.text);
    fillLists();

    const ChannelRecord* existing = context.workspace.working.Channels.find(position);
    load(existing != nullptr ? *existing : BlankChannel(position));

    connect(m_decodeType, &QComboBox::currentIndexChanged, this,
            &ChannelDialog::decodeToneTypeChosen);
    connect(m_encodeType, &QComboBox::currentIndexChanged, this,
            &ChannelDialog::encodeToneTypeChosen);
    connect(m_signalling, &QComboBox::currentIndexChanged, this, &ChannelDialog::signallingChosen);
    connect(m_dtmfPttId, &QComboBox::currentIndexChanged, this, &ChannelDialog::dtmfPttIdChosen);
    connect(m_fiveTonePttId, &QComboBox::currentIndexChanged, this,
            &ChannelDialog::fiveTonePttIdChosen);
    connect(m_reverse, &QCheckBox::toggled, this, &ChannelDialog::rebuildSquelchModes);
    connect(m_talkaround, &QCheckBox::toggled, this, &ChannelDialog::rebuildSquelchModes);
    connect(m_rx, &QLineEdit::textChanged, this, &ChannelDialog::receiveTextChanged);
    connect(m_ok, &QPushButton::clicked, this, &ChannelDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ChannelDialog::buildControls() {
    // Created in the order the focus walks through them.
    const auto box = [this](const char* name, int filter) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        watchBox(edit, filter);
        return edit;
    };
    const auto list = [this](const char* name) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        watch(combo);
        return combo;
    };
    const auto check = [this](const char* name, int textId) {
        auto* checkBox = new QCheckBox(this);
        checkBox->setObjectName(QString::fromLatin1(name));
        if (textId > 0) {
            SetTextId(checkBox, textId);
        }
        watch(checkBox);
        return checkBox;
    };

    m_rx = box("RxFrequencyBox", kFrequencyBox);
    m_tx = box("TxFrequencyBox", kFreeBox);
    m_offset = box("OffsetBox", kFrequencyBox);
    m_shift = list("ShiftList");
    for (std::size_t i = 0; i < m_name.size(); ++i) {
        const std::string name = "NameBox" + std::to_string(i);
        m_name[i] = box(name.c_str(), kNameBox);
        m_name[i]->setMaxLength(1);
    }
    m_step = list("StepList");
    m_bandwidth = list("BandwidthList");
    m_power = list("PowerList");
    m_relation = list("RelationList");
    m_signalling = list("SignallingList");
    m_dtmfCode = list("DtmfCodeList");
    m_twoTone = list("TwoToneEntryList");
    m_fiveTone = list("FiveToneEntryList");
    m_decodeType = list("DecodeToneTypeList");
    m_decodeCtcss = list("DecodeCtcssList");
    m_decodeDcs = list("DecodeDcsList");
    m_decodeInverted = check("DecodeInvertedBox", 1301);
    m_encodeType = list("EncodeToneTypeList");
    m_encodeCtcss = list("EncodeCtcssList");
    m_encodeDcs = list("EncodeDcsList");
    m_encodeInverted = check("EncodeInvertedBox", 1301);
    m_scrambler = list("ScramblerList");
    m_squelch = list("SquelchModeList");
    m_dtmfPttId = list("DtmfPttIdList");
    m_fiveTonePttId = list("FiveTonePttIdList");
    m_extraDisplay = list("ExtraDisplayList");
    m_busyLock = list("BusyLockList");
    m_txInhibit = check("TxInhibitBox", 1105);
    m_reverse = check("ReverseBox", 1207);
    m_talkaround = check("TalkaroundBox", 1114);
    m_compander = check("CompanderBox", 1746);
    m_scanSkip = check("ScanSkipBox", 1111);
    // No language text names these two: "PTT ID" is the radio's own term in every language, the
    // decode box's caption is one of the program's built-in texts.
    m_pttIdFlag = check("PttIdBox", 0);
    m_pttIdFlag->setText(QStringLiteral("PTT ID"));
    m_pttIdDecode = check("PttIdDecodeBox", 0);
    m_pttIdDecode->setText(BuiltIn(m_context.text, builtin::kPttIdDecode));
    m_pttIdCode = box("PttIdCodeBox", kDigitsBox);
    m_pttIdCode->setMaxLength(kPttIdCodeLength);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));

    m_dependants = {
        m_tx,         m_offset,      m_shift,         m_step,           m_bandwidth,
        m_power,      m_relation,    m_signalling,    m_dtmfCode,       m_twoTone,
        m_fiveTone,   m_decodeType,  m_decodeCtcss,   m_decodeDcs,      m_decodeInverted,
        m_encodeType, m_encodeCtcss, m_encodeDcs,     m_encodeInverted, m_scrambler,
        m_squelch,    m_dtmfPttId,   m_fiveTonePttId, m_extraDisplay,   m_busyLock,
        m_txInhibit,  m_reverse,     m_talkaround,    m_compander,      m_scanSkip,
        m_pttIdFlag,  m_pttIdDecode, m_pttIdCode};
    m_dependants.insert(m_dependants.end(), m_name.begin(), m_name.end());
}

void ChannelDialog::buildLayout() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(this, kLabelGapTwips));
    int row = 0;
    const auto label = [this](const char* name, int textId) {
        auto* caption = new QLabel(this);
        caption->setObjectName(QString::fromLatin1(name));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (textId > 0) {
            SetTextId(caption, textId);
        }
        return caption;
    };
    const auto strip = [](std::initializer_list<QWidget*> widgets) {
        auto* layout = new QHBoxLayout;
        layout->setContentsMargins(0, 0, 0, 0);
        for (QWidget* widget : widgets) {
            layout->addWidget(widget);
        }
        layout->addStretch();
        return layout;
    };
    // Two label-and-control pairs per row.
    const auto pair = [&](int column, QLabel* caption, QWidget* control) {
        grid->addWidget(caption, row, column * 2);
        grid->addWidget(control, row, column * 2 + 1);
    };
    const auto pairLayout = [&](int column, QLabel* caption, QLayout* controls) {
        grid->addWidget(caption, row, column * 2);
        grid->addLayout(controls, row, column * 2 + 1);
    };

    pair(0, label("RxFrequencyLabel", 1101), m_rx);
    pair(1, label("TxFrequencyLabel", 1140), m_tx);
    ++row;
    pairLayout(0, label("OffsetLabel", 1102), strip({m_offset, m_shift}));
    auto* names = new QHBoxLayout;
    names->setContentsMargins(0, 0, 0, 0);
    names->setSpacing(2);
    for (QLineEdit* nameBox : m_name) {
        nameBox->setFixedWidth(nameBox->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2 + 8);
        names->addWidget(nameBox);
    }
    names->addStretch();
    pairLayout(1, label("NameLabel", 1103), names);
    ++row;
    pair(0, label("StepLabel", 1104), m_step);
    pair(1, label("BandwidthLabel", 1106), m_bandwidth);
    ++row;
    pair(0, label("PowerLabel", 1109), m_power);
    // Text 1114 also captions the talkaround box; the list takes the grid column's header text.
    pair(1, label("RelationLabel", 1108), m_relation);
    ++row;
    grid->addWidget(label("SignallingLabel", 1110), row, 0);
    grid->addLayout(strip({m_signalling, m_dtmfCode, m_twoTone, m_fiveTone}), row, 1, 1, 3);
    ++row;
    m_decodeLabel = label("DecodeToneLabel", 0);
    grid->addWidget(m_decodeLabel, row, 0);
    grid->addLayout(strip({m_decodeType, m_decodeCtcss, m_decodeDcs, m_decodeInverted}), row, 1, 1,
                    3);
    ++row;
    m_encodeLabel = label("EncodeToneLabel", 0);
    grid->addWidget(m_encodeLabel, row, 0);
    grid->addLayout(strip({m_encodeType, m_encodeCtcss, m_encodeDcs, m_encodeInverted}), row, 1, 1,
                    3);
    ++row;
    pair(0, label("ScramblerLabel", 1742), m_scrambler);
    pair(1, label("SquelchModeLabel", 1745), m_squelch);
    ++row;
    pair(0, label("DtmfPttIdLabel", 1743), m_dtmfPttId);
    pair(1, label("FiveTonePttIdLabel", 1744), m_fiveTonePttId);
    ++row;
    pair(0, label("ExtraDisplayLabel", 1116), m_extraDisplay);
    pair(1, label("BusyLockLabel", 1717), m_busyLock);
    ++row;

    auto* checks = new QGridLayout;
    checks->addWidget(m_txInhibit, 0, 0);
    checks->addWidget(m_reverse, 0, 1);
    checks->addWidget(m_talkaround, 0, 2);
    checks->addWidget(m_compander, 0, 3);
    checks->addWidget(m_scanSkip, 1, 0);
    checks->addWidget(m_pttIdFlag, 1, 1);
    checks->addWidget(m_pttIdDecode, 1, 2);
    checks->addWidget(m_pttIdCode, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(checks);
    layout->addLayout(buttons);
}

void ChannelDialog::fillLists() {
    const LanguageText& text = m_context.text;
    const auto texts = [&](QComboBox* list, std::initializer_list<int> ids) {
        for (const int id : ids) {
            list->addItem(OtherText(text, id));
        }
    };
    const auto items = [](QComboBox* list, std::initializer_list<const char*> entries) {
        for (const char* entry : entries) {
            list->addItem(QString::fromLatin1(entry));
        }
    };

    m_shift->addItem(OtherText(text, 1210));
    items(m_shift, {"-", "+"});
    for (const std::string& step : StepList(m_context.workspace.identity.BandCode)) {
        m_step->addItem(Text(step));
    }
    items(m_bandwidth, {"25KHz", "20KHz", "12.5KHz"});
    texts(m_power, {1204, 1221, 1205});
    texts(m_relation, {1202, 1203});
    m_signalling->addItem(OtherText(text, 1206));
    items(m_signalling, {"DTMF", "2Tone", "5Tone"});
    for (std::size_t code = 1; code <= kDtmfCodeCount; ++code) {
        m_dtmfCode->addItem(QStringLiteral("M%1").arg(code));
    }
    const Configuration& configuration = m_context.workspace.working;
    for (std::size_t entry = 0; entry < configuration.TwoTone.codes.size(); ++entry) {
        if (TwoToneEntryInUse(configuration.TwoTone.codes[entry])) {
            m_twoTone->addItem(QString::number(entry));
        }
    }
    for (std::size_t entry = 0; entry < configuration.FiveTone.codes.size(); ++entry) {
        if (FiveToneCodeInUse(configuration.FiveTone.codes[entry])) {
            m_fiveTone->addItem(QString::number(entry));
        }
    }
    for (QComboBox* type : {m_decodeType, m_encodeType}) {
        type->addItem(OtherText(text, 1206));
        items(type, {"CTCSS", "DCS"});
    }
    for (QComboBox* ctcss : {m_decodeCtcss, m_encodeCtcss}) {
        for (const std::string_view tone : CtcssTable()) {
            ctcss->addItem(Text(tone));
        }
    }
    for (QComboBox* dcs : {m_decodeDcs, m_encodeDcs}) {
        for (int code = 0; code < kDcsCodeCount; ++code) {
            dcs->addItem(Text(DcsCodeText(code)));
        }
    }
    texts(m_scrambler, {1755, 1756});
    texts(m_dtmfPttId, {1755, 1765, 1766, 1767});
    texts(m_fiveTonePttId, {1755, 1765, 1766, 1767});
    texts(m_extraDisplay, {1210, 1211, 1212, 1214, 1215, 1216, 1217, 1218, 1219, 1220});
    m_busyLock->addItem(OtherText(text, 1755));
    items(m_busyLock, {"Repeater", "Busy"});
}

void ChannelDialog::load(const ChannelRecord& record) {
    PromptMessageSink sink(m_prompter, m_context.text, this);
    const double rxLower = m_context.workspace.identity.Limits.RxLower;
    const std::string rx = FrequencyToDisplay(record.RxFrequency.value(), rxLower, sink);
    const std::string offset = OffsetToDisplay(record.Offset.value(), sink);
    m_rx->setText(Text(rx));
    m_offset->setText(Text(offset));
    m_tx->setText(Text(TransmitTextOf(rx, offset, record.ShiftDirection)));
    SelectPosition(m_shift, record.ShiftDirection);
    const std::string name = record.Name.value();
    for (std::size_t i = 0; i < m_name.size(); ++i) {
        m_name[i]->setText(i < name.size() ? Latin1(name.substr(i, 1)) : QString());
    }
    m_pttIdCode->setText(Latin1(record.PttIdCode.value()));

    // The type and signalling lists apply their rules as a user's choice would; the lists set
    // after them then show the record's own values.
    SelectPosition(m_step, record.StepIndex);
    SelectPosition(m_bandwidth, record.Bandwidth);
    SelectPosition(m_power, record.TxPower);
    SelectPosition(m_relation, record.SignallingRelation);
    SelectPosition(m_signalling, record.Signalling);
    signallingChosen(m_signalling->currentIndex());
    SelectPosition(m_decodeType, record.DecodeToneType);
    decodeToneTypeChosen(m_decodeType->currentIndex());
    SelectPosition(m_encodeType, record.EncodeToneType);
    encodeToneTypeChosen(m_encodeType->currentIndex());
    SelectPosition(m_scrambler, record.Scrambler);
    SelectPosition(m_dtmfPttId, record.DtmfPttId);
    dtmfPttIdChosen(m_dtmfPttId->currentIndex());
    SelectPosition(m_fiveTonePttId, record.FiveTonePttId);
    fiveTonePttIdChosen(m_fiveTonePttId->currentIndex());
    selectSquelchMode(record.SquelchMode);
    SelectPosition(m_extraDisplay, ExtraDisplayPosition(record.ExtraDisplay));
    SelectPosition(m_busyLock, record.BusyLock);

    SelectPosition(m_dtmfCode, record.DtmfCode);
    SelectNumber(m_twoTone, record.TwoToneEntry);
    SelectNumber(m_fiveTone, record.FiveToneEntry);
    SelectPosition(m_decodeCtcss, record.DecodeToneCtcss);
    SelectPosition(m_encodeCtcss, record.EncodeToneCtcss);
    SelectPosition(m_decodeDcs, record.DecodeToneDcs);
    SelectPosition(m_encodeDcs, record.EncodeToneDcs);
    SetChecked(m_decodeInverted, record.DecodeToneInverted);
    SetChecked(m_encodeInverted, record.EncodeToneInverted);
    SetChecked(m_txInhibit, record.TxInhibit);
    SetChecked(m_reverse, record.Reverse);
    SetChecked(m_talkaround, record.Talkaround);
    SetChecked(m_compander, record.Compander);
    SetChecked(m_scanSkip, record.ScanSkip);
    SetChecked(m_pttIdFlag, record.PttIdFlag);
    SetChecked(m_pttIdDecode, record.PttIdDecode);

    // The reverse box decides which tone the squelch modes follow, and it is set last; the
    // stored mode is chosen once the list fits the whole record, so it is not lost to a list
    // built for the decode tone alone.
    rebuildSquelchModes();
    selectSquelchMode(record.SquelchMode);
    receiveTextChanged();
}

void ChannelDialog::watch(QWidget* control) {
    control->installEventFilter(this);
}

void ChannelDialog::watchBox(QLineEdit* box, int filter) {
    box->setProperty(kBoxFilterProperty, filter);
    // Pasting is refused in every box, so neither the context menu nor a drop may bring text in.
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    watch(box);
}

namespace {

bool Admits(int filter, QChar c) {
    const char16_t code = c.unicode();
    if (code < 32 || code > 126) {
        return false;
    }
    switch (filter) {
    case kFrequencyBox:
        return c.isDigit() || c == QLatin1Char('.');
    case kNameBox:
        return c != QLatin1Char('\\') && c != QLatin1Char('~');
    case kDigitsBox:
        return c.isDigit();
    default:
        return true;
    }
}

} // namespace

bool ChannelDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (box != nullptr) {
            // Deferred: a mouse click that gave the focus would place the cursor afterwards.
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        if (box != nullptr) {
            return filterKey(box, box->property(kBoxFilterProperty).toInt(), key);
        }
        break;
    }
    case QEvent::InputMethod:
        if (box != nullptr) {
            const int filter = box->property(kBoxFilterProperty).toInt();
            const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
            for (const QChar c : committed) {
                if (!Admits(filter, c)) {
                    return true;
                }
            }
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool ChannelDialog::filterKey(QLineEdit* box, int filter, QKeyEvent* key) {
    if (IsClipboardKey(key)) {
        return true;
    }
    const QString typed = key->text();
    // Editing and moving keys carry no character, or a control character of their own.
    if (typed.isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
        (typed.size() == 1 && typed[0].unicode() < 32)) {
        return false;
    }
    for (const QChar c : typed) {
        if (!Admits(filter, c)) {
            return true;
        }
    }
    if (filter == kNameBox) {
        // Each name box holds one character; typing it moves on to the next box.
        box->setText(typed.left(1));
        focusNextChild();
        return true;
    }
    return false;
}

void ChannelDialog::decodeToneTypeChosen(int position) {
    toneTypeChosen(position, m_decodeCtcss, m_decodeDcs, m_decodeInverted);
}

void ChannelDialog::encodeToneTypeChosen(int position) {
    toneTypeChosen(position, m_encodeCtcss, m_encodeDcs, m_encodeInverted);
}

void ChannelDialog::toneTypeChosen(int position, QComboBox* ctcss, QComboBox* dcs,
                                   QCheckBox* inverted) {
    ctcss->setVisible(false);
    dcs->setVisible(false);
    inverted->setVisible(false);
    if (position == 1) {
        ctcss->setVisible(true);
        ctcss->setCurrentIndex(0);
    } else if (position == 2) {
        dcs->setVisible(true);
        dcs->setCurrentIndex(0);
        inverted->setVisible(true);
        inverted->setEnabled(true);
        const QSignalBlocker blocker(inverted);
        inverted->setChecked(false);
    }
    rebuildSquelchModes();
}

void ChannelDialog::signallingChosen(int position) {
    m_dtmfCode->setVisible(false);
    m_twoTone->setVisible(false);
    m_fiveTone->setVisible(false);
    m_pttIdFlag->setVisible(false);
    QComboBox* chosen = position == 1   ? m_dtmfCode
                        : position == 2 ? m_twoTone
                        : position == 3 ? m_fiveTone
                                        : nullptr;
    if (chosen != nullptr) {
        chosen->setVisible(true);
        chosen->setEnabled(true);
        chosen->setCurrentIndex(chosen->count() > 0 ? 0 : -1);
    }
    // The offered squelch modes depend on whether any system is chosen, so the list follows
    // every change of the signalling, not only the change to none.
    rebuildSquelchModes();
}

void ChannelDialog::dtmfPttIdChosen(int position) {
    if (position > 0) {
        m_fiveTonePttId->setCurrentIndex(0);
    }
}

void ChannelDialog::fiveTonePttIdChosen(int position) {
    if (position > 0) {
        m_dtmfPttId->setCurrentIndex(0);
    }
}

void ChannelDialog::rebuildSquelchModes() {
    const int current = m_squelch->currentIndex();
    const int previous = current >= 0 && static_cast<std::size_t>(current) < m_squelchOffered.size()
                             ? m_squelchOffered[static_cast<std::size_t>(current)]
                             : -1;
    m_squelchOffered =
        OfferedSquelchModes(m_decodeType->currentIndex(), m_encodeType->currentIndex(),
                            m_reverse->isChecked(), m_signalling->currentIndex());
    const QSignalBlocker blocker(m_squelch);
    m_squelch->clear();
    for (const int master : m_squelchOffered) {
        m_squelch->addItem(OtherText(m_context.text, kFirstSquelchModeText + master));
    }
    selectSquelchMode(previous);
}

void ChannelDialog::selectSquelchMode(int masterPosition) {
    const QSignalBlocker blocker(m_squelch);
    int index = 0;
    for (std::size_t i = 0; i < m_squelchOffered.size(); ++i) {
        if (m_squelchOffered[i] == masterPosition) {
            index = static_cast<int>(i);
        }
    }
    m_squelch->setCurrentIndex(m_squelch->count() > 0 ? index : -1);
}

void ChannelDialog::receiveTextChanged() {
    const bool enable = !m_rx->text().isEmpty();
    for (QWidget* control : m_dependants) {
        control->setEnabled(enable);
    }
}

ChannelEntries ChannelDialog::entries() const {
    ChannelEntries e;
    e.rxText = Bytes(m_rx->text());
    e.offsetText = Bytes(m_offset->text());
    e.txText = Bytes(m_tx->text());
    e.shiftPosition = m_shift->currentIndex();
    for (std::size_t i = 0; i < m_name.size(); ++i) {
        e.nameBoxes[i] = Bytes(m_name[i]->text());
    }
    e.stepPosition = m_step->currentIndex();
    e.bandwidthPosition = m_bandwidth->currentIndex();
    e.powerPosition = m_power->currentIndex();
    e.signallingText = Bytes(m_signalling->currentText());
    e.decodeToneTypePosition = m_decodeType->currentIndex();
    e.encodeToneTypePosition = m_encodeType->currentIndex();
    e.decodeCtcssPosition = m_decodeCtcss->currentIndex();
    e.encodeCtcssPosition = m_encodeCtcss->currentIndex();
    e.decodeDcsPosition = m_decodeDcs->currentIndex();
    e.encodeDcsPosition = m_encodeDcs->currentIndex();
    e.scramblerPosition = m_scrambler->currentIndex();
    e.dtmfPttIdPosition = m_dtmfPttId->currentIndex();
    e.fiveTonePttIdPosition = m_fiveTonePttId->currentIndex();
    const int squelch = m_squelch->currentIndex();
    e.squelchMode = squelch >= 0 && static_cast<std::size_t>(squelch) < m_squelchOffered.size()
                        ? m_squelchOffered[static_cast<std::size_t>(squelch)]
                        : 0;
    e.extraDisplayPosition = m_extraDisplay->currentIndex();
    e.busyLockPosition = m_busyLock->currentIndex();
    e.dtmfCodePosition = m_dtmfCode->currentIndex();
    e.twoToneItem = Bytes(m_twoTone->currentText());
    e.fiveToneItem = Bytes(m_fiveTone->currentText());
    e.txInhibit = m_txInhibit->isChecked();
    e.decodeToneInverted = m_decodeInverted->isChecked();
    e.encodeToneInverted = m_encodeInverted->isChecked();
    e.reverse = m_reverse->isChecked();
    e.talkaround = m_talkaround->isChecked();
    e.compander = m_compander->isChecked();
    e.scanSkip = m_scanSkip->isChecked();
    e.pttIdFlag = m_pttIdFlag->isChecked();
    e.pttIdDecode = m_pttIdDecode->isChecked();
    e.pttIdCode = Bytes(m_pttIdCode->text());
    return e;
}

std::vector<std::pair<QString, QString>> ChannelDialog::shownItems() const {
    std::vector<std::pair<QString, QString>> items;
    const auto caption = [this](const char* name) {
        const auto* label = findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QString();
    };
    const auto row = [&items](const QString& label, std::initializer_list<QWidget*> controls) {
        QStringList shown;
        for (QWidget* control : controls) {
            if (control->isHidden()) {
                continue;
            }
            if (const auto* box = qobject_cast<QLineEdit*>(control)) {
                shown << box->text();
            } else if (const auto* list = qobject_cast<QComboBox*>(control)) {
                shown << list->currentText();
            }
        }
        if (!shown.isEmpty()) {
            items.emplace_back(label, shown.join(QLatin1Char(' ')).trimmed());
        }
    };
    const auto check = [&](const QCheckBox* box) {
        if (!box->isHidden()) {
            items.emplace_back(
                box->text(),
                BuiltIn(m_context.text, box->isChecked() ? builtin::kOn : builtin::kOff));
        }
    };

    row(caption("RxFrequencyLabel"), {m_rx});
    row(caption("TxFrequencyLabel"), {m_tx});
    row(caption("OffsetLabel"), {m_offset, m_shift});
    // The name as OK would store it, without the blanks of the empty boxes at its end.
    QString name = Latin1(NameOfBoxes(entries().nameBoxes));
    while (name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    items.emplace_back(caption("NameLabel"), name);
    row(caption("StepLabel"), {m_step});
    row(caption("BandwidthLabel"), {m_bandwidth});
    row(caption("PowerLabel"), {m_power});
    row(caption("RelationLabel"), {m_relation});
    row(caption("SignallingLabel"), {m_signalling, m_dtmfCode, m_twoTone, m_fiveTone});
    row(m_decodeLabel->text(), {m_decodeType, m_decodeCtcss, m_decodeDcs});
    check(m_decodeInverted);
    row(m_encodeLabel->text(), {m_encodeType, m_encodeCtcss, m_encodeDcs});
    check(m_encodeInverted);
    row(caption("ScramblerLabel"), {m_scrambler});
    row(caption("SquelchModeLabel"), {m_squelch});
    row(caption("DtmfPttIdLabel"), {m_dtmfPttId});
    row(caption("FiveTonePttIdLabel"), {m_fiveTonePttId});
    row(caption("ExtraDisplayLabel"), {m_extraDisplay});
    row(caption("BusyLockLabel"), {m_busyLock});
    for (const QCheckBox* box : {m_txInhibit, m_reverse, m_talkaround, m_compander, m_scanSkip,
                                 m_pttIdFlag, m_pttIdDecode}) {
        check(box);
    }
    // The code box has no label of its own; it holds the code of the PTT ID box's caption.
    row(m_pttIdFlag->text(), {m_pttIdCode});
    return items;
}

void ChannelDialog::commandOk() {
    ChannelEntries e = entries();
    PromptMessageSink sink(m_prompter, m_context.text, this);
    const ChannelOkOutcome outcome = ApplyChannelEntries(e, m_position, m_context.workspace.working,
                                                         m_context.workspace.identity, sink);
    m_pttIdCode->setText(Latin1(e.pttIdCode));
    if (outcome == ChannelOkOutcome::VfoCannotBeEmpty) {
        m_rx->setFocus();
        return;
    }
    {
        const QSignalBlocker blocker(m_rx);
        m_rx->setText(Latin1(e.rxText));
    }
    m_tx->setText(Latin1(e.txText));
    m_offset->setText(Latin1(e.offsetText));
    SelectPosition(m_shift, e.shiftPosition);
    m_tableChanged = outcome == ChannelOkOutcome::Deleted ||
                     outcome == ChannelOkOutcome::Modified || outcome == ChannelOkOutcome::Added;
    accept();
}

bool OpenChannelDialog(QWidget* parent, AppContext& context, Prompter& prompter, int position) {
    ChannelDialog dialog(context, prompter, position, parent);
    dialog.exec();
    return dialog.tableChanged();
}

} // namespace kpt740
