#include "CliCommands.h"

#include "CliOptions.h"
#include "config/ConfigurationCodec.h"
#include "core/ChannelCells.h"
#include "core/Encodings.h"
#include "features/fivetone/FiveToneStandards.h"
#include "files/DataFile.h"
#include "files/Workspace.h"

#include <fstream>
#include <map>
#include <optional>
#include <ostream>

namespace kpt740::cli {

namespace {

const char* const kUsage = R"(Usage: kpt740-cli <command> [arguments]

The KPT740 Programmer without windows: configuration files and radio images.

Commands:
  new [--band CODE] -o FILE.dat      write a new configuration for a band (default 49)
                                     as FILE.dat and its channel file FILE.fre
  encode FILE.dat -o IMAGE.bin       build the 16,384-byte radio image a write would send
  decode IMAGE.bin --band CODE -o FILE.dat
                                     turn a radio image into a configuration, as a read
                                     from a radio reporting that band would
  show FILE.dat                      print the band, the channels and the main settings
  report FILE.dat -o REPORT.pdf [--items 0,3,4,...] [--language 1|2|3]
                                     the printed report as a PDF file: the items of the
                                     print dialog (0 channels, 3 option, 4 DTMF, 5 2-Tone,
                                     6 5-Tone, 7 book, 8 embedded message, 9 alert; all by
                                     default) in English (1), Simplified (2) or Traditional
                                     Chinese (3)
  read --port P -o FILE.dat [--image-out IMAGE.bin]
                                     read the radio into a configuration
  write FILE.dat --port P            write a configuration to the radio
  info --port P                      print the radio's embedded information

Options for every command:
  --program-folder DIR   the folder whose "Init" folder holds the initial configurations
                         (default: the folder of this program); the report takes its
                         language files from its "language" folder
  --factory-fres N       take an initial file's whole channel table when N is not 0

Options for the radio commands:
  --port N|PATH          a port number of the port map (section [ports] of the settings file)
                         or a serial device path such as /dev/ttyUSB0
  --password P           the radio's programming password, if it has one
  --settings FILE        the settings file with the port map
                         (default: language/mysetup.ini beside this program)
  --retries N            answer "Retry" to a radio that stops answering N times (default 2)
  --image-out IMAGE.bin  read also saves the 16,384 bytes read
No question is asked: the command goes ahead, a radio that does not answer is retried, a
password the radio does not accept ends the command. Progress goes to standard error.
  -h, --help             show this text

Exit status: 0 on success; otherwise 1 with a one-line message on standard error.
)";

// Texts of the OTHER section the summary needs, in English.
std::string EnglishText(int id) {
    static const std::map<int, std::string> kTexts = {
        {1202, "Relation 0"}, {1203, "Relation 1"}, {1204, "High"},
        {1205, "Low"},        {1206, "OFF"},        {1221, "Middle"},
    };
    auto it = kTexts.find(id);
    return it == kTexts.end() ? std::string{} : it->second;
}

std::string MessageText(const Message& message) {
    if (const auto* literal = std::get_if<std::string>(&message.text)) {
        return *literal;
    }
    if (const auto* builtIn = std::get_if<BuiltInText>(&message.text)) {
        return std::string(builtIn->english);
    }
    const auto& ref = std::get<TextRef>(message.text);
    return ref.id == 2001 ? "frequency outside the band plan" : "message " + std::to_string(ref.id);
}

// Prints what the model says, as the program would show it in a message box.
class StreamSink final : public MessageSink {
public:
    explicit StreamSink(std::ostream& stream) : m_stream(stream) {}
    void show(const Message& message) override {
        m_last = MessageText(message);
        m_stream << m_last << '\n';
    }
    const std::string& last() const { return m_last; }

private:
    std::ostream& m_stream;
    std::string m_last;
};

int NumberArgument(const std::string& option, const std::string& value) {
    if (!IsNumeric(value) || value.find('.') != std::string::npos) {
        throw UsageError(option + " needs a whole number, not \"" + value + "\"");
    }
    return NumberOrDefault(value, 0);
}

Options Parse(const std::vector<std::string>& args, const std::filesystem::path& programFolder) {
    Options options;
    options.programFolder = programFolder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) {
                throw UsageError(arg + " needs a value");
            }
            return args[++i];
        };
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-o" || arg == "--output") {
            options.output = value();
        } else if (arg == "--band") {
            options.band = NumberArgument(arg, value());
        } else if (arg == "--program-folder") {
            options.programFolder = value();
        } else if (arg == "--factory-fres") {
            options.factoryFres = NumberArgument(arg, value());
        } else if (arg == "--port") {
            options.port = value();
        } else if (arg == "--password") {
            options.password = value();
        } else if (arg == "--image-out") {
            options.imageOut = value();
        } else if (arg == "--settings") {
            options.settingsFile = value();
        } else if (arg == "--retries") {
            options.retries = NumberArgument(arg, value());
        } else if (arg == "--items") {
            options.items = value();
        } else if (arg == "--language") {
            options.language = NumberArgument(arg, value());
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else {
            options.positional.push_back(arg);
        }
    }
    return options;
}

