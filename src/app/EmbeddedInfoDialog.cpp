#include "app/EmbeddedInfoDialog.h"

#include "app/BuiltInTexts.h"
#include "app/HelpWindow.h"
#include "app/Localisation.h"
#include "core/Identity.h"
#include "text/LanguageText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace kpt740 {

namespace {

constexpr int kBoxTwips = 4695;
constexpr int kLabelGapTwips = 50;
constexpr int kReasonHeightTwips = 1005;
constexpr int kReasonMaxLength = 112;

// Captions of the rows, top to bottom: the ten rows of the column, then the frame's four.
constexpr std::array<const BuiltInText*, 14> kCaptions{
    &builtin::kAreaCode,      &builtin::kManufactureCode, &builtin::kUserCode,
    &builtin::kRadioType,     &builtin::kFrequency,       &builtin::kSerialNumber,
    &builtin::kProductedDate, &builtin::kMaintainedDate,  &builtin::kVersion,
    &builtin::kMaintained,    &builtin::kDealerCode,      &builtin::kStockDate,
    &builtin::kSellDate,      &builtin::kSeller,
};
constexpr std::array<const char*, 14> kLabelNames{
    "LabelAreaCode",  "LabelManufactureCode", "LabelUserCode",      "LabelRadioType",
    "LabelFrequency", "LabelSerialNumber",    "LabelProductedDate", "LabelMaintainedDate",
    "LabelVersion",   "LabelMaintained",      "LabelDealerCode",    "LabelStockDate",
    "LabelSellDate",  "LabelSeller",
};
constexpr std::size_t kColumnRows = 10;

template <std::size_t N> QString Shown(const FixedText<N>& field) {
    const std::string value = field.value();
    return QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
}

} // namespace

EmbeddedInfoDialog::EmbeddedInfoDialog(const EmbeddedInfo& info, std::string productName,
                                       const LanguageText& text, std::filesystem::path helpPage,
                                       QWidget* parent)
    : QDialog(parent), m_info(info), m_productName(std::move(productName)), m_text(text),
      m_helpPage(std::move(helpPage)) {
    setObjectName(QStringLiteral("FrmEMG"));
    const int boxWidth = TwipsToPixels(this, kBoxTwips);
    const auto lineBox = [&](const char* name, int maxLength) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxLength(maxLength);
        box->setMinimumWidth(boxWidth);
        return box;
    };
    m_areaCode = lineBox("TextAreaCode", 4);
    m_manufactureCode = lineBox("TextManufactureCode", 16);
    m_userCode = lineBox("TextUserCode", 16);
    m_radioType = new QComboBox(this);
    m_radioType->setObjectName(QStringLiteral("ComboRadioType"));
    m_frequency = new QComboBox(this);
    m_frequency->setObjectName(QStringLiteral("ComboFrequency"));
    for (QComboBox* list : {m_radioType, m_frequency}) {
        list->setMinimumWidth(boxWidth);
    }
    m_serialNumber = lineBox("TextSerialNumber", 16);
    m_productedDate = lineBox("TextProductedDate", 16);
    m_maintainedDate = lineBox("TextMaintainedDate", 16);
    m_version = lineBox("TextVersion", 16);
    m_version->setAutoFillBackground(true);
    QPalette versionPalette = m_version->palette();
    versionPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    m_version->setPalette(versionPalette);
    m_maintained = new QPlainTextEdit(this);
    m_maintained->setObjectName(QStringLiteral("TextMaintained"));
    m_maintained->setMinimumWidth(boxWidth);
    m_maintained->setFixedHeight(TwipsToPixels(this, kReasonHeightTwips));
    // A plain text box has no length limit of its own: typing beyond it is cut back.
    connect(m_maintained, &QPlainTextEdit::textChanged, this, [this] {
        const QString typed = m_maintained->toPlainText();
        if (typed.size() > kReasonMaxLength) {
            m_maintained->setPlainText(typed.left(kReasonMaxLength));
            m_maintained->moveCursor(QTextCursor::End);
        }
    });
    m_dealerFrame = new QGroupBox(this);
    m_dealerFrame->setObjectName(QStringLiteral("FrameDealer"));
    m_dealerCode = lineBox("TextDealerCode", 16);
    m_stockDate = lineBox("TextStockDate", 16);
    m_sellDate = lineBox("TextSellDate", 16);
    m_seller = lineBox("TextSeller", 16);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("CommandClose"));
    m_helpButton = new QPushButton(this);
    m_helpButton->setObjectName(QStringLiteral("CommandHelp"));

    for (const char* name : kLabelNames) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_labels.push_back(label);
    }
    m_descriptionLabel = new QLabel(this);
    m_descriptionLabel->setObjectName(QStringLiteral("LabelDescription"));
    m_descriptionLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);

    const int gap = TwipsToPixels(this, kLabelGapTwips);
    const std::array<QWidget*, kColumnRows> columnBoxes{
        m_areaCode,     m_manufactureCode, m_userCode,       m_radioType, m_frequency,
        m_serialNumber, m_productedDate,   m_maintainedDate, m_version,   m_maintained};
    auto* column = new QGridLayout;
    column->setHorizontalSpacing(gap);
    for (std::size_t row = 0; row + 1 < kColumnRows; ++row) {
        column->addWidget(m_labels[row], static_cast<int>(row), 0);
        column->addWidget(columnBoxes[row], static_cast<int>(row), 1);
    }
    // The repair reason's two labels stand one above the other beside the tall box.
    auto* reasonLabels = new QVBoxLayout;
    reasonLabels->setSpacing(0);
    reasonLabels->addWidget(m_labels[9]);
    reasonLabels->addWidget(m_descriptionLabel);
    column->addLayout(reasonLabels, static_cast<int>(kColumnRows) - 1, 0);
    column->addWidget(m_maintained, static_cast<int>(kColumnRows) - 1, 1);
    column->setColumnStretch(1, 1);

    const std::array<QLineEdit*, 4> dealerBoxes{m_dealerCode, m_stockDate, m_sellDate, m_seller};
    auto* dealer = new QGridLayout(m_dealerFrame);
    dealer->setHorizontalSpacing(gap);
    for (std::size_t row = 0; row < dealerBoxes.size(); ++row) {
        dealer->addWidget(m_labels[kColumnRows + row], static_cast<int>(row), 0);
        dealer->addWidget(dealerBoxes[row], static_cast<int>(row), 1);
    }
    dealer->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    buttons->addWidget(m_helpButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(m_dealerFrame);
    layout->addLayout(buttons);

    for (const std::string_view plan : BandPlanList()) {
        m_frequency->addItem(QString::fromUtf8(plan.data(), static_cast<qsizetype>(plan.size())));
    }
    localise();
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_helpButton, &QPushButton::clicked, this, &EmbeddedInfoDialog::showHelp);
    ShowByData();
}

