#include "features/fivetone/FiveToneDialog.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "config/Configuration.h"
#include "features/alert/AlertRules.h"
#include "features/fivetone/FiveToneCallComposer.h"
#include "features/fivetone/FiveToneCodeStrings.h"
#include "features/fivetone/FiveToneStandards.h"
#include "features/fivetone/FiveToneTextBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr int kOwnIdLength = 5;
constexpr int kInfoDigitsLength = 12;
constexpr int kInfoNameLength = 7;
constexpr int kPttIdCodeLength = static_cast<int>(kFiveTonePttIdMaxDigits);
constexpr std::array<int, kFiveToneDecodeFunctionCount> kFunctionIds = {60098, 60075, 60074, 60069,
                                                                        60093, 60082, 60099};
constexpr std::array<int, kFiveToneDecodeResponseCount> kResponseIds = {60057, 60058, 60059};
constexpr int kCaptionId = 60052;
constexpr int kOkId = 60024;
constexpr int kCancelId = 60025;
constexpr int kSpecialCallId = 60062;
constexpr int kNoneId = 1755;          // OTHER
constexpr int kStandardLabelId = 3004; // OTHER
constexpr int kInfoFrameId = 3005;     // OTHER

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Fill(QComboBox* list, const std::vector<std::string>& items) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const auto& item : items) {
        list->addItem(QString::fromStdString(item));
    }
}

QComboBox* List(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    // Long lists (up to 256 items) stay usable.
    list->setMaxVisibleItems(20);
    return list;
}

QLabel* Label(QWidget* parent, const QString& text, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void Select(QComboBox* list, int index) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
}

QFormLayout* Form() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace

