#include "CliOptions.h"
#include "core/Encodings.h"
#include "files/DataFile.h"
#include "files/Workspace.h"
#include "link/LinkPrompts.h"
#include "link/qt/LinkSession.h"
#include "text/LanguageText.h"

#include <fstream>
#include <iostream>
#include <unistd.h>

namespace kpt740::cli {

namespace {

// Answers the link's questions without asking anybody: go ahead, retry a few times, never save
// first, no second password. Messages and progress go to the error stream; the last message is
// the outcome the command reports.
class ConsolePrompts final : public LinkPrompts {
public:
    ConsolePrompts(const LanguageText& text, std::ostream& err, int retries, bool showProgress)
        : m_text(text), m_err(err), m_retriesLeft(retries), m_showProgress(showProgress) {}

    void showMessage(const Message& message) override {
        m_last = Resolve(message);
        endProgressLine();
        m_err << m_last << '\n';
    }
    bool confirm(const Message&) override { return true; }
    YesNoCancel askSaveFirst(const Message&) override { return YesNoCancel::No; }
    void saveConfiguration() override {}
    bool askRetry(const Message& message) override {
        endProgressLine();
        m_err << Resolve(message) << (m_retriesLeft > 0 ? " Retrying." : " Giving up.") << '\n';
        return m_retriesLeft-- > 0;
    }
    std::optional<std::string> askPassword(std::string_view) override {
        m_passwordRefused = true;
        return std::nullopt;
    }
    void showEmbeddedInfo(const EmbeddedInfo& info) override { m_info = info; }
    void progressChanged(int percent) override {
        if (m_showProgress) {
            const int width = 40;
            const int filled = percent * width / 100;
            m_err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                  << std::string(static_cast<std::size_t>(width - filled), ' ') << "] " << percent
                  << "%" << std::flush;
            m_progressOpen = true;
        }
    }
    void progressClosed() override { endProgressLine(); }

    const std::string& last() const { return m_last; }
    bool passwordRefused() const { return m_passwordRefused; }
    const std::optional<EmbeddedInfo>& info() const { return m_info; }

    std::string Resolve(const Message& message) const {
        std::string text = m_text.resolve(message);
        if (text.empty()) {
            if (const auto* ref = std::get_if<TextRef>(&message.text)) {
                text = "message " + std::to_string(ref->id);
            }
        }
        for (auto& c : text) {
            c = c == '\r' ? ' ' : c;
        }
        return text;
    }

private:
    void endProgressLine() {
        if (m_progressOpen) {
            m_err << '\n';
            m_progressOpen = false;
        }
    }

    const LanguageText& m_text;
    std::ostream& m_err;
    int m_retriesLeft;
    bool m_showProgress;
    bool m_progressOpen = false;
    bool m_passwordRefused = false;
    std::string m_last;
    std::optional<EmbeddedInfo> m_info;
};

// One radio command: the workspace, the prompts and the link, set up from the options.
struct RadioRun {
    explicit RadioRun(const Options& options, std::ostream& err)
        : text(options.programFolder / "language"),
          workspace({options.programFolder, options.factoryFres}),
          prompts(text, err, options.retries, isatty(STDERR_FILENO) == 1),
          session(workspace, prompts, PortMapResolver(SettingsFileOf(options))) {
        if (!options.port) {
            throw UsageError("the radio commands need --port N or --port DEVICE");
        }
        const std::string& port = *options.port;
        if (IsNumeric(port) && port.find('.') == std::string::npos) {
            session.setPortNumber(NumberOrDefault(port, 0));
        } else {
            session.setPortNumber(1);
            session.setDevicePath(port);
        }
        if (options.password) {
            session.setEnteredPassword(*options.password);
        }
    }

    // Turns the outcome into the exit status; the outcome text is already on the error stream.
    int finish(const LinkSession::Outcome& outcome) {
        if (outcome.start == StartResult::Busy) {
            throw std::runtime_error("another exchange with the radio is running");
        }
        if (outcome.start == StartResult::EncodeFailed) {
            throw std::runtime_error("the configuration cannot be encoded: " + prompts.last());
        }
        if (!outcome.success) {
            std::string why =
                prompts.last().empty() ? "the exchange with the radio failed" : prompts.last();
            if (prompts.passwordRefused()) {
                why = "the radio's password does not match (give it with --password)";
            }
            throw std::runtime_error(why);
        }
        return 0;
    }

    LanguageText text;
    Workspace workspace;
    ConsolePrompts prompts;
    LinkSession session;
};

void PrintInfo(const EmbeddedInfo& info, std::ostream& out) {
    const std::pair<const char*, std::string> rows[] = {
        {"Band at production", BandTextOfCode(info.RecordedBandCode)},
        {"Sales area", info.SalesAreaCode.value()},
        {"Serial number", info.SerialNumber.value()},
        {"Factory date", info.FactoryDate.value()},
        {"Batch", info.BatchNumber.value()},
        {"Customer code", info.CustomerCode.value()},
        {"Repair date", info.RepairDate.value()},
        {"Dealer code", info.DealerCode.value()},
        {"Stock-in date", info.StockInDate.value()},
        {"Sale date", info.SaleDate.value()},
        {"Handler", info.Handler.value()},
        {"Repair reason", info.RepairReason.value()},
    };
    for (const auto& [label, value] : rows) {
        out << label << ": " << value << '\n';
    }
}

} // namespace

std::filesystem::path SettingsFileOf(const Options& options) {
    return options.settingsFile.value_or(options.programFolder / "language" / "mysetup.ini");
}

int CommandRead(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.positional.size() != 1 || !options.output) {
        throw UsageError("read takes no file argument and needs -o FILE.dat");
    }
    RadioRun run(options, err);
    run.finish(run.session.read());
    if (!WriteConfigurationFiles(*options.output, run.workspace.working)) {
        throw std::runtime_error("file error.: cannot write " + *options.output);
    }
    if (options.imageOut) {
        const auto bytes = run.session.image().bytes();
        std::ofstream file(*options.imageOut, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file.good()) {
            throw std::runtime_error("cannot write " + *options.imageOut);
        }
    }
    out << "Read band " << run.workspace.identity.BandCode << " ("
        << run.workspace.identity.BandText << "), " << run.workspace.working.Channels.Count
        << " channels into " << *options.output << '\n';
    return 0;
}

int CommandWrite(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.positional.size() != 2) {
        throw UsageError("write takes one configuration file");
    }
    RadioRun run(options, err);
    run.workspace.ConfigFileName = options.positional[1];
    if (!run.workspace.LoadDataFile()) {
        throw std::runtime_error("file error.: cannot read " + options.positional[1] +
                                 " with its channel file");
    }
    run.finish(run.session.write());
    out << "Wrote " << options.positional[1] << " to the radio\n";
    return 0;
}

int CommandInfo(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.positional.size() != 1) {
        throw UsageError("info takes no file argument");
    }
    RadioRun run(options, err);
    run.finish(run.session.readEmbeddedInfo());
    PrintInfo(run.prompts.info().value_or(run.workspace.embedded), out);
    return 0;
}

} // namespace kpt740::cli
