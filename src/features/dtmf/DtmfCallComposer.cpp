#include "features/dtmf/DtmfCallComposer.h"

#include "app/FilteredLineEdit.h"
#include "app/Localisation.h"
#include "features/dtmf/DtmfCallRules.h"
#include "text/LanguageText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr int kAniPosition = 0;
constexpr int kCallTypeKey = 60064;
constexpr int kCalledCodeKey = 60076;

QString OptionText(const LanguageText& text, int key) {
    return QString::fromStdString(text.option(key));
}

} // namespace

DtmfCallComposer::DtmfCallComposer(const LanguageText& text, QChar separator, QString ownId,
                                   QWidget* parent)
    : QDialog(parent), m_separator(separator), m_ownId(std::move(ownId)),
      m_kind(new QComboBox(this)), m_frame(new QGroupBox(this)),
      m_code(new FilteredLineEdit(DigitsOnly, m_frame)), m_ok(new QPushButton(this)),
      m_cancel(new QPushButton(this)) {
    setObjectName(QStringLiteral("FrmDTMFSpecial"));
    setWindowTitle(QStringLiteral("DTMF Special Call"));
    m_kind->setObjectName(QStringLiteral("CallTypeList"));
    m_frame->setObjectName(QStringLiteral("CalledFrame"));
    m_code->setObjectName(QStringLiteral("CalledCode"));
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_ok->setDefault(true);

    m_kind->addItem(QStringLiteral("ANI"));
    m_kind->addItem(QStringLiteral("PTTID"));
    m_kind->setCurrentIndex(kAniPosition);
    MoveFocusOnEnter(m_kind);
    m_code->setMaxLength(static_cast<int>(kOwnIdDigits));
    m_code->setText(QStringLiteral("000"));

    auto* kindLabel = new QLabel(OptionText(text, kCallTypeKey), this);
    kindLabel->setObjectName(QStringLiteral("CallTypeLabel"));
    auto* codeLabel = new QLabel(OptionText(text, kCalledCodeKey), m_frame);
    codeLabel->setObjectName(QStringLiteral("CalledCodeLabel"));

    auto* frameForm = new QFormLayout(m_frame);
    frameForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    frameForm->addRow(codeLabel, m_code);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(kindLabel, m_kind);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_frame);
    layout->addLayout(buttons);

    LocaliseForm(this, text);
    SetOkCancelCaptions(m_ok, m_cancel, text);

    connect(m_kind, &QComboBox::currentIndexChanged, this, &DtmfCallComposer::kindChanged);
    connect(m_code, &FilteredLineEdit::focusLeft, this, [this] {
        m_code->setText(
            QString::fromStdString(PadWithZeros(m_code->text().toStdString(), kOwnIdDigits)));
    });
    connect(m_ok, &QPushButton::clicked, this, &DtmfCallComposer::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

DtmfCallComposer::~DtmfCallComposer() {
    // The code box may lose the focus while the base class destroys it.
    m_code->disconnect(this);
}

void DtmfCallComposer::kindChanged(int position) {
    m_frame->setVisible(position == kAniPosition);
}

void DtmfCallComposer::commandOk() {
    const SpecialCallKind kind =
        m_kind->currentIndex() == kAniPosition ? SpecialCallKind::Ani : SpecialCallKind::PttId;
    m_composed = QString::fromStdString(
        ComposeSpecialCall(kind, m_code->text().toStdString(),
                           static_cast<char>(m_separator.toLatin1()), m_ownId.toStdString()));
    accept();
}

} // namespace kpt740