FiveToneDialog::FiveToneDialog(AppContext& context, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_context(context), m_prompter(prompter) {
    setObjectName(QStringLiteral("Frm5Tone"));
    // Loading step 1 and 2: state reset, captions and language-dependent items.
    m_curInfoCodeId = 0;
    m_loaded = false;
    m_work = context.workspace.working.FiveTone;
    buildControls();
    // Step 3: the numeric lists; step 4: the code list; step 5: the show step.
    fillLists();
    showStep();
    m_loaded = true;
}

const LanguageText& FiveToneDialog::text() const {
    return m_context.text;
}

QString FiveToneDialog::option(int id) const {
    return QString::fromStdString(m_context.text.option(id));
}

QString FiveToneDialog::other(int id) const {
    return OtherText(m_context.text, id);
}

void FiveToneDialog::buildControls() {
    setWindowTitle(option(kCaptionId));

    m_ownId = new FiveToneTextBox(&FiveToneOwnIdKey, kOwnIdLength, this);
    m_ownId->setObjectName(QStringLiteral("OwnIdBox"));
    m_standard = List(this, "StandardList");
    m_decodeResponse = List(this, "DecodeResponseList");
    m_toneDuration = List(this, "ToneDurationList");
    m_intervalA = List(this, "IntervalAList");
    m_intervalC = List(this, "IntervalCList");
    m_intervalB = List(this, "IntervalBList");
    m_optionD = List(this, "OptionDList");
    m_firstDigitDelay = List(this, "FirstDigitDelayList");
    m_pauseTime = List(this, "PauseTimeList");
    m_pauseDigit = List(this, "PauseDigitList");
    m_decodeTime = List(this, "DecodeTimeList");
    m_sideTone = new QCheckBox(option(60312), this);
    m_sideTone->setObjectName(QStringLiteral("SideToneCheck"));

    auto* system = new QGroupBox(this);
    system->setObjectName(QStringLiteral("SystemFrame"));
    auto* systemLeft = Form();
    systemLeft->addRow(Label(this, option(60072), "OwnIdLabel"), m_ownId);
    systemLeft->addRow(Label(this, other(kStandardLabelId), "StandardLabel"), m_standard);
    systemLeft->addRow(Label(this, option(60070), "DecodeResponseLabel"), m_decodeResponse);
    systemLeft->addRow(Label(this, option(60071), "ToneDurationLabel"), m_toneDuration);
    systemLeft->addRow(Label(this, option(60081), "IntervalALabel"), m_intervalA);
    systemLeft->addRow(Label(this, option(60307), "IntervalCLabel"), m_intervalC);
    auto* systemRight = Form();
    systemRight->addRow(Label(this, option(60308), "IntervalBLabel"), m_intervalB);
    systemRight->addRow(Label(this, option(60309), "OptionDLabel"), m_optionD);
    systemRight->addRow(Label(this, option(60310), "FirstDigitDelayLabel"), m_firstDigitDelay);
    systemRight->addRow(Label(this, option(60314), "PauseDigitLabel"), m_pauseDigit);
    systemRight->addRow(Label(this, option(60311), "PauseTimeLabel"), m_pauseTime);
    systemRight->addRow(Label(this, option(60315), "DecodeTimeLabel"), m_decodeTime);
    systemRight->addRow(QString(), m_sideTone);
    auto* systemLayout = new QHBoxLayout(system);
    systemLayout->addLayout(systemLeft);
    systemLayout->addLayout(systemRight);

    m_infoFrame = new QGroupBox(this);
    m_infoFrame->setObjectName(QStringLiteral("InfoCodeFrame"));
    m_infoNumber = List(m_infoFrame, "InfoNumberList");
    m_decodeFunction = List(m_infoFrame, "DecodeFunctionList");
    m_infoResponse = List(m_infoFrame, "InfoResponseList");
    m_infoDigits = new FiveToneTextBox(&FiveToneHexDigitKey, kInfoDigitsLength, m_infoFrame);
    m_infoDigits->setObjectName(QStringLiteral("InfoDigitsBox"));
    m_infoName = new FiveToneTextBox(&FiveToneAnyAsciiKey, kInfoNameLength, m_infoFrame);
    m_infoName->setObjectName(QStringLiteral("InfoNameBox"));
    auto* info = Form();
    info->addRow(Label(m_infoFrame, option(60095), "InfoNumberLabel"), m_infoNumber);
    info->addRow(Label(m_infoFrame, option(60096), "DecodeFunctionLabel"), m_decodeFunction);
    info->addRow(Label(m_infoFrame, option(60070), "InfoResponseLabel"), m_infoResponse);
    info->addRow(Label(m_infoFrame, option(60097), "InfoDigitsLabel"), m_infoDigits);
    info->addRow(Label(m_infoFrame, option(60306), "InfoNameLabel"), m_infoName);
    m_infoFrame->setLayout(info);

    auto* pttLayout = new QHBoxLayout;
    const std::array<const char*, 2> prefixes = {"PttIdBegin", "PttIdEnd"};
    const std::array<int, 2> frameIds = {60302, 60303};
    for (std::size_t p = 0; p < 2; ++p) {
        const QString prefix = QString::fromLatin1(prefixes[p]);
        m_pttFrame[p] = new QGroupBox(option(frameIds[p]), this);
        m_pttFrame[p]->setObjectName(prefix + QStringLiteral("Frame"));
        m_pttStandard[p] = List(m_pttFrame[p], "");
        m_pttStandard[p]->setObjectName(prefix + QStringLiteral("Standard"));
        m_pttDuration[p] = List(m_pttFrame[p], "");
        m_pttDuration[p]->setObjectName(prefix + QStringLiteral("Duration"));
        m_pttCode[p] = new FiveToneTextBox(&FiveToneHexDigitKey, kPttIdCodeLength, m_pttFrame[p]);
        m_pttCode[p]->setObjectName(prefix + QStringLiteral("Code"));
        m_pttSpecialCall[p] = new QPushButton(option(kSpecialCallId), m_pttFrame[p]);
        m_pttSpecialCall[p]->setObjectName(prefix + QStringLiteral("SpecialCall"));
        m_pttSpecialCall[p]->setAutoDefault(false);
        auto* form = Form();
        form->addRow(QString(), m_pttStandard[p]);
        form->addRow(QString(), m_pttDuration[p]);
        form->addRow(Label(m_pttFrame[p], option(60079), ""), m_pttCode[p]);
        form->addRow(QString(), m_pttSpecialCall[p]);
        m_pttFrame[p]->setLayout(form);
        pttLayout->addWidget(m_pttFrame[p]);
    }

    m_reference = new QPlainTextEdit(this);
    m_reference->setObjectName(QStringLiteral("ReferenceText"));
    m_reference->setReadOnly(true);
    m_reference->setMinimumWidth(TwipsToPixels(this, 2400));

    QStringList headers;
    for (const int id : {60053, 60062, 60079, 60061, 60080, 60305}) {
        headers << option(id);
    }
    m_codeModel = new FiveToneCodeListModel(
        m_work, [this] { return ownIdText().toStdString(); },
        FiveToneRowTexts{m_context.text.option(60073), m_context.text.option(60084)}, headers,
        this);
    m_codeView = new FiveToneCodeListView(this);
    m_codeView->setObjectName(QStringLiteral("CodeList"));
    m_codeView->setCodeModel(m_codeModel);
    m_codeView->setMinimumHeight(TwipsToPixels(this, 3000));
    m_codeSpecialCall = new QPushButton(option(kSpecialCallId), this);
    m_codeSpecialCall->setObjectName(QStringLiteral("CodeListSpecialCall"));
    m_codeSpecialCall->setAutoDefault(false);

    m_ok = new QPushButton(option(kOkId), this);
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton(option(kCancelId), this);
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_cancel->setAutoDefault(false);

    auto* upper = new QGridLayout;
    upper->addWidget(system, 0, 0, 1, 2);
    upper->addWidget(m_reference, 0, 2, 2, 1);
    upper->addWidget(m_infoFrame, 1, 0);
    upper->addLayout(pttLayout, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_codeSpecialCall);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper);
    layout->addWidget(m_codeView, 1);
    layout->addLayout(buttons);

    connect(m_ownId, &FiveToneTextBox::left, this, &FiveToneDialog::ownIdLeft);
    connect(m_standard, &QComboBox::activated, this, &FiveToneDialog::systemStandardChosen);
    connect(m_pauseDigit, &QComboBox::currentIndexChanged, this, &FiveToneDialog::pauseDigitChosen);
    connect(m_infoNumber, &QComboBox::currentIndexChanged, this, &FiveToneDialog::infoNumberChosen);
    connect(m_decodeFunction, &QComboBox::activated, this, &FiveToneDialog::decodeFunctionChosen);
    for (int p = 0; p < 2; ++p) {
        const int target = p + 1;
        connect(m_pttStandard[static_cast<std::size_t>(p)], &QComboBox::activated, this,
                [this, target](int standard) { pttIdStandardChosen(target, standard); });
        connect(m_pttCode[static_cast<std::size_t>(p)], &FiveToneTextBox::left, this,
                [this, target] { pttIdCodeLeft(target); });
        connect(m_pttSpecialCall[static_cast<std::size_t>(p)], &QPushButton::clicked, this,
                [this, target] { openSpecialCall(target); });
    }
    connect(m_codeSpecialCall, &QPushButton::clicked, this,
            [this] { openSpecialCall(kFiveToneSpecialCallList); });
    connect(m_codeView->codeDelegate(), &FiveToneCodeDelegate::standardChosen, this,
            &FiveToneDialog::codeStandardChosen);
    connect(m_codeView, &QAbstractItemView::doubleClicked, this,
            &FiveToneDialog::codeListDoubleClicked);
    connect(m_ok, &QPushButton::clicked, this, &FiveToneDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FiveToneDialog::fillLists() {
    std::vector<std::string> standards;
    for (const std::string_view name : FiveToneStandardNames()) {
        standards.emplace_back(name);
    }
    std::vector<std::string> durations;
    for (const std::string_view item : FiveToneDurationItems()) {
        durations.emplace_back(item);
    }
    std::vector<std::string> responses;
    for (const int id : kResponseIds) {
        responses.push_back(m_context.text.option(id));
    }
    std::vector<std::string> functions;
    for (const int id : kFunctionIds) {
        functions.push_back(m_context.text.option(id));
    }
    const std::string none = m_context.text.other(kNoneId);
    Fill(m_standard, standards);
    Fill(m_decodeResponse, responses);
    Fill(m_decodeFunction, functions);
    Fill(m_infoResponse, responses);
    Fill(m_infoNumber, {"1", "2", "3", "4", "5", "6", "7", "8"});
    for (std::size_t p = 0; p < 2; ++p) {
        Fill(m_pttStandard[p], standards);
        Fill(m_pttDuration[p], durations);
    }
    Fill(m_toneDuration, durations);
    Fill(m_intervalC, FiveToneIntervalCItems());
    const std::vector<std::string> intervals = FiveToneIntervalItems();
    Fill(m_intervalA, intervals);
    Fill(m_intervalB, intervals);
    Fill(m_firstDigitDelay, intervals);
    Fill(m_pauseTime, FiveTonePauseTimeItems());
    Fill(m_optionD, FiveToneOptionDItems(none));
    Fill(m_pauseDigit, FiveTonePauseDigitItems(none));
    Fill(m_decodeTime, FiveToneDecodeTimeItems());
}

QString FiveToneDialog::ownIdText() const {
    return m_ownId->text();
}

FiveToneTextBox& FiveToneDialog::pttIdCodeBox(int target) {
    return *m_pttCode[target == kFiveToneSpecialCallEnd ? 1 : 0];
}

void FiveToneDialog::showStep() {
    {
        const QSignalBlocker blocker(m_ownId);
        m_ownId->setText(QString::fromStdString(m_work.ownId.value()));
    }
    const FiveToneSystemSelection shown =
        ShowFiveToneSystem(m_work, m_context.workspace.working.decodeTime);
    Select(m_standard, shown.standard);
    Select(m_decodeResponse, shown.decodeResponse);
    Select(m_toneDuration, shown.toneDuration);
    Select(m_intervalA, shown.intervalA);
    Select(m_intervalB, shown.intervalB);
    Select(m_firstDigitDelay, shown.firstDigitDelay);
    Select(m_pauseTime, shown.pauseTime);
    Select(m_intervalC, shown.intervalC);
    Select(m_optionD, shown.optionD);
    Select(m_pauseDigit, shown.pauseDigit);
    Select(m_decodeTime, shown.decodeTime);
    m_pauseTime->setEnabled(shown.pauseTimeEnabled());
    m_sideTone->setChecked(shown.sideTone);

    // The first info code is shown (the code shown so far is stored first).
    if (m_infoNumber->currentIndex() == 0) {
        infoNumberChosen(0);
    } else {
        m_infoNumber->setCurrentIndex(0);
    }

    m_codeModel->showRows();

    for (std::size_t p = 0; p < 2; ++p) {
        FiveToneCode& code = p == 0 ? m_work.pttIdBegin : m_work.pttIdEnd;
        const PttIdView view = ShowPttId(code);
        m_pttCode[p]->setText(QString::fromStdString(view.code));
        Select(m_pttStandard[p], view.standard);
        Select(m_pttDuration[p], view.duration);
    }
    showReference(m_standard->currentIndex());
}

void FiveToneDialog::saveStep() {
    const std::string ownId = ownIdText().toStdString();
    m_work.ownId = ownId;
    m_work.ownIdLength = static_cast<std::uint8_t>(ownId.size());
    FiveToneSystemSelection selection;
    selection.standard = m_standard->currentIndex();
    selection.decodeResponse = m_decodeResponse->currentIndex();
    selection.toneDuration = m_toneDuration->currentIndex();
    selection.intervalA = m_intervalA->currentIndex();
    selection.intervalC = m_intervalC->currentIndex();
    selection.intervalB = m_intervalB->currentIndex();
    selection.optionD = m_optionD->currentIndex();
    selection.firstDigitDelay = m_firstDigitDelay->currentIndex();
    selection.pauseDigit = m_pauseDigit->currentIndex();
    selection.pauseTime = m_pauseTime->currentIndex();
    selection.decodeTime = m_decodeTime->currentIndex();
    selection.sideTone = m_sideTone->isChecked();
    SaveFiveToneSystem(selection, m_work, m_context.workspace.working.decodeTime);
    for (std::size_t p = 0; p < 2; ++p) {
        PttIdView view;
        view.code = m_pttCode[p]->text().toStdString();
        view.standard = m_pttStandard[p]->currentIndex();
        view.duration = m_pttDuration[p]->currentIndex();
        SavePttId(view, ownId, p == 0 ? m_work.pttIdBegin : m_work.pttIdEnd);
    }
    m_codeModel->saveRows();
}

void FiveToneDialog::showReference(int standard) {
    const std::string frequency = m_context.text.option(60085);
    const std::string duration = m_context.text.option(60086);
    const std::string letterA = m_context.text.option(60087);
    const std::string letterE = m_context.text.option(60088);
    QString reference =
        Q(FiveToneReferenceText(FiveToneStandardName(standard),
                                FiveToneReferenceLabels{frequency, duration, letterA, letterE}));
    // The text box keeps lines by LF alone.
    reference.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_reference->setPlainText(reference);
}

void FiveToneDialog::systemStandardChosen(int standard) {
    showReference(standard);
    if (const auto duration = FiveToneDefaultDurationText(FiveToneStandardName(standard))) {
        Select(m_toneDuration, m_toneDuration->findText(QString::fromStdString(*duration)));
    }
}

void FiveToneDialog::pttIdStandardChosen(int target, int standard) {
    QComboBox* duration = m_pttDuration[target == kFiveToneSpecialCallEnd ? 1 : 0];
    if (const auto text = FiveToneDefaultDurationText(FiveToneStandardName(standard))) {
        Select(duration, duration->findText(QString::fromStdString(*text)));
    }
    showReference(standard);
}

void FiveToneDialog::pauseDigitChosen(int item) {
    m_pauseTime->setEnabled(item > 0);
}

void FiveToneDialog::infoNumberChosen(int item) {
    if (m_curInfoCodeId > 0) {
        saveInfoCode(m_curInfoCodeId);
    }
    m_curInfoCodeId = item + 1;
    m_infoFrame->setTitle(other(kInfoFrameId) + QString::number(m_curInfoCodeId));
    showInfoCode();
}

void FiveToneDialog::saveInfoCode(int rID) {
    if (rID < 1 || rID > static_cast<int>(kFiveToneInfoCodeCount)) {
        return;
    }
    InfoCodeView view;
    view.function = m_decodeFunction->currentIndex();
    view.response = m_infoResponse->currentIndex();
    view.digits = m_infoDigits->text().toStdString();
    view.name = m_infoName->text().toStdString();
    SaveInfoCode(view, m_work.infoCodes[static_cast<std::size_t>(rID - 1)]);
}

void FiveToneDialog::showInfoCode() {
    if (m_curInfoCodeId < 1) {
        return;
    }
    const InfoCodeView view =
        ShowInfoCode(m_work.infoCodes[static_cast<std::size_t>(m_curInfoCodeId - 1)],
                     m_infoResponse->currentIndex());
    Select(m_decodeFunction, view.function);
    applyFunctionRule(view.rule);
    Select(m_infoResponse, view.response);
    m_infoDigits->setText(QString::fromStdString(view.digits));
    m_infoName->setText(QString::fromStdString(view.name));
}

void FiveToneDialog::decodeFunctionChosen(int function) {
    applyFunctionRule(ApplyDecodeFunction(function, m_infoResponse->currentIndex()));
}

void FiveToneDialog::applyFunctionRule(const InfoFunctionRule& rule) {
    std::vector<std::string> responses;
    for (int i = 0; i < rule.responseItems; ++i) {
        responses.push_back(m_context.text.option(kResponseIds[static_cast<std::size_t>(i)]));
    }
    Fill(m_infoResponse, responses);
    Select(m_infoResponse, rule.response);
    m_infoResponse->setEnabled(rule.responseEnabled);
    m_infoName->setEnabled(rule.nameEnabled);
    if (!rule.nameEnabled) {
        m_infoName->clear();
    }
}

void FiveToneDialog::pttIdCodeLeft(int target) {
    if (m_closing) {
        return;
    }
    FiveToneTextBox& box = pttIdCodeBox(target);
    box.setText(Q(NormalizeCode(box.text().toStdString(), ownIdText().toStdString())));
}

void FiveToneDialog::codeStandardChosen(int row, int standard) {
    if (m_codeView->editRow() < 1) {
        return;
    }
    showReference(standard);
    if (const auto duration = FiveToneDefaultDurationText(FiveToneStandardName(standard))) {
        m_codeModel->setDurationCell(row, QString::fromStdString(*duration));
    }
}

void FiveToneDialog::codeListDoubleClicked(const QModelIndex& index) {
    if (!m_loaded || !index.isValid() || index.column() != kFiveToneCodeColumn ||
        m_codeModel->row(index.row()).kind.empty()) {
        return;
    }
    const PromptAnswer answer =
        m_prompter.question(this, QStringLiteral("Reset Special Call of this channel,OK or Not?"),
                            PromptButtons::OkCancel, MessageIcon::Question);
    if (answer != PromptAnswer::Ok) {
        return;
    }
    m_codeModel->resetSpecialCall(index.row());
    m_codeView->enterCell(index);
}

bool FiveToneDialog::leavingForCancel() const {
    return m_closing || QApplication::focusWidget() == m_cancel;
}

void FiveToneDialog::done(int result) {
    m_closing = true;
    QDialog::done(result);
}

void FiveToneDialog::tellOption(int id) {
    m_prompter.tell(this, option(id), MessageIcon::Warning);
}

void FiveToneDialog::tellOwnIdTooShort() {
    m_prompter.tell(this, QString::fromStdString(m_context.text.msg("900C")), MessageIcon::Warning);
}

void FiveToneDialog::ownIdLeft() {
    // Cancel drops everything; asking for an ID on the way there would only be in the way.
    if (leavingForCancel()) {
        return;
    }
    if (m_ownId->text().size() < kOwnIdLength) {
        tellOwnIdTooShort();
        m_ownId->setFocus();
        return;
    }
    acceptOwnId();
}

void FiveToneDialog::acceptOwnId() {
    const std::string previous = m_work.ownId.value();
    const std::string newId = ownIdText().toStdString();
    m_work.ownId = newId;
    m_codeView->commitOpenEditor();
    saveStep();
    auto renew = [&](FiveToneCode& code) {
        const std::string before = code.digits.value();
        const std::string after = ApplyNewOwnId(before, previous, newId);
        if (after != before) {
            code.digits = after;
            // The count follows the digits, or the code would be shown cut or padded.
            code.digitCount = static_cast<std::uint8_t>(std::min<std::size_t>(after.size(), 40));
        }
    };
    for (auto& code : m_work.codes) {
        renew(code);
    }
    renew(m_work.pttIdBegin);
    renew(m_work.pttIdEnd);
    showStep();
}

void FiveToneDialog::openSpecialCall(int target) {
    if (target == kFiveToneSpecialCallList) {
        m_codeView->commitOpenEditor();
    }
    FiveToneCallComposer dialog(*this, target, m_context.text, m_prompter, this);
    dialog.exec();
}

void FiveToneDialog::commandOk() {
    if (m_ownId->text().size() != kOwnIdLength) {
        tellOwnIdTooShort();
        m_ownId->setFocus();
        return;
    }
    m_codeView->commitOpenEditor();
    saveStep();
    if (m_curInfoCodeId > 0) {
        saveInfoCode(m_curInfoCodeId);
    }
    if (!IsInfoKillStunWakenOK(m_work.infoCodes, [this](int id) { tellOption(id); })) {
        return;
    }
    Configuration& configuration = m_context.workspace.working;
    configuration.FiveTone = m_work;
    RevalidateSignallingRefs(configuration);
    std::array<bool, kFiveToneListCodeCount> inUse{};
    for (std::size_t code = 0; code < inUse.size(); ++code) {
        inUse[code] = FiveToneCodeInUse(m_work.codes[code]);
    }
    RepointFiveToneIdCode(configuration.Alert, inUse);
    accept();
}

FiveToneDialogContents FiveToneDialog::contents() const {
    FiveToneDialogContents contents;
    contents.caption = windowTitle();
    auto add = [&](const QString& label, const QString& value) {
        contents.values.emplace_back(label, value);
    };
    add(option(60072), m_ownId->text());
    add(other(kStandardLabelId), m_standard->currentText());
    add(option(60070), m_decodeResponse->currentText());
    add(option(60071), m_toneDuration->currentText());
    add(option(60081), m_intervalA->currentText());
    add(option(60307), m_intervalC->currentText());
    add(option(60308), m_intervalB->currentText());
    add(option(60309), m_optionD->currentText());
    add(option(60310), m_firstDigitDelay->currentText());
    add(option(60314), m_pauseDigit->currentText());
    add(option(60311), m_pauseTime->currentText());
    add(option(60315), m_decodeTime->currentText());
    // The same ON/OFF texts as every other check box of the report, in its language.
    add(m_sideTone->text(),
        BuiltIn(m_context.text, m_sideTone->isChecked() ? builtin::kOn : builtin::kOff));
    // The panels' standard and duration lists stand without labels; the system panel's labels
    // for the same lists name them.
    for (std::size_t p = 0; p < 2; ++p) {
        FiveTonePanelContents panel;
        panel.caption = m_pttFrame[p]->title();
        panel.values.emplace_back(option(60079), m_pttCode[p]->text());
        panel.values.emplace_back(other(kStandardLabelId), m_pttStandard[p]->currentText());
        panel.values.emplace_back(option(60071), m_pttDuration[p]->currentText());
        contents.pttIdPanels.push_back(std::move(panel));
    }

    const std::array<const char*, 5> infoLabels{"InfoNumberLabel", "DecodeFunctionLabel",
                                                "InfoResponseLabel", "InfoDigitsLabel",
                                                "InfoNameLabel"};
    for (std::size_t i = 0; i < infoLabels.size(); ++i) {
        const auto* label = m_infoFrame->findChild<QLabel*>(QString::fromLatin1(infoLabels[i]));
        contents.infoCodeHeadings[i] = label != nullptr ? label->text() : QString();
    }

    // The info codes as the panel would show each of them; the shown one with its edits.
    std::array<FiveToneInfoCode, kFiveToneInfoCodeCount> codes = m_work.infoCodes;
    if (m_curInfoCodeId > 0) {
        InfoCodeView shown;
        shown.function = m_decodeFunction->currentIndex();
        shown.response = m_infoResponse->currentIndex();
        shown.digits = m_infoDigits->text().toStdString();
        shown.name = m_infoName->text().toStdString();
        SaveInfoCode(shown, codes[static_cast<std::size_t>(m_curInfoCodeId - 1)]);
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const InfoCodeView view = ShowInfoCode(codes[i], 0);
        contents.infoCodes.push_back(
            {QString::number(i + 1), option(kFunctionIds[static_cast<std::size_t>(view.function)]),
             option(kResponseIds[static_cast<std::size_t>(view.response)]),
             QString::fromStdString(view.digits), QString::fromStdString(view.name)});
    }
    for (int column = 0; column < kFiveToneCodeListColumns; ++column) {
        contents.codeHeadings[static_cast<std::size_t>(column)] =
            m_codeModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    contents.codeRows = m_codeModel->shownRows();
    return contents;
}

bool OpenFiveToneDialog(QWidget* parent, AppContext& context, Prompter& prompter) {
    FiveToneDialog dialog(context, prompter, parent);
    return dialog.exec() == QDialog::Accepted;
}

FiveToneDialogContents FiveToneDialogContentsOf(AppContext& context, Prompter& prompter) {
    const FiveToneDialog dialog(context, prompter);
    return dialog.contents();
}

} // namespace kpt740
