#pragma once

#include <QLocale>
#include <string>

namespace kpt740 {

// Makes every number the program parses or formats use "." for the whole run, whatever the
// user's locale, and undoes it at exit. Only the program's own process state changes (Qt's
// default locale and the C library's numeric category), never a setting of the user or system.
class DecimalSeparator {
public:
    // `userLocale` is the locale the user runs the program in.
    void useDot(const QLocale& userLocale);
    void restore();
    // The separator found at start.
    QString userSeparator() const { return m_userSeparator; }
    bool changed() const { return m_changed; }

private:
    QString m_userSeparator = QStringLiteral(".");
    bool m_changed = false;
    QLocale m_previousDefault;
    std::string m_previousNumeric;
};

} // namespace kpt740
