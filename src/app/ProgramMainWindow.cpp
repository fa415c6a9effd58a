#include "app/ProgramMainWindow.h"

#include "app/AppContext.h"
#include "app/BuiltInTexts.h"
#include "app/ChannelDialog.h"
#include "app/Localisation.h"
#include "app/PasswordDialog.h"
#include "app/PortDialog.h"
#include "features/alert/AlertDialog.h"
#include "features/commbook/CommBookDialog.h"
#include "features/dtmf/DtmfDialog.h"
#include "features/fivetone/FiveToneDialog.h"
#include "features/option/OptionDialog.h"
#include "features/scan/ScanDialog.h"
#include "features/twotone/TwoToneDialog.h"
#include "print/PrintItemDialog.h"

#include <QEventLoop>
#include <filesystem>

namespace kpt740 {

namespace {

QString QuotedFileName(const std::string& path) {
    // The name is the text after the last separator; both kinds count, whatever the platform.
    const QString full = QString::fromStdString(path);
    const qsizetype cut =
        std::max(full.lastIndexOf(QLatin1Char('\\')), full.lastIndexOf(QLatin1Char('/')));
    return QLatin1Char('"') + full.mid(cut + 1) + QLatin1Char('"');
}

} // namespace

ProgramMainWindow::ProgramMainWindow(AppContext& context, QWidget* parent)
    : MainWindow(context, parent),
      // The settings file in use can move to the per-user copy while the program runs.
      m_port(
          [&context](int number) { return PortMapResolver(context.settings.fileInUse())(number); }),
      m_prompts(context, this), m_engine(m_port, m_timer, m_prompts, context.workspace) {
    // The link's reply timer stands still until an exchange starts.
    m_timer.stop();
    m_prompts.setCallbacks(GuiLinkPrompts::Callbacks{
        [this] { saveFile(); },
        [this] { ShowListByData(); },
        [this] { LoadShowTree(); },
        [this](TransferMode, bool) {
            this->context().password = m_engine.enteredPassword();
            m_exchangeFinished = true;
            setCommandsEnabled(true);
            if (m_quitExchangeLoop) {
                m_quitExchangeLoop();
            }
        },
    });
}

ProgramMainWindow::~ProgramMainWindow() = default;

// ---- File commands ----------------------------------------------------------------------

void ProgramMainWindow::newFile() {
    AppContext& ctx = context();
    Prompter& prompter = ctx.prompter();
    const QString saveQuestion = QString::fromStdString(ctx.text.msg(9001));
    if (ctx.workspace.IsModified() &&
        prompter.question(this, saveQuestion, PromptButtons::YesNoCancel, MessageIcon::Warning) ==
            PromptAnswer::Yes) {
        saveFile();
    }
    if (!initializing() &&
        prompter.question(this, BuiltIn(ctx.text, builtin::kClearAll), PromptButtons::OkCancel,
                          MessageIcon::Warning) != PromptAnswer::Ok) {
        return;
    }
    ctx.workspace.NewConfiguration(initializing());
    ShowListByData();
}

void ProgramMainWindow::openFile() {
    AppContext& ctx = context();
    if (ctx.workspace.IsModified()) {
        const PromptAnswer answer =
            ctx.prompter().question(this, BuiltIn(ctx.text, builtin::kFileModified),
                                    PromptButtons::YesNoCancel, MessageIcon::Warning);
        if (answer == PromptAnswer::Cancel) {
            return;
        }
        if (answer == PromptAnswer::Yes) {
            saveFile();
        }
    }
    const QString chosen = ctx.prompter().fileName(
        this, FileRequest{false, {}, {}, fileFilter(), QStringLiteral("dat")});
    if (chosen.isEmpty()) {
        return;
    }
    // A file that cannot be read leaves the configuration and its file name as they were,
    // instead of ending the program with everything in memory lost.
    const std::string previous = ctx.workspace.ConfigFileName;
    ctx.workspace.ConfigFileName = chosen.toStdString();
    if (!ctx.workspace.LoadDataFile()) {
        ctx.workspace.ConfigFileName = previous;
        showFileError();
        return;
    }
    ShowListByData();
}

bool ProgramMainWindow::saveFile() {
    AppContext& ctx = context();
    if (ctx.workspace.IsUntitled) {
        return saveAs();
    }
    const QString prompt =
        QuotedFileName(ctx.workspace.ConfigFileName) + BuiltIn(ctx.text, builtin::kOverwrite);
    if (ctx.prompter().question(this, prompt, PromptButtons::OkCancel, MessageIcon::Question) !=
        PromptAnswer::Ok) {
        return false;
    }
    return writeFiles();
}

void ProgramMainWindow::saveFileAs() {
    saveAs();
}

bool ProgramMainWindow::saveAs() {
    AppContext& ctx = context();
    const QString chosen = ctx.prompter().fileName(
        this, FileRequest{true,
                          {},
                          QString::fromStdString(ctx.workspace.ConfigFileName),
                          fileFilter(),
                          QStringLiteral("dat")});
    if (chosen.isEmpty()) {
        return false;
    }
    // Nothing reached the chosen file when the write fails: the name stays the old one.
    const std::string previous = ctx.workspace.ConfigFileName;
    ctx.workspace.ConfigFileName = chosen.toStdString();
    if (!writeFiles()) {
        ctx.workspace.ConfigFileName = previous;
        setWindowTitle(titleText());
        return false;
    }
    return true;
}

bool ProgramMainWindow::writeFiles() {
    const bool saved = context().workspace.SaveDataFile();
    setWindowTitle(titleText());
    if (!saved) {
        showFileError();
    }
    return saved;
}

void ProgramMainWindow::showFileError() {
    context().prompter().tell(this, BuiltIn(context().text, builtin::kFileError));
}

void ProgramMainWindow::printSelection() {
    OpenPrintItemDialog(this, context(), context().prompter());
}

// ---- Settings and password ----------------------------------------------------------------

void ProgramMainWindow::openPortDialog() {
    PortDialog dialog(context(), this);
    dialog.exec();
}

void ProgramMainWindow::openPasswordDialog() {
    PasswordDialog dialog(context().password, context().text, this);
    if (dialog.exec() == QDialog::Accepted) {
        context().password = dialog.password();
    }
}

// ---- Radio commands -----------------------------------------------------------------------

StartResult ProgramMainWindow::runExchange(StartResult (LinkEngine::*command)()) {
    if (m_engine.isBusy()) {
        return StartResult::Busy;
    }
    m_engine.setPortNumber(context().values.comPort);
    m_engine.setEnteredPassword(context().password);
    m_exchangeFinished = false;
    const StartResult result = (m_engine.*command)();
    if (result != StartResult::Started || m_exchangeFinished ||
        m_engine.transferMode() == TransferMode::EmbeddedMessage) {
        return result;
    }
    // The modal progress window blocks the other windows; the command itself waits here, on
    // the same thread, while the port's and the timer's events drive the exchange.
    QEventLoop loop;
    m_quitExchangeLoop = [&loop] { loop.quit(); };
    loop.exec();
    m_quitExchangeLoop = nullptr;
    return result;
}

void ProgramMainWindow::readRadio() {
    runExchange(&LinkEngine::ReadFromRadio);
}

void ProgramMainWindow::writeRadio() {
    runExchange(&LinkEngine::WriteToRadio);
}

void ProgramMainWindow::readEmbeddedMessage() {
    // No progress window holds the other commands back during this short exchange.
    if (runExchange(&LinkEngine::ReadRMGDataFromRadio) == StartResult::Started &&
        m_engine.isBusy()) {
        setCommandsEnabled(false);
    }
}

void ProgramMainWindow::openChannelDialog(int position) {
    if (OpenChannelDialog(this, context(), context().prompter(), position)) {
        ReShowGrid(0, position);
    }
}

void ProgramMainWindow::openOptionDialog() {
    if (OpenOptionDialog(this, context(), context().prompter())) {
        LoadShowTree();
    }
}

void ProgramMainWindow::openDtmfDialog() {
    OpenDtmfDialog(this, context(), context().prompter());
}

// The 2-Tone and 5-Tone dialogs may re-point channels at other entries: the grid is redrawn.
void ProgramMainWindow::openTwoToneDialog() {
    if (OpenTwoToneDialog(this, context(), context().prompter())) {
        ShowListByData();
    }
}

void ProgramMainWindow::openFiveToneDialog() {
    if (OpenFiveToneDialog(this, context(), context().prompter())) {
        ShowListByData();
    }
}

void ProgramMainWindow::openScanDialog() {
    OpenScanDialog(this, context(), context().prompter());
}

void ProgramMainWindow::openAlertDialog() {
    OpenAlertDialog(this, context(), context().prompter());
}

void ProgramMainWindow::openCommBookDialog() {
    OpenCommBookDialog(this, context(), context().prompter());
}

} // namespace kpt740
