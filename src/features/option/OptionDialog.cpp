#include "features/option/OptionDialog.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "features/option/OptionRules.h"
#include "text/LanguageText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <optional>
#include <string>

namespace kpt740 {

namespace {

constexpr int kCaptionId = 1701;
constexpr int kFirstListLabelId = 1702; // list i has the label 1702 + i
constexpr int kList0 = 0;
constexpr int kChannelList = 2;
constexpr int kOffText = 1755;
constexpr int kMinuteText = 1782;
constexpr int kCheckTextIds[] = {1730, 1731, 1732, 1733};
constexpr int kEnableTextId = 1737;
constexpr int kPasswordLabelId = 1738;
constexpr int kWelcomeLabelId = 1739;
constexpr int kPasswordLength = 6;
// Label right edge to control left edge.
constexpr int kLabelGapTwips = 30;

// Captions of the design, shown where the language file has no text.
const char* const kCheckDesignCaptions[] = {"功能操作", "内部功能操作", "初始化按键", "尾音消除"};
const char* const kEnableDesignCaption = "启用开机密码";
const char* const kPasswordDesignCaption = "开机密码";

// The member each list edits, in list order.
constexpr std::int16_t OptionSettings::*kListFields[OptionDialog::kListCount] = {
    &OptionSettings::setting1702,   &OptionSettings::setting1703, &OptionSettings::channelIndex,
    &OptionSettings::setting1705,   &OptionSettings::setting1706, &OptionSettings::setting1707,
    &OptionSettings::setting1708,   &OptionSettings::setting1709, &OptionSettings::setting1710,
    &OptionSettings::toneFrequency, &OptionSettings::setting1712, &OptionSettings::setting1713,
    &OptionSettings::setting1714,   &OptionSettings::setting1715, &OptionSettings::setting1716,
    &OptionSettings::busyMode,      &OptionSettings::setting1718, &OptionSettings::setting1719,
};
constexpr bool kHiddenLists[OptionDialog::kListCount] = {
    false, false, false, false, true, false, true, true,  false,
    false, false, false, false, true, false, true, false, false,
};
// Check boxes 0-3 and the members they switch.
constexpr std::int16_t OptionSettings::*kCheckFields[] = {
    &OptionSettings::functionOperation, &OptionSettings::internalFunctionOperation,
    &OptionSettings::initKey, &OptionSettings::tailToneElimination};

QString FromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString TextOr(const LanguageText& text, int id, const char* design) {
    const QString value = OtherText(text, id);
    return value.isEmpty() ? QString::fromUtf8(design) : value;
}

QStringList Numbers(int first, int last, const QString& suffix = {}) {
    QStringList items;
    for (int n = first; n <= last; ++n) {
        items << QString::number(n) + suffix;
    }
    return items;
}

QStringList Texts(const LanguageText& text, std::initializer_list<int> ids) {
    QStringList items;
    for (const int id : ids) {
        items << OtherText(text, id);
    }
    return items;
}

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The character code a key press stands for, control keys included (Ctrl+C is 3); none for
// keys without a character (arrows, function keys).
std::optional<int> KeyCode(const QKeyEvent* event) {
    const int key = event->key();
    if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<int>(text.at(0).unicode());
}

// A text box whose typed keys pass a filter. Clipboard keys, the context menu, dropping and
// input methods are closed, so that only filtered single-byte characters get in.
class FilteredBox final : public QLineEdit {
public:
    FilteredBox(BoxKeyVerdict (*filter)(int), QWidget* parent)
        : QLineEdit(parent), m_filter(filter) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
        setAttribute(Qt::WA_InputMethodEnabled, false);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (IsEnter(event)) {
            focusNextChild();
            return;
        }
        if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy) ||
            event->matches(QKeySequence::Cut)) {
            return;
        }
        const auto code = KeyCode(event);
        const BoxKeyVerdict verdict = code ? m_filter(*code) : BoxKeyVerdict::Pass;
        if (verdict == BoxKeyVerdict::Swallow) {
            return;
        }
        QLineEdit::keyPressEvent(event);
        if (verdict == BoxKeyVerdict::PassAndMoveOn) {
            focusNextChild();
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        selectAll();
        // A mouse click that gave the focus would clear the selection again right after.
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    }

private:
    BoxKeyVerdict (*m_filter)(int);
};

} // namespace

