#include "app/PortDialog.h"

#include "app/AppContext.h"
#include "app/Localisation.h"
#include "link/SerialPorts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kpt740 {

namespace {

constexpr int kLabelGapTwips = 50;

// The number of a list item: its text without the first three characters ("COM").
int NumberOfItem(const QString& item, bool* numeric = nullptr) {
    return item.mid(3).toInt(numeric);
}

} // namespace

PortDialog::PortDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_label(new QLabel(this)), m_list(new QComboBox(this)),
      m_ok(new QPushButton(this)), m_cancel(new QPushButton(this)), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("FrmPort"));
    SetTextId(this, 1401);
    m_label->setObjectName(QStringLiteral("LabelPort"));
    SetTextId(m_label, 1402);
    m_list->setObjectName(QStringLiteral("ComboPort"));
    m_ok->setObjectName(QStringLiteral("CommandOK"));
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_timer->setObjectName(QStringLiteral("PortRefreshTimer"));
    m_ok->setDefault(true);

    auto* row = new QHBoxLayout;
    row->setSpacing(TwipsToPixels(this, kLabelGapTwips));
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_label);
    row->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    LocaliseForm(this, context.text);
    SetOkCancelCaptions(m_ok, m_cancel, context.text);

    if (context.FixedPortList) {
        QStringList items;
        for (const std::string& item : FixedPortList()) {
            items << QString::fromStdString(item);
        }
        fill(items, context.values.comPort);
    } else {
        fill(presentPorts(), context.values.comPort);
        m_timer->setInterval(kRefreshMilliseconds);
        connect(m_timer, &QTimer::timeout, this, &PortDialog::refresh);
        m_timer->start();
    }

    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_filling) {
            m_portId = index < 0 ? 0 : NumberOfItem(m_list->itemText(index));
        }
    });
    connect(m_ok, &QPushButton::clicked, this, &PortDialog::commandOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList PortDialog::presentPorts() const {
    QStringList items;
    for (const ListedPort& port : m_context.ports().ports()) {
        items << QString::fromStdString(PortItemText(port.number));
    }
    return items;
}

void PortDialog::fill(const QStringList& items, int portNumber) {
    m_filling = true;
    QStringList shown;
    for (int i = 0; i < m_list->count(); ++i) {
        shown << m_list->itemText(i);
    }
    // An unchanged list is left alone, so an open drop-down is not shut every second.
    if (shown != items) {
        m_list->clear();
        m_list->addItems(items);
    }
    if (items.isEmpty()) {
        m_list->setCurrentIndex(-1);
        m_portId = 0;
    } else {
        const int wanted =
            static_cast<int>(items.indexOf(QString::fromStdString(PortItemText(portNumber))));
        m_list->setCurrentIndex(wanted >= 0 ? wanted : 0);
        m_portId = NumberOfItem(m_list->currentText());
    }
    m_filling = false;
}

void PortDialog::refresh() {
    fill(presentPorts(), m_portId);
}

void PortDialog::commandOk() {
    if (m_list->currentIndex() < 0) {
        m_context.values.comPort = 0;
    } else {
        bool numeric = false;
        const int number = NumberOfItem(m_list->currentText(), &numeric);
        if (numeric) {
            m_context.values.comPort = number;
            m_context.settings.write(kSettingsSection, "comPort", std::to_string(number));
        }
    }
    accept();
}

void PortDialog::done(int result) {
    m_timer->stop();
    QDialog::done(result);
}

} // namespace kpt740
