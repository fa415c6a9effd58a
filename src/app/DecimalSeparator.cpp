#include "app/DecimalSeparator.h"

#include <clocale>

namespace kpt740 {

void DecimalSeparator::useDot(const QLocale& userLocale) {
    m_userSeparator = userLocale.decimalPoint();
    // The C library may have taken the user's numeric conventions when Qt started up.
    if (const char* numeric = std::setlocale(LC_NUMERIC, nullptr)) {
        m_previousNumeric = numeric;
    }
    std::setlocale(LC_NUMERIC, "C");
    if (m_userSeparator == QStringLiteral(".")) {
        return;
    }
    m_previousDefault = QLocale();
    QLocale dot = QLocale::c();
    dot.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(dot);
    m_changed = true;
}

void DecimalSeparator::restore() {
    if (!m_previousNumeric.empty()) {
        std::setlocale(LC_NUMERIC, m_previousNumeric.c_str());
        m_previousNumeric.clear();
    }
    if (m_changed) {
        QLocale::setDefault(m_previousDefault);
        m_changed = false;
    }
}

} // namespace kpt740
