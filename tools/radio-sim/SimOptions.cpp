#include "SimOptions.h"

#include <charconv>

namespace kpt740::sim {

namespace {

const char* const kUsage = R"(Usage: kpt740-radio-sim [options]

A simulated KPT740 radio with its programming cable, on a pseudo-terminal. The first line
written to standard output is the path of the terminal; point the programming software at it
(or let --register add it to the port list). The simulator answers like the radio behind a
cable that echoes every byte sent to it: handshake, identification, password block, 16-byte
reads and writes with checksum, END. It keeps running when a program closes the terminal and
serves the next one; end it with Ctrl+C (SIGINT) or SIGTERM.

The radio:
  --model TEXT         model text of the identification, at most 7 characters (VQ-351)
  --band CODE          band code of the identification, 0-255 (49); also the band of the
                       default memory
  --version TEXT       firmware version text, at most 4 characters (V100)
  --killed             report the radio as killed (a write is refused by the program)
  --stunned            report the radio as stunned (a write is refused by the program)
  --password TEXT      programming password, 0-4 characters, stored in memory bytes 76-79
                       (an empty TEXT removes it)

Memory:
  --image FILE         load the 16,384-byte memory from FILE (default: a new radio with the
                       default configuration of its band)
  --save FILE          write the memory to FILE at start, after every session that wrote
                       data, when the program closes the terminal after writing, and at exit

Port list of the programming software:
  --register N --settings PATH
                       add "N=<terminal path>" to section [ports] of the settings file PATH
                       (N is 1-255); at exit the entry is removed, or an entry that was there
                       before is put back

Faults (N counts from 1; "every 3" hits the 3rd, 6th, ...):
  --drop-every N       ignore every Nth request of any kind (no answer, no effect)
  --corrupt-every N    alter every Nth read reply (a data byte or the checksum, by turns)
  --nak-every N        answer every Nth write with 0x0A (send again) and do not store it
  --no-echo            a cable without echo
  --silent-after N     answer nothing after the first N requests
  --latency MS         wait MS milliseconds (0-60000) before each reply
  --wire-timing        pace everything sent back at 9600 baud, 10 bits a byte

Other:
  --verbose            log every frame on standard error
  -h, --help           show this text

Exit status: 0 after SIGINT or SIGTERM; 1 when the terminal or a file cannot be used; 2 for a
wrong command line.
)";

long WholeNumber(const std::string& option, const std::string& text, long lowest, long highest) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || next != end || value < lowest || value > highest) {
        throw UsageError(option + " takes a whole number " + std::to_string(lowest) + "-" +
                         std::to_string(highest) + ", not \"" + text + "\"");
    }
    return value;
}

std::string ShortText(const std::string& option, const std::string& text, std::size_t longest,
                      bool mayBeEmpty) {
    if (text.size() > longest || (!mayBeEmpty && text.empty())) {
        throw UsageError(option + " takes " + (mayBeEmpty ? "0" : "1") + "-" +
                         std::to_string(longest) + " characters, not \"" + text + "\"");
    }
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code > 0x7E) {
            throw UsageError(option + " takes printable ASCII characters only");
        }
    }
    return text;
}

} // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
    constexpr long kMaxCount = 1'000'000'000;
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) {
                throw UsageError(arg + " needs a value");
            }
            return args[++i];
        };
        auto count = [&] { return static_cast<int>(WholeNumber(arg, value(), 1, kMaxCount)); };
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--model") {
            options.identity.model = ShortText(arg, value(), 7, false);
        } else if (arg == "--band") {
            options.identity.bandCode =
                static_cast<std::uint8_t>(WholeNumber(arg, value(), 0, 255));
        } else if (arg == "--version") {
            options.identity.version = ShortText(arg, value(), 4, false);
        } else if (arg == "--killed") {
            options.identity.killed = true;
        } else if (arg == "--stunned") {
            options.identity.stunned = true;
        } else if (arg == "--password") {
            options.password = ShortText(arg, value(), 4, true);
        } else if (arg == "--image") {
            options.imageFile = value();
        } else if (arg == "--save") {
            options.saveFile = value();
        } else if (arg == "--register") {
            options.registerNumber = static_cast<int>(WholeNumber(arg, value(), 1, 255));
        } else if (arg == "--settings") {
            options.settingsFile = value();
        } else if (arg == "--drop-every") {
            options.faults.dropEvery = count();
        } else if (arg == "--corrupt-every") {
            options.faults.corruptEvery = count();
        } else if (arg == "--nak-every") {
            options.faults.nakEvery = count();
        } else if (arg == "--no-echo") {
            options.faults.echo = false;
        } else if (arg == "--silent-after") {
            options.faults.silentAfter = WholeNumber(arg, value(), 0, kMaxCount);
        } else if (arg == "--latency") {
            options.latency = std::chrono::milliseconds(WholeNumber(arg, value(), 0, 60'000));
        } else if (arg == "--wire-timing") {
            options.wireTiming = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else {
            throw UsageError("unknown argument " + arg);
        }
    }
    if (options.registerNumber.has_value() != options.settingsFile.has_value()) {
        throw UsageError("--register and --settings go together");
    }
    return options;
}

const char* SimUsage() {
    return kUsage;
}

} // namespace kpt740::sim
