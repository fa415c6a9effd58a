#include "features/twotone/TwoToneDialog.h"

#include "app/AppContext.h"
#include "app/FilteredLineEdit.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "config/Configuration.h"
#include "core/StoredRecord.h"
#include "features/twotone/TwoToneGrid.h"
#include "features/twotone/TwoToneRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr int kCaptionKey = 60051;
constexpr int kOkKey = 60024;
constexpr int kCancelKey = 60025;
constexpr int kCallsPageKey = 60043;
constexpr int kCodePageKey = 60044;
constexpr std::array<int, 3> kTimeKeys{60045, 60046, 60047};
constexpr int kTime4Key = 60048;
constexpr int kFormatKey = 60049;
constexpr int kResponseKey = 60050;
constexpr std::array<int, 4> kHeaderKeys{60053, 60054, 60055, 60304};
constexpr int kHertzKey = 60056;
constexpr std::array<int, 3> kResponseKeys{60057, 60058, 60059};
constexpr int kIntervalKey = 60307;
constexpr int kSideToneKey = 60312;
constexpr int kToneBoxLength = 6;
constexpr int kNumberColumnTwips = 500;
constexpr int kHeaderRowTwips = 500;
constexpr int kGridMinimumTwips = 5000;
constexpr int kVisibleRows = 12;
constexpr std::array<char, 4> kToneBoxNames{'A', 'B', 'C', 'D'};

} // namespace