OptionDialog::OptionDialog(const OptionSettings& settings, const ChannelTable& channels,
                           const LanguageText& text, QWidget* parent)
    : QDialog(parent), m_text(text), m_channels(channels), m_copy(settings) {
    buildControls();
    fillLists();
    showRecord();
    connectHandlers();
    m_loaded = true;
}

void OptionDialog::buildControls() {
    setObjectName(QStringLiteral("FrmOption"));
    LocaliseForm(this, m_text); // the language's font
    setWindowTitle(OtherText(m_text, kCaptionId));

    // Two columns of lists, each its own grid so that hidden rows close up in each.
    std::array<QGridLayout*, 2> columns{new QGridLayout, new QGridLayout};
    for (QGridLayout* column : columns) {
        column->setHorizontalSpacing(TwipsToPixels(this, kLabelGapTwips));
        column->setColumnStretch(1, 1);
        column->setRowStretch(kListCount, 1);
    }
    const int firstRightList = 9;
    for (int i = 0; i < kListCount; ++i) {
        auto* label = new QLabel(OtherText(m_text, kFirstListLabelId + i), this);
        label->setObjectName(QStringLiteral("Label%1").arg(kFirstListLabelId + i));
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("List%1").arg(i));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        m_listLabels[static_cast<std::size_t>(i)] = label;
        m_lists[static_cast<std::size_t>(i)] = list;
        QGridLayout* column = columns[i < firstRightList ? 0 : 1];
        column->addWidget(label, i, 0, Qt::AlignRight | Qt::AlignVCenter);
        if (i == kList0) {
            m_extraList = new QComboBox(this);
            m_extraList->setObjectName(QStringLiteral("ExtraList"));
            auto* pair = new QHBoxLayout;
            pair->addWidget(list);
            pair->addWidget(m_extraList);
            pair->addStretch();
            column->addLayout(pair, i, 1);
        } else {
            column->addWidget(list, i, 1, Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (kHiddenLists[i]) {
            label->hide();
            list->hide();
        }
    }

    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        m_checks[i] = new QCheckBox(TextOr(m_text, kCheckTextIds[i], kCheckDesignCaptions[i]));
        m_checks[i]->setObjectName(QStringLiteral("Check%1").arg(i));
    }
    // Check boxes 1-3 stand in a frame without a caption.
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("CheckFrame"));
    auto* frameLayout = new QVBoxLayout(frame);
    for (std::size_t i = 1; i < m_checks.size(); ++i) {
        frameLayout->addWidget(m_checks[i]);
    }

    m_enablePassword = new QCheckBox(TextOr(m_text, kEnableTextId, kEnableDesignCaption), this);
    m_enablePassword->setObjectName(QStringLiteral("EnableCheck"));

    m_welcomeLabel = new QLabel(OtherText(m_text, kWelcomeLabelId), this);
    m_welcomeLabel->setObjectName(QStringLiteral("Label%1").arg(kWelcomeLabelId));
    auto* welcomeRow = new QHBoxLayout;
    for (std::size_t i = 0; i < m_welcome.size(); ++i) {
        auto* box = new FilteredBox(&WelcomeBoxKey, this);
        box->setObjectName(QStringLiteral("WelcomeText%1").arg(i));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2 + 12);
        m_welcome[i] = box;
        welcomeRow->addWidget(box);
    }
    welcomeRow->addStretch();

    m_passwordLabel = new QLabel(TextOr(m_text, kPasswordLabelId, kPasswordDesignCaption), this);
    m_passwordLabel->setObjectName(QStringLiteral("Label%1").arg(kPasswordLabelId));
    m_password = new FilteredBox(&PasswordBoxKey, this);
    m_password->setObjectName(QStringLiteral("PasswordText"));
    m_password->setMaxLength(kPasswordLength);

    auto* bottom = new QGridLayout;
    bottom->setHorizontalSpacing(TwipsToPixels(this, kLabelGapTwips));
    bottom->addWidget(m_checks[0], 0, 1);
    bottom->addWidget(frame, 1, 1);
    bottom->addWidget(m_enablePassword, 2, 1);
    bottom->addWidget(m_welcomeLabel, 3, 0, Qt::AlignRight | Qt::AlignVCenter);
    bottom->addLayout(welcomeRow, 3, 1);
    bottom->addWidget(m_passwordLabel, 4, 0, Qt::AlignRight | Qt::AlignVCenter);
    bottom->addWidget(m_password, 4, 1, Qt::AlignLeft | Qt::AlignVCenter);
    bottom->setColumnStretch(1, 1);

    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    SetOkCancelCaptions(m_ok, m_cancel, m_text);
    // Enter moves between the controls here, so no button presses itself on Enter.
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* lists = new QHBoxLayout;
    lists->addLayout(columns[0]);
    lists->addSpacing(TwipsToPixels(this, 300));
    lists->addLayout(columns[1]);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    for (QComboBox* list : m_lists) {
        list->installEventFilter(this);
    }
    m_extraList->installEventFilter(this);
    for (QCheckBox* check : m_checks) {
        check->installEventFilter(this);
    }
    m_enablePassword->installEventFilter(this);
}