void Expect(const Options& options, std::size_t positional, bool output) {
    if (options.positional.size() != positional + 1) {
        throw UsageError("wrong number of arguments for " + options.positional.front());
    }
    if (output && !options.output) {
        throw UsageError(options.positional.front() + " needs -o FILE");
    }
}

void CheckBand(int band) {
    if (band < 0 || band > 255) {
        throw UsageError("--band takes a band code 0-255");
    }
}

Workspace MakeWorkspace(const Options& options) {
    return Workspace({options.programFolder, options.factoryFres});
}

Configuration LoadConfiguration(const std::string& path) {
    auto configuration = ReadConfigurationFiles(path);
    if (!configuration) {
        throw std::runtime_error("file error.: cannot read " + path + " with its channel file " +
                                 ChannelFilePath(path).string());
    }
    return *configuration;
}

void SaveConfiguration(const std::string& path, const Configuration& configuration) {
    if (!WriteConfigurationFiles(path, configuration)) {
        throw std::runtime_error("file error.: cannot write " + path);
    }
}

int CommandNew(const Options& options) {
    Expect(options, 0, true);
    const int band = options.band.value_or(kStartupBandCode);
    CheckBand(band);
    Workspace workspace = MakeWorkspace(options);
    SetBandFromFile(workspace.identity, band);
    workspace.NewConfiguration();
    workspace.TakeSavedCopy();
    SaveConfiguration(*options.output, workspace.working);
    return 0;
}

int CommandEncode(const Options& options, std::ostream& err) {
    Expect(options, 1, true);
    Configuration configuration = LoadConfiguration(options.positional[1]);
    RadioImage image;
    BlankImage(image);
    StreamSink sink(err);
    EncodeContext context(sink);
    EncodeAll(configuration, image, context);
    if (!context.ok()) {
        throw std::runtime_error("encoding failed: " + sink.last());
    }
    std::ofstream file(*options.output, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.bytes().data()),
               static_cast<std::streamsize>(image.bytes().size()));
    if (!file.good()) {
        throw std::runtime_error("cannot write " + *options.output);
    }
    return 0;
}

int CommandDecode(const Options& options) {
    Expect(options, 1, true);
    if (!options.band) {
        throw UsageError("decode needs --band CODE (the band the radio reports)");
    }
    CheckBand(*options.band);
    const std::string& path = options.positional[1];
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<char> bytes(RadioImage::kSize + 1);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(RadioImage::kSize)) {
        throw std::runtime_error(path + " is not a radio image of exactly 16384 bytes");
    }
    RadioImage image;
    for (std::size_t i = 0; i < RadioImage::kSize; ++i) {
        image.set(i, static_cast<std::uint8_t>(bytes[i]));
    }
    Workspace workspace = MakeWorkspace(options);
    const int band = SanitizeRadioBandCode(*options.band);
    workspace.TakeFromRadio(image, band, BandTextOfCode(band));
    SaveConfiguration(*options.output, workspace.working);
    return 0;
}

template <class Codes, class InUse> std::string UsedEntries(const Codes& codes, InUse inUse) {
    std::string list;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (inUse(codes[i])) {
            list += (list.empty() ? "" : " ") + std::to_string(i);
        }
    }
    return list.empty() ? "none" : list;
}

