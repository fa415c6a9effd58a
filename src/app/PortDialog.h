#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace kpt740 {

class AppContext;

// The port dialog: the serial ports present (or the fixed list COM1-COM255), refreshed every
// second so that a port plugged in or pulled out shows at once. OK makes the selected port the
// current one and writes it to the settings file; Cancel changes nothing.
class PortDialog final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMilliseconds = 1000;

    explicit PortDialog(AppContext& context, QWidget* parent = nullptr);

    // The number of the item selected now; 0 when none is.
    int PortID() const { return m_portId; }
    QComboBox* portList() const { return m_list; }
    QTimer* refreshTimer() const { return m_timer; }

    // One tick of the refresh timer: the list again, the same port kept selected if present.
    void refresh();

    void done(int result) override;

private:
    // Puts the items in the list (unless it already holds exactly these) and selects the item
    // of `portNumber`, or the first item when that port is not listed.
    void fill(const QStringList& items, int portNumber);
    QStringList presentPorts() const;
    void commandOk();

    AppContext& m_context;
    QLabel* m_label;
    QComboBox* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QTimer* m_timer;
    int m_portId = 0;
    bool m_filling = false;
};

} // namespace kpt740