void OptionDialog::fillLists() {
    const LanguageText& t = m_text;
    std::array<QStringList, kListCount> items;
    items[0] = Texts(t, {1750, 1751, 1752});
    items[1] = Texts(t, {1753, 1754});
    for (const std::string& channel : OptionChannelList(m_channels)) {
        items[2] << FromStd(channel);
    }
    items[3] = Numbers(0, 20);
    items[4] = Numbers(0, 25);
    items[5] = Texts(t, {1747, 1748, 1749});
    items[6] = Texts(t, {1790, 1791, 1792});
    items[7] = QStringList{QStringLiteral("0s"), QStringLiteral("1s"), QStringLiteral("2s"),
                           QStringLiteral("3s"), QStringLiteral("Always")};
    items[8] = Numbers(1, 32);
    items[9] = QStringList{QStringLiteral("1750Hz"), QStringLiteral("2100Hz"),
                           QStringLiteral("1000Hz"), QStringLiteral("1450Hz")};
    items[10] = QStringList{OtherText(t, kOffText)} + Numbers(1, 30, OtherText(t, kMinuteText));
    items[11] = Texts(t, {kOffText, 1768, 1769, 1770});
    items[12] = Texts(t, {1761, 1762});
    items[13] = Texts(t, {kOffText, 1756});
    items[14] = Texts(t, {1794, 1795});
    items[15] =
        QStringList{OtherText(t, kOffText), QStringLiteral("Repeater"), QStringLiteral("Busy")};
    // The design items stand where the language file has no text.
    items[16] =
        QStringList{TextOr(t, kOffText, "off"), TextOr(t, 3010, "120°"), TextOr(t, 3011, "180°")};
    items[17] = Texts(t, {1798, 1799});
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        m_lists[i]->addItems(items[i]);
    }
    m_extraList->addItems(Texts(t, {1796, 1797}));
}

void OptionDialog::showRecord() {
    auto showPosition = [](QComboBox* list, int value) {
        list->setCurrentIndex(value >= 0 && value < list->count() ? value : 0);
    };
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        if (static_cast<int>(i) != kChannelList) {
            showPosition(m_lists[i], m_copy.*kListFields[i]);
        }
    }
    m_lists[kChannelList]->setCurrentIndex(
        ShownChannelItem(OptionChannelList(m_channels), m_copy.channelIndex));
    showPosition(m_extraList, m_copy.setting1702Extra);
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        m_checks[i]->setChecked(m_copy.*kCheckFields[i] == 1);
    }

    const auto boxes = WelcomeBoxes(m_copy.welcomeText);
    for (std::size_t i = 0; i < m_welcome.size(); ++i) {
        m_welcome[i]->setText(FromStd(boxes[i]));
    }
    m_password->setText(FromStd(m_copy.powerOnPassword.value()));
    m_enablePassword->setChecked(m_copy.powerOnPasswordEnabled == 1);
    EnablePassWord(m_copy.powerOnPasswordEnabled);

    const List0State state = List0StateOnLoad(m_copy.setting1702);
    m_lists[1]->setEnabled(state.list1Enabled);
    m_extraList->setVisible(state.extraVisible);
}

