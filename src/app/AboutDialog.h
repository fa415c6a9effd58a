#pragma once

#include <QDialog>

namespace kpt740 {

class AppContext;

inline constexpr const char* kProgramVersion = "1.0.0";

// The about box: title, version, disclaimer and description, OK, and a button that opens the
// system information window.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(AppContext& context, QWidget* parent = nullptr);

    // "<text 2200> 1.0.0"
    static QString versionLine(const AppContext& context);

private:
    void showSystemInformation();

    AppContext& m_context;
};

} // namespace kpt740