void EmbeddedInfoDialog::localise() {
    setWindowTitle(BuiltIn(m_text, builtin::kEmbeddedTitle));
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setText(BuiltIn(m_text, *kCaptions[i]));
    }
    m_descriptionLabel->setText(BuiltIn(m_text, builtin::kDescription));
    m_descriptionLabel->setVisible(!m_descriptionLabel->text().isEmpty());
    // The reason's caption sits on the second caption when there is one, else at the top of
    // its box like every other caption.
    m_labels[9]->setAlignment(
        Qt::AlignRight | (m_descriptionLabel->text().isEmpty() ? Qt::AlignTop : Qt::AlignBottom));
    m_dealerFrame->setTitle(BuiltIn(m_text, builtin::kDealerInformation));
    SetCloseHelpCaptions(m_close, m_helpButton, m_text);
}

void EmbeddedInfoDialog::ShowByData() {
    m_radioType->clear();
    m_radioType->addItem(QString::fromStdString(m_productName));
    m_radioType->setCurrentIndex(0);
    // Every byte value has a position; one beyond the list shows the first band.
    const int position = BandPositionOfCode(m_info.RecordedBandCode);
    m_frequency->setCurrentIndex(position >= 0 && position < m_frequency->count() ? position : 0);
    m_areaCode->setText(Shown(m_info.SalesAreaCode));
    m_manufactureCode->setText(Shown(m_info.BatchNumber));
    m_userCode->setText(Shown(m_info.CustomerCode));
    m_serialNumber->setText(Shown(m_info.SerialNumber));
    m_productedDate->setText(Shown(m_info.FactoryDate));
    m_maintainedDate->setText(Shown(m_info.RepairDate));
    m_version->setText(QString::fromLatin1(kEmbeddedVersion));
    m_maintained->setPlainText(Shown(m_info.RepairReason));
    m_dealerCode->setText(Shown(m_info.DealerCode));
    m_stockDate->setText(Shown(m_info.StockInDate));
    m_sellDate->setText(Shown(m_info.SaleDate));
    m_seller->setText(Shown(m_info.Handler));
}

std::vector<EmbeddedInfoDialog::Row> EmbeddedInfoDialog::rows() const {
    const std::array<QString, 14> values{m_areaCode->text(),         m_manufactureCode->text(),
                                         m_userCode->text(),         m_radioType->currentText(),
                                         m_frequency->currentText(), m_serialNumber->text(),
                                         m_productedDate->text(),    m_maintainedDate->text(),
                                         m_version->text(),          m_maintained->toPlainText(),
                                         m_dealerCode->text(),       m_stockDate->text(),
                                         m_sellDate->text(),         m_seller->text()};
    std::vector<Row> result;
    for (std::size_t i = 0; i < values.size(); ++i) {
        result.push_back({m_labels[i]->text(), values[i]});
    }
    return result;
}

QString EmbeddedInfoDialog::dealerFrameCaption() const {
    return m_dealerFrame->title();
}

void EmbeddedInfoDialog::showHelp() {
    // A child of this modal window, so that it can be used while the window is open.
    if (m_help == nullptr) {
        m_help = new HelpWindow(this);
    }
    m_help->showPage(m_helpPage);
    m_help->show();
    m_help->raise();
}

} // namespace kpt740