// One or two lines per feature: what a dealer checks before writing a radio.
void ShowFeatures(const Configuration& c, std::ostream& out) {
    const auto& d = c.Dtmf;
    std::string dtmfCodes;
    for (std::size_t i = 0; i < d.codes.size(); ++i) {
        if (d.codes[i].length > 0) {
            dtmfCodes += (dtmfCodes.empty() ? "M" : " M") + std::to_string(i + 1) + "=" +
                         DtmfToDisplay(d.codes[i].digits.value().substr(
                             0, static_cast<std::size_t>(std::max<int>(d.codes[i].length, 0))));
        }
    }
    out << "DTMF: own ID " << d.ownId.value() << ", codes "
        << (dtmfCodes.empty() ? "none" : dtmfCodes) << '\n';
    out << "2-Tone: format " << static_cast<int>(c.TwoTone.format) << ", entries in use "
        << UsedEntries(c.TwoTone.codes, TwoToneEntryInUse) << '\n';
    const auto& f = c.FiveTone;
    out << "5-Tone: standard " << FiveToneStandardName(f.standard) << ", own ID " << f.ownId.value()
        << ", list codes in use " << UsedEntries(f.codes, FiveToneCodeInUse) << ", decode time "
        << static_cast<int>(c.decodeTime) << '\n';
    out << "Optional features: welcome text \"" << c.Option.welcomeText.value()
        << "\", power-on password " << (c.Option.powerOnPasswordEnabled != 0 ? "on" : "off")
        << '\n';
    out << "Scan: mode " << static_cast<int>(c.Scan.scanMode) << ", priority "
        << static_cast<int>(c.Scan.priorityMode) << ", type " << static_cast<int>(c.Scan.scanType)
        << '\n';
    out << "Alert: alarm type " << static_cast<int>(c.Alert.alarmType) << ", ID code type "
        << static_cast<int>(c.Alert.idCodeType) << '\n';
    int contacts = 0;
    for (const auto& entry : c.Book) {
        contacts += entry.callId.value().empty() ? 0 : 1;
    }
    out << "Communication book: " << contacts << " contacts" << '\n';
}

int CommandShow(const Options& options, std::ostream& out) {
    Expect(options, 1, false);
    const Configuration c = LoadConfiguration(options.positional[1]);
    const BandLimits limits = ParseBandText(BandTextOfCode(c.BandCode));
    out << "Band: " << c.BandCode << ' ' << BandTextOfCode(c.BandCode) << '\n';
    out << "Channels: " << c.Channels.Count << '\n';
    out << "CH\tRx\tTx\tName\tStep\tBW\tPower\tDecode\tEncode\tSignalling\n";
    StreamSink sink(out);
    const auto steps = StepList(c.BandCode);
    for (int position = kFirstMemoryPosition; position <= kPositionVfo; ++position) {
        const ChannelRecord* record = c.Channels.find(position);
        if (record == nullptr) {
            continue;
        }
        const ChannelCells cells =
            ChannelRowCells(*record, steps, limits.RxLower, EnglishText, sink);
        out << ChannelLabel(position);
        for (std::size_t i : {0, 1, 2, 3, 4, 6, 7, 8, 9}) {
            out << '\t' << cells[i];
        }
        out << '\n';
    }
    ShowFeatures(c, out);
    return 0;
}

} // namespace

int Run(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
        std::ostream& out, std::ostream& err) {
    try {
        const Options options = Parse(args, programFolder);
        if (options.help || options.positional.empty()) {
            out << kUsage;
            return options.help ? 0 : 1;
        }
        const std::string& command = options.positional.front();
        if (command == "new") {
            return CommandNew(options);
        }
        if (command == "encode") {
            return CommandEncode(options, err);
        }
        if (command == "decode") {
            return CommandDecode(options);
        }
        if (command == "show") {
            return CommandShow(options, out);
        }
        if (command == "report") {
            return CommandReport(options, out, err);
        }
        if (command == "read") {
            return CommandRead(options, out, err);
        }
        if (command == "write") {
            return CommandWrite(options, out, err);
        }
        if (command == "info") {
            return CommandInfo(options, out, err);
        }
        throw UsageError("unknown command " + command + " (see --help)");
    } catch (const std::exception& error) {
        err << "kpt740-cli: " << error.what() << '\n';
        return 1;
    }
}

bool NeedsWidgets(const std::vector<std::string>& args) {
    try {
        const Options options = Parse(args, {});
        return !options.help && !options.positional.empty() &&
               options.positional.front() == "report";
    } catch (const std::exception&) {
        // The command itself reports the faulty command line.
        return false;
    }
}

} // namespace kpt740::cli
