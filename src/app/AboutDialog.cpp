#include "app/AboutDialog.h"

#include "app/AppContext.h"
#include "app/BuildInfo.h"
#include "app/Localisation.h"
#include "app/SystemInfoWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kpt740 {

static_assert(std::string_view(KPT740_VERSION_TEXT) == std::string_view("1.0.0"),
              "the about box and the project version must agree");

AboutDialog::AboutDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About KPT740"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("AboutIcon"));
    icon->setPixmap(
        QIcon(QString::fromStdU16String((context.programFolder() / "kpt740.png").u16string()))
            .pixmap(64, 64));

    auto* title = new QLabel(QStringLiteral("KPT740"), this);
    title->setObjectName(QStringLiteral("AboutTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);

    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("AboutVersion"));
    auto* disclaimer = new QLabel(this);
    disclaimer->setObjectName(QStringLiteral("AboutDisclaimer"));
    SetTextId(disclaimer, 2100);
    disclaimer->setWordWrap(true);
    auto* description = new QLabel(this);
    description->setObjectName(QStringLiteral("AboutDescription"));
    SetTextId(description, 2101);
    description->setWordWrap(true);

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    SetTextId(ok, 101);
    ok->setDefault(true);
    auto* systemInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    systemInfo->setObjectName(QStringLiteral("CommandSysInfo"));

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(description);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(systemInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1);
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(bottom);
    setMinimumWidth(420);

    LocaliseForm(this, context.text);
    version->setText(versionLine(context));
    if (ok->text().isEmpty()) {
        ok->setText(QStringLiteral("OK"));
    }
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfo, &QPushButton::clicked, this, &AboutDialog::showSystemInformation);
}

QString AboutDialog::versionLine(const AppContext& context) {
    return OtherText(context.text, 2200) + QStringLiteral(" ") +
           QString::fromLatin1(kProgramVersion);
}

void AboutDialog::showSystemInformation() {
    auto* window = new SystemInfoWindow(m_context, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

} // namespace kpt740
