#include "app/SplashWindow.h"

#include "app/Localisation.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

namespace kpt740 {

SplashWindow::SplashWindow(const std::filesystem::path& picture, int milliseconds, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(new QLabel(this)) {
    setObjectName(QStringLiteral("FrmSplash"));
    m_picture->setObjectName(QStringLiteral("SplashPicture"));
    m_picture->setAlignment(Qt::AlignCenter);
    const QPixmap pixmap(QString::fromStdU16String(picture.u16string()));
    if (pixmap.isNull()) {
        // The picture is a resource beside the program; without it the window still says
        // what is starting.
        m_picture->setText(QStringLiteral("KPT740"));
        QFont font = m_picture->font();
        font.setPointSize(28);
        font.setBold(true);
        m_picture->setFont(font);
        m_picture->setMinimumSize(360, 200);
    } else {
        m_picture->setPixmap(pixmap);
    }
    auto* layout = new QVBoxLayout(this);
    const int margin = TwipsToPixels(this, 40);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(m_picture);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    m_timer.setSingleShot(true);
    m_timer.setInterval(milliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::finish);
    m_timer.start();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    finish();
}

void SplashWindow::finish() {
    if (m_finished) {
        return;
    }
    m_finished = true;
    m_timer.stop();
    close();
    emit finished();
}

} // namespace kpt740
