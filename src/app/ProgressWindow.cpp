#include "app/ProgressWindow.h"

#include "app/Localisation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

namespace kpt740 {

namespace {

constexpr int kLabelGapTwips = 10;
constexpr int kMinimumBarTwips = 4500;

} // namespace

ProgressWindow::ProgressWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_bar(new QProgressBar(this)), m_label(new QLabel(this)), m_percentage(new QLabel(this)) {
    setObjectName(QStringLiteral("FrmProgress"));
    setWindowModality(Qt::ApplicationModal);
    m_bar->setObjectName(QStringLiteral("ProgressBar"));
    m_label->setObjectName(QStringLiteral("LabelProgress"));
    m_percentage->setObjectName(QStringLiteral("LabelPercentage"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(TwipsToPixels(this, kMinimumBarTwips));
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The label's right edge stays a fixed gap left of the percentage, whatever its length.
    auto* row = new QHBoxLayout;
    row->setSpacing(TwipsToPixels(this, kLabelGapTwips));
    row->addStretch();
    row->addWidget(m_label);
    row->addWidget(m_percentage);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addLayout(row);
    SetProgressValue(0);
}

void ProgressWindow::begin(const QString& title, const QString& label) {
    setWindowTitle(title);
    m_label->setText(label);
    SetProgressValue(0);
    m_running = true;
    adjustSize();
    show();
    raise();
    activateWindow();
}

void ProgressWindow::SetProgressValue(int percent) {
    const int shown = std::clamp(percent, 0, 100);
    m_percentage->setText(QString::number(shown) + QLatin1Char('%'));
    m_bar->setValue(shown);
}

void ProgressWindow::finish() {
    m_running = false;
    hide();
}

int ProgressWindow::value() const {
    return m_bar->value();
}

QString ProgressWindow::percentageText() const {
    return m_percentage->text();
}

QString ProgressWindow::labelText() const {
    return m_label->text();
}

void ProgressWindow::reject() {
    if (!m_running) {
        QDialog::reject();
    }
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    if (m_running) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace kpt740
