#include "app/LanguageDialog.h"

#include "app/Localisation.h"
#include "text/LanguageText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kpt740 {

LanguageDialog::LanguageDialog(const LanguageText& text, int languageIndex, QWidget* parent)
    : QDialog(parent), m_list(new QComboBox(this)), m_ok(new QPushButton(this)),
      m_cancel(new QPushButton(this)) {
    setObjectName(QStringLiteral("FrmLanguage"));
    SetTextId(this, 1503);
    m_list->setObjectName(QStringLiteral("LanguageList"));
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_ok->setDefault(true);

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("LanguageLabel"));
    SetTextId(label, 1503);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(label, m_list);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    for (const int id : {1501, 1502, 1504}) {
        m_list->addItem(OtherText(text, id));
    }
    const int position = languageIndex - 1;
    m_list->setCurrentIndex(position >= 0 && position < m_list->count() ? position : 0);
    m_list->setMinimumContentsLength(16);

    LocaliseForm(this, text);
    SetOkCancelCaptions(m_ok, m_cancel, text);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int LanguageDialog::chosenLanguage() const {
    return m_list->currentIndex() + 1;
}

} // namespace kpt740
