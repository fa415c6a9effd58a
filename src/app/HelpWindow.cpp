#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kpt740 {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* back = new QToolButton(this);
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setIcon(QIcon::fromTheme(QStringLiteral("go-previous"),
                                   style()->standardIcon(QStyle::SP_ArrowBack)));
    back->setAutoRaise(true);
    auto* home = new QToolButton(this);
    home->setObjectName(QStringLiteral("HelpHome"));
    home->setIcon(
        QIcon::fromTheme(QStringLiteral("go-home"), style()->standardIcon(QStyle::SP_DirHomeIcon)));
    home->setAutoRaise(true);
    back->setEnabled(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(home);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser);
    resize(640, 520);

    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(pageTitle()); });
}

void HelpWindow::showPage(const std::filesystem::path& page) {
    const QString file = QString::fromStdU16String(page.u16string());
    m_browser->setSearchPaths({QString::fromStdU16String(page.parent_path().u16string())});
    m_browser->clearHistory();
    m_browser->setSource(QUrl::fromLocalFile(file));
    setWindowTitle(pageTitle());
}

QString HelpWindow::pageTitle() const {
    const QString title = m_browser->documentTitle();
    return title.isEmpty() ? QStringLiteral("KPT740") : title;
}

} // namespace kpt740
