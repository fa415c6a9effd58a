#pragma once

#include "app/GuiLinkPrompts.h"
#include "app/MainWindow.h"
#include "link/LinkEngine.h"
#include "link/qt/QtReplyTimer.h"
#include "link/qt/QtSerialPort.h"

namespace kpt740 {

// The main window of the program with its file commands (New, Open, Save, Save As), the port
// and password dialogs and the radio commands (Read, Write, embedded message) over the one
// radio link it owns.
class ProgramMainWindow : public MainWindow {
    Q_OBJECT
public:
    explicit ProgramMainWindow(AppContext& context, QWidget* parent = nullptr);
    ~ProgramMainWindow() override;

    LinkEngine& link() { return m_engine; }
    QtSerialPort& serialPort() { return m_port; }
    GuiLinkPrompts& linkPrompts() { return m_prompts; }

protected:
    void newFile() override;
    void openFile() override;
    bool saveFile() override;
    void saveFileAs() override;
    void printSelection() override;
    void openPortDialog() override;
    void openPasswordDialog() override;
    void readRadio() override;
    void writeRadio() override;
    void readEmbeddedMessage() override;
    void openChannelDialog(int position) override;
    void openOptionDialog() override;
    void openDtmfDialog() override;
    void openTwoToneDialog() override;
    void openFiveToneDialog() override;
    void openScanDialog() override;
    void openAlertDialog() override;
    void openCommBookDialog() override;
    bool exchangeRunning() const override { return m_engine.isBusy(); }

private:
    // Save As proper: true when the configuration was saved.
    bool saveAs();
    // Writes the files of ConfigFileName; "file error." when that fails.
    bool writeFiles();
    void showFileError();
    // Starts a command of the link with the current port and password; a read or a write
    // returns once the exchange has ended, the embedded-message read at once.
    StartResult runExchange(StartResult (LinkEngine::*command)());

    QtSerialPort m_port;
    QtReplyTimer m_timer;
    GuiLinkPrompts m_prompts;
    LinkEngine m_engine;
    bool m_exchangeFinished = false;
    std::function<void()> m_quitExchangeLoop;
};

} // namespace kpt740