TwoToneDialog::TwoToneDialog(AppContext& context, Prompter& /*prompter*/, QWidget* parent)
    : QDialog(parent), m_context(context), m_copy(context.workspace.working.TwoTone),
      m_tabs(new QTabWidget(this)), m_time4(new QComboBox), m_interval(new QComboBox),
      m_sideTone(new QCheckBox), m_format(new QComboBox), m_response(new QComboBox),
      m_model(new TwoToneEntryModel(m_copy.codes, this)),
      m_delegate(new TwoToneEntryDelegate(this)), m_grid(new TwoToneEntryView(m_model, m_delegate)),
      m_ok(new QPushButton(this)), m_cancel(new QPushButton(this)) {
    const LanguageText& text = context.text;
    const auto option = [&text](int key) { return QString::fromStdString(text.option(key)); };
    const auto addRow = [this](QFormLayout* form, const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption);
        form->addRow(label, control);
        m_shownRows.emplace_back(label, control);
    };
    setObjectName(QStringLiteral("Frm2Tone"));
    setWindowTitle(option(kCaptionKey));
    m_tabs->setObjectName(QStringLiteral("TabStrip"));
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_ok->setText(option(kOkKey));
    m_cancel->setText(option(kCancelKey));

    // Page 1: timing, side tone and the entry grid.
    auto* callsPage = new QWidget;
    callsPage->setObjectName(QStringLiteral("PageCalls"));
    auto* callsForm = new QFormLayout;
    callsForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QStringList timeItems = ListItems(TwoToneTimeList());
    for (std::size_t i = 0; i < m_timeLists.size(); ++i) {
        m_timeLists[i] = new QComboBox;
        m_timeLists[i]->setObjectName(QStringLiteral("Time%1List").arg(i + 1));
        m_timeLists[i]->addItems(timeItems);
        addRow(callsForm, option(kTimeKeys[i]), m_timeLists[i]);
    }
    m_time4->setObjectName(QStringLiteral("Time4List"));
    m_time4->addItems(ListItems(TwoToneTime4List()));
    addRow(callsForm, option(kTime4Key), m_time4);
    m_interval->setObjectName(QStringLiteral("IntervalList"));
    m_interval->addItems(ListItems(TwoToneIntervalList()));
    addRow(callsForm, option(kIntervalKey), m_interval);
    m_sideTone->setObjectName(QStringLiteral("SideTone"));
    m_sideTone->setText(option(kSideToneKey));
    callsForm->addRow(QString(), m_sideTone);
    m_shownRows.emplace_back(nullptr, m_sideTone);

    m_grid->setObjectName(QStringLiteral("EntryGrid"));
    m_model->setHeaders({option(kHeaderKeys[0]), option(kHeaderKeys[1]), option(kHeaderKeys[2]),
                         option(kHeaderKeys[3])});
    m_grid->setColumnWidth(0, TwipsToPixels(m_grid, kNumberColumnTwips));
    m_grid->horizontalHeader()->setMinimumHeight(TwipsToPixels(m_grid, kHeaderRowTwips));
    for (int column = kTone1Column; column <= kNameColumn; ++column) {
        m_grid->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    m_grid->setMinimumHeight(TwipsToPixels(m_grid, kHeaderRowTwips) +
                             kVisibleRows * m_grid->verticalHeader()->defaultSectionSize());
    m_grid->setMinimumWidth(TwipsToPixels(m_grid, kGridMinimumTwips));
    auto* callsLayout = new QHBoxLayout(callsPage);
    auto* callsLeft = new QVBoxLayout;
    callsLeft->addLayout(callsForm);
    callsLeft->addStretch();
    callsLayout->addLayout(callsLeft);
    callsLayout->addWidget(m_grid, 1);

    // Page 2: the own code and the four tones.
    auto* codePage = new QWidget;
    codePage->setObjectName(QStringLiteral("PageCode"));
    auto* codeForm = new QFormLayout(codePage);
    codeForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_format->setObjectName(QStringLiteral("FormatList"));
    m_format->addItems(ListItems(TwoToneFormatList()));
    addRow(codeForm, option(kFormatKey), m_format);
    m_response->setObjectName(QStringLiteral("ResponseList"));
    for (const int key : kResponseKeys) {
        m_response->addItem(option(key));
    }
    addRow(codeForm, option(kResponseKey), m_response);
    for (std::size_t i = 0; i < m_toneBoxes.size(); ++i) {
        auto* box = new FilteredLineEdit(ToneCharacters);
        box->setObjectName(QStringLiteral("Tone%1").arg(QLatin1Char(kToneBoxNames[i])));
        box->setMaxLength(kToneBoxLength);
        connect(box, &FilteredLineEdit::focusLeft, this, [box] {
            box->setText(QString::fromStdString(ToneBoxTextOnLeave(box->text().toStdString())));
        });
        m_toneBoxes[i] = box;
        addRow(codeForm, QString(QLatin1Char(kToneBoxNames[i])) + option(kHertzKey), box);
    }

    m_tabs->addTab(callsPage, option(kCallsPageKey));
    m_tabs->addTab(codePage, option(kCodePageKey));
    for (QComboBox* list : findChildren<QComboBox*>()) {
        MoveFocusOnEnter(list);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    LocaliseForm(this, text);
    showRecord();
    m_timeLists[0]->setFocus();

    connect(m_format, &QComboBox::currentIndexChanged, this, &TwoToneDialog::enableToneBoxes);
    connect(m_ok, &QPushButton::clicked, this, &TwoToneDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TwoToneDialog::~TwoToneDialog() {
    // The boxes lose the focus while the base class destroys them; by then this dialog is
    // gone, so their focus handlers must not run.
    for (FilteredLineEdit* box : findChildren<FilteredLineEdit*>()) {
        box->disconnect(this);
    }
}

std::vector<std::pair<QString, QString>> TwoToneDialog::shownItems() const {
    return ShownRows(m_shownRows, m_context.text);
}

void TwoToneDialog::showRecord() {
    const TwoToneControls controls = ShowTwoToneControls(m_copy);
    m_timeLists[0]->setCurrentIndex(controls.time1Position);
    m_timeLists[1]->setCurrentIndex(controls.time2Position);
    m_timeLists[2]->setCurrentIndex(controls.time3Position);
    m_time4->setCurrentIndex(controls.time4Position);
    m_interval->setCurrentIndex(controls.intervalPosition);
    m_format->setCurrentIndex(controls.formatPosition);
    m_response->setCurrentIndex(controls.responsePosition);
    m_sideTone->setChecked(controls.sideTone);
    for (std::size_t i = 0; i < m_toneBoxes.size(); ++i) {
        m_toneBoxes[i]->setText(QString::fromStdString(controls.toneBoxes[i]));
    }
    enableToneBoxes(controls.formatPosition);
    m_model->showAll();
}

void TwoToneDialog::enableToneBoxes(int formatPosition) {
    const TwoToneFormat& format = TwoToneFormatAt(formatPosition);
    for (std::size_t i = 0; i < m_toneBoxes.size(); ++i) {
        const auto box = static_cast<ToneBox>(i);
        m_toneBoxes[i]->setEnabled(box == format.firstTone || box == format.secondTone);
    }
}

void TwoToneDialog::commandOk() {
    TwoToneControls controls;
    controls.time1Position = m_timeLists[0]->currentIndex();
    controls.time2Position = m_timeLists[1]->currentIndex();
    controls.time3Position = m_timeLists[2]->currentIndex();
    controls.time4Position = m_time4->currentIndex();
    controls.intervalPosition = m_interval->currentIndex();
    controls.formatPosition = m_format->currentIndex();
    controls.responsePosition = m_response->currentIndex();
    controls.sideTone = m_sideTone->isChecked();
    for (std::size_t i = 0; i < m_toneBoxes.size(); ++i) {
        controls.toneBoxes[i] = m_toneBoxes[i]->text().toStdString();
    }
    StoreTwoToneControls(controls, m_copy);
    for (std::size_t i = 0; i < m_toneBoxes.size(); ++i) {
        m_toneBoxes[i]->setText(QString::fromStdString(controls.toneBoxes[i]));
    }
    m_delegate->commitOpenEditor(m_model);
    Configuration& configuration = m_context.workspace.working;
    configuration.TwoTone = m_copy;
    RevalidateSignallingRefs(configuration);
    accept();
}

bool OpenTwoToneDialog(QWidget* parent, AppContext& context, Prompter& prompter) {
    const Configuration& configuration = context.workspace.working;
    const TwoToneSettings record = configuration.TwoTone;
    const std::vector<std::uint8_t> channels = ToStoredBytes(configuration.Channels.Slots);
    TwoToneDialog dialog(context, prompter, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return accepted && (!SameTwoToneSettings(configuration.TwoTone, record) ||
                        ToStoredBytes(configuration.Channels.Slots) != channels);
}

} // namespace kpt740
