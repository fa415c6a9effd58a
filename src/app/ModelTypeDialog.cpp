#include "app/ModelTypeDialog.h"

#include "app/BuiltInTexts.h"
#include "app/Localisation.h"
#include "app/Prompter.h"
#include "core/Identity.h"
#include "files/Workspace.h"
#include "text/LanguageText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kpt740 {

bool ApplyBandChoice(Workspace& workspace, int position, const LanguageText& text,
                     Prompter& prompter, QWidget* parent) {
    if (position < 0 || position >= kBandPlanCount ||
        BandCodeOfPosition(position) == workspace.identity.BandCode) {
        return false;
    }
    const PromptAnswer answer = prompter.question(
        parent, BuiltIn(text, builtin::kBandChangeWarning), PromptButtons::OkCancel,
        MessageIcon::Warning, BuiltIn(text, builtin::kWarningCaption));
    if (answer != PromptAnswer::Ok) {
        return false;
    }
    SetBandFromPosition(workspace.identity, position);
    workspace.NewConfiguration();
    return true;
}

ModelTypeDialog::ModelTypeDialog(Workspace& workspace, const LanguageText& text, Prompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), m_workspace(workspace), m_text(text), m_prompter(prompter),
      m_model(new QComboBox(this)), m_band(new QComboBox(this)), m_ok(new QPushButton(this)),
      m_cancel(new QPushButton(this)) {
    setObjectName(QStringLiteral("FrmModel"));
    SetTextId(this, 2300);
    m_model->setObjectName(QStringLiteral("ModelList"));
    m_band->setObjectName(QStringLiteral("BandList"));
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_ok->setDefault(true);

    auto* modelLabel = new QLabel(this);
    modelLabel->setObjectName(QStringLiteral("ModelLabel"));
    SetTextId(modelLabel, 2301);
    auto* bandLabel = new QLabel(this);
    bandLabel->setObjectName(QStringLiteral("BandLabel"));
    SetTextId(bandLabel, 2302);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(modelLabel, m_model);
    form->addRow(bandLabel, m_band);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    m_model->addItem(QString::fromStdString(workspace.identity.ProductName));
    m_model->setCurrentIndex(0);
    m_model->setEnabled(false);
    for (const std::string_view plan : BandPlanList()) {
        m_band->addItem(QString::fromUtf8(plan.data(), static_cast<qsizetype>(plan.size())));
    }
    m_band->setCurrentIndex(BandPositionOfCode(workspace.identity.BandCode));

    LocaliseForm(this, text);
    SetOkCancelCaptions(m_ok, m_cancel, text);
    connect(m_ok, &QPushButton::clicked, this, &ModelTypeDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ModelTypeDialog::commandOk() {
    m_bandChanged = ApplyBandChoice(m_workspace, m_band->currentIndex(), m_text, m_prompter, this);
    accept();
}

} // namespace kpt740
