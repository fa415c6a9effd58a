#include "PortRegistration.h"
#include "PtyServer.h"
#include "SimImage.h"
#include "SimOptions.h"

#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <unistd.h>

using namespace kpt740;
using namespace kpt740::sim;

namespace {

// The write end of the pipe that wakes the server's poll when a signal asks it to stop.
volatile sig_atomic_t g_stopWriteFd = -1;

extern "C" void OnStopSignal(int) {
    const int fd = g_stopWriteFd;
    if (fd >= 0) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t ignored = write(fd, &byte, 1);
    }
}

// A pipe whose read end becomes readable on SIGINT, SIGTERM or SIGHUP.
class StopSignals {
public:
    StopSignals() {
        if (pipe(m_fds) != 0) {
            throw std::system_error(errno, std::generic_category(), "pipe");
        }
        for (int fd : m_fds) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        g_stopWriteFd = m_fds[1];
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
            sigaction(signal, &action, nullptr);
        }
        std::signal(SIGPIPE, SIG_IGN);
    }
    ~StopSignals() {
        g_stopWriteFd = -1;
        close(m_fds[0]);
        close(m_fds[1]);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    int readFd() const { return m_fds[0]; }

private:
    int m_fds[2] = {-1, -1};
};

void Log(const std::string& text) {
    std::cerr << "kpt740-radio-sim: " << text << std::endl;
}

int Serve(const SimOptions& options) {
    RadioImage image = options.imageFile ? LoadImageFile(*options.imageFile)
                                         : DefaultSimImage(options.identity.bandCode);
    if (options.password) {
        SetProgrammingPassword(image, *options.password);
    }
    SimulatedRadio radio(image, options.identity, options.faults);
    if (options.verbose) {
        radio.setLogger(Log);
    }
    StopSignals stop;
    PtyServer server(radio, {options.latency, options.wireTiming});
    server.setLogger(Log);

    auto save = [&] {
        if (!options.saveFile) {
            return;
        }
        try {
            SaveImageFile(*options.saveFile, radio.image());
            radio.markSaved();
            Log("memory saved to " + options.saveFile->string());
        } catch (const std::exception& error) {
            Log(error.what());
        }
    };
    server.setCheckpoint([&] {
        if (radio.modified()) {
            save();
        }
    });

    // Everything a caller may look at is in place before the path is printed: whoever reads
    // the first line can use the port entry and the saved memory at once.
    std::unique_ptr<PortRegistration> registration;
    if (options.registerNumber) {
        registration = std::make_unique<PortRegistration>(
            *options.settingsFile, *options.registerNumber, server.devicePath());
        Log("registered as port " + std::to_string(*options.registerNumber) + " in " +
            options.settingsFile->string() +
            (registration->previous() ? " (replacing " + *registration->previous() + ")" : ""));
    }
    if (options.saveFile) {
        save();
    }
    std::cout << server.devicePath() << std::endl;

    server.run(stop.readFd());

    if (radio.modified()) {
        save();
    }
    if (registration && !registration->release()) {
        Log("cannot remove port " + std::to_string(*options.registerNumber) + " from " +
            options.settingsFile->string());
    }
    const SimStats& stats = radio.stats();
    Log("stopped after " + std::to_string(stats.requests) + " requests");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    SimOptions options;
    try {
        options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "kpt740-radio-sim: " << error.what() << "\nTry kpt740-radio-sim --help\n";
        return 2;
    }
    if (options.help) {
        std::cout << SimUsage();
        return 0;
    }
    try {
        return Serve(options);
    } catch (const std::exception& error) {
        Log(error.what());
        return 1;
    }
}
