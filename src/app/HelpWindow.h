#pragma once

#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace kpt740 {

// The in-program help: the HTML pages of one language, with links between them.
class HelpWindow final : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a page (its folder becomes the place relative links and pictures are found).
    void showPage(const std::filesystem::path& page);
    QString pageTitle() const;
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace kpt740
