#include "features/fivetone/FiveToneCallComposer.h"

#include "app/Localisation.h"
#include "app/Prompter.h"
#include "features/fivetone/FiveToneCodeStrings.h"
#include "features/fivetone/FiveToneDialog.h"
#include "features/fivetone/FiveToneEditorRules.h"
#include "features/fivetone/FiveToneTextBox.h"
#include "text/LanguageText.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>

namespace kpt740 {

namespace {

constexpr int kIdLength = 5;
constexpr int kCodeNumbers = 100;
constexpr std::array<char, 6> kSeparators = {'A', 'B', 'C', 'D', 'E', 'F'};

// A data call into a PTT-ID box would need more digits than the code holds.
constexpr BuiltInText kDataCallTooLong{
    "This data call is too long for a PTT-ID code (at most 24 digits). Shorten the message to "
    "8 characters or fewer.",
    "此数据呼叫对 PTT-ID 码来说太长（最多 24 位）。请将信息缩短到 8 个字符以内。",
    "此資料呼叫對 PTT-ID 碼來說太長（最多 24 位）。請將訊息縮短到 8 個字元以內。"};

QFormLayout* Form() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
}

} // namespace

FiveToneCallComposer::FiveToneCallComposer(FiveToneDialog& host, int target,
                                           const LanguageText& text, Prompter& prompter,
                                           QWidget* parent)
    : QDialog(parent), m_host(host), m_target(target), m_text(text), m_prompter(prompter) {
    setObjectName(QStringLiteral("Frm5ToneSpecialCall"));
    setWindowTitle(option(60062));

    m_codeNumberLabel = new QLabel(this);
    m_codeNumberLabel->setObjectName(QStringLiteral("CodeNumberLabel"));
    m_codeNumber = new QComboBox(this);
    m_codeNumber->setObjectName(QStringLiteral("CodeNumberList"));
    m_callType = new QComboBox(this);
    m_callType->setObjectName(QStringLiteral("CallTypeList"));
    auto* callTypeLabel = new QLabel(option(60064), this);
    callTypeLabel->setObjectName(QStringLiteral("CallTypeLabel"));

    m_dataFrame = new QGroupBox(option(60073), this);
    m_dataFrame->setObjectName(QStringLiteral("DataFrame"));
    m_dataId = new FiveToneTextBox(&FiveToneTargetIdKey, kIdLength, m_dataFrame);
    m_dataId->setObjectName(QStringLiteral("DataIdBox"));
    m_message = new FiveToneTextBox(&FiveToneMessageKey,
                                    static_cast<int>(kFiveToneMaxMessageLength), m_dataFrame);
    m_message->setObjectName(QStringLiteral("MessageBox"));
    auto* dataForm = Form();
    dataForm->addRow(new QLabel(option(60076), m_dataFrame), m_dataId);
    dataForm->addRow(new QLabel(option(60077), m_dataFrame), m_message);
    m_dataFrame->setLayout(dataForm);

    m_aniFrame = new QGroupBox(QStringLiteral("ANI"), this);
    m_aniFrame->setObjectName(QStringLiteral("AniFrame"));
    m_aniId = new FiveToneTextBox(&FiveToneTargetIdKey, kIdLength, m_aniFrame);
    m_aniId->setObjectName(QStringLiteral("AniIdBox"));
    m_separator = new QComboBox(m_aniFrame);
    m_separator->setObjectName(QStringLiteral("SeparatorList"));
    auto* aniForm = Form();
    aniForm->addRow(new QLabel(option(60076), m_aniFrame), m_aniId);
    aniForm->addRow(new QLabel(option(60313), m_aniFrame), m_separator);
    m_aniFrame->setLayout(aniForm);

    m_ok = new QPushButton(option(60024), this);
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_ok->setAutoDefault(false);
    m_cancel = new QPushButton(option(60025), this);
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_cancel->setAutoDefault(false);

    auto* form = Form();
    form->addRow(m_codeNumberLabel, m_codeNumber);
    form->addRow(callTypeLabel, m_callType);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_dataFrame);
    layout->addWidget(m_aniFrame);
    layout->addStretch();
    layout->addLayout(buttons);

    // Loading: the target decides what the first line shows.
    if (m_target == kFiveToneSpecialCallList) {
        m_codeNumberLabel->setText(option(60063));
    } else {
        m_codeNumber->hide();
        m_codeNumberLabel->setText(option(m_target == kFiveToneSpecialCallBegin ? 60302 : 60303));
    }
    m_separator->addItem(option(60318));
    for (const char separator : kSeparators) {
        m_separator->addItem(QString(QChar(separator)));
    }
    for (int number = 0; number < kCodeNumbers; ++number) {
        m_codeNumber->addItem(QString::number(number));
    }
    const QModelIndex current = host.codeListView().currentIndex();
    m_codeNumber->setCurrentIndex(current.isValid() ? current.row() : 0);
    m_dataId->setText(QStringLiteral("12345"));
    m_aniId->setText(QStringLiteral("12345"));
    m_callType->addItem(option(60073));
    m_callType->addItem(QStringLiteral("ANI"));
    m_callType->addItem(QStringLiteral("PTTID"));
    m_callType->setCurrentIndex(0);
    callTypeChosen(0);

    connect(m_callType, &QComboBox::currentIndexChanged, this,
            &FiveToneCallComposer::callTypeChosen);
    connect(m_dataId, &FiveToneTextBox::left, this, [this] { idLeft(m_dataId); });
    connect(m_aniId, &FiveToneTextBox::left, this, [this] { idLeft(m_aniId); });
    connect(m_ok, &QPushButton::clicked, this, &FiveToneCallComposer::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FiveToneCallComposer::option(int id) const {
    return QString::fromStdString(m_text.option(id));
}

void FiveToneCallComposer::resetSeparator() {
    m_separator->setCurrentIndex(SeparatorItemOf(m_host.workingCopy().aniSeparator));
}

void FiveToneCallComposer::callTypeChosen(int type) {
    m_dataFrame->hide();
    m_aniFrame->hide();
    resetSeparator();
    if (type == static_cast<int>(FiveToneCallType::Data)) {
        m_dataFrame->show();
    } else if (type == static_cast<int>(FiveToneCallType::Ani)) {
        m_aniFrame->setTitle(m_callType->itemText(type));
        m_aniFrame->show();
    }
}

void FiveToneCallComposer::tellIdTooShort() {
    m_prompter.tell(this, QString::fromStdString(m_text.msg("900C")), MessageIcon::Warning);
}

void FiveToneCallComposer::idLeft(const FiveToneTextBox* box) {
    if (m_closing || QApplication::focusWidget() == m_cancel) {
        return;
    }
    if (box->text().size() < kIdLength) {
        tellIdTooShort();
    }
}

void FiveToneCallComposer::done(int result) {
    m_closing = true;
    QDialog::done(result);
}

void FiveToneCallComposer::commandOk() {
    const auto type = static_cast<FiveToneCallType>(std::clamp(m_callType->currentIndex(), 0, 2));
    const int separatorItem = m_separator->currentIndex();
    const char separator =
        separatorItem >= 1 && separatorItem <= static_cast<int>(kSeparators.size())
            ? kSeparators[static_cast<std::size_t>(separatorItem - 1)]
            : '\0';
    std::string id;
    if (type == FiveToneCallType::Data) {
        id = m_dataId->text().toStdString();
    } else if (type == FiveToneCallType::Ani) {
        id = m_aniId->text().toStdString();
    }
    if (type != FiveToneCallType::PttId && id.size() < static_cast<std::size_t>(kIdLength)) {
        tellIdTooShort();
        return;
    }
    const std::string message =
        type == FiveToneCallType::Data ? m_message->text().toStdString() : std::string();
    const std::string ownId = m_host.ownIdText().toStdString();
    if (m_target != kFiveToneSpecialCallList &&
        !SpecialCallFitsPttId(type, id, separator, message, ownId)) {
        m_prompter.tell(this, BuiltIn(m_text, kDataCallTooLong), MessageIcon::Warning);
        return;
    }

    m_host.workingCopy().aniSeparator = SeparatorFromItem(separatorItem);
    if (m_target == kFiveToneSpecialCallList) {
        m_host.codeList().applySpecialCall(m_codeNumber->currentIndex(), type, id, separator,
                                           message);
    } else {
        const std::string code = SpecialCallPttIdText(type, id, separator, message, ownId);
        m_host.pttIdCodeBox(m_target).setText(QString::fromStdString(NormalizeCode(code, ownId)));
    }
    accept();
}

} // namespace kpt740