void OptionDialog::connectHandlers() {
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        const int list = static_cast<int>(i);
        connect(m_lists[i], &QComboBox::currentIndexChanged, this,
                [this, list](int position) { listChanged(list, position); });
    }
    connect(m_extraList, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (m_loaded) {
            m_copy.setting1702Extra = static_cast<std::int16_t>(position);
        }
    });
    for (std::size_t i = 0; i < m_checks.size(); ++i) {
        connect(m_checks[i], &QCheckBox::toggled, this, [this, i](bool checked) {
            if (m_loaded) {
                m_copy.*kCheckFields[i] = checked ? 1 : 0;
            }
        });
    }
    connect(m_enablePassword, &QCheckBox::toggled, this,
            [this](bool checked) { EnablePassWord(checked ? 1 : 0); });
    connect(m_ok, &QPushButton::clicked, this, &OptionDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionDialog::listChanged(int list, int position) {
    if (!m_loaded || position < 0) {
        return;
    }
    if (list == kList0) {
        list0Changed(position);
    } else if (list == kChannelList) {
        m_copy.channelIndex =
            ChannelIndexOfItem(m_lists[kChannelList]->itemText(position).toStdString());
    } else {
        m_copy.*kListFields[static_cast<std::size_t>(list)] = static_cast<std::int16_t>(position);
    }
}

void OptionDialog::list0Changed(int position) {
    const List0State state = ChangeList0(m_copy, position);
    m_lists[1]->setCurrentIndex(m_copy.setting1703);
    m_lists[1]->setEnabled(state.list1Enabled);
    if (!state.extraVisible) {
        m_extraList->setCurrentIndex(m_copy.setting1702Extra);
    }
    m_extraList->setVisible(state.extraVisible);
}

void OptionDialog::EnablePassWord(int value) {
    const bool visible = PassWordVisible(value);
    m_passwordLabel->setVisible(visible);
    m_password->setVisible(visible);
}

void OptionDialog::commandOk() {
    m_copy.powerOnPasswordEnabled = m_enablePassword->isChecked() ? 1 : 0;
    m_copy.powerOnPassword = PasswordFromBox(m_password->text().toStdString());
    std::array<std::string, 7> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = m_welcome[i]->text().toStdString();
    }
    m_copy.welcomeText = WelcomeTextFromBoxes(boxes);
    accept();
}

bool OptionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnter(event)) {
        focusNextChild();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::vector<std::pair<QString, QString>> OptionDialog::shownItems() const {
    std::vector<std::pair<QString, QString>> items;
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        if (!m_lists[i]->isHidden()) {
            items.emplace_back(m_listLabels[i]->text(), m_lists[i]->currentText());
        }
        if (static_cast<int>(i) == kList0 && !m_extraList->isHidden()) {
            items.emplace_back(QString(), m_extraList->currentText());
        }
    }
    auto checkItem = [this](const QCheckBox* box) {
        return std::pair{box->text(),
                         BuiltIn(m_text, box->isChecked() ? builtin::kOn : builtin::kOff)};
    };
    for (const QCheckBox* box : m_checks) {
        items.push_back(checkItem(box));
    }
    items.push_back(checkItem(m_enablePassword));
    QString welcome;
    for (const QLineEdit* box : m_welcome) {
        welcome += box->text().isEmpty() ? QStringLiteral(" ") : box->text();
    }
    while (welcome.endsWith(QLatin1Char(' '))) {
        welcome.chop(1);
    }
    items.emplace_back(m_welcomeLabel->text(), welcome);
    if (!m_password->isHidden()) {
        items.emplace_back(m_passwordLabel->text(), m_password->text());
    }
    return items;
}

bool OpenOptionDialog(QWidget* parent, AppContext& context, Prompter& /*prompter*/) {
    Configuration& working = context.workspace.working;
    OptionDialog dialog(working.Option, working.Channels, context.text, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    working.Option = dialog.settings();
    return true;
}

} // namespace kpt740
