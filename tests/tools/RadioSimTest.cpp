#include "PortRegistration.h"
#include "SimImage.h"
#include "SimOptions.h"
#include "SimulatedRadio.h"
#include "config/ConfigurationCodec.h"
#include "core/Identity.h"
#include "text/IniFile.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kpt740::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

Bytes B(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

const Bytes kHandshakeBytes = B("PROGRAM");
const Bytes kHandshakeAnswer = {0x56, 0x51, 0x06};
const Bytes kIdentify = {0x02};
const Bytes kEnd = B("END");

Bytes ReadRequest(std::size_t address) {
    return {0x52, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            0x10};
}

// A write frame as the program builds it, written out by hand rather than with the simulator's
// own frame builder.
Bytes WriteFrame(std::size_t address, std::uint8_t firstData) {
    Bytes frame = {0x57, static_cast<std::uint8_t>(address >> 8),
                   static_cast<std::uint8_t>(address), 0x10};
    unsigned sum = frame[1] + frame[2] + frame[3];
    for (int i = 0; i < 16; ++i) {
        frame.push_back(static_cast<std::uint8_t>(firstData + i));
        sum += frame.back();
    }
    frame.push_back(static_cast<std::uint8_t>(sum % 256));
    frame.push_back(0x06);
    return frame;
}

// A memory whose byte at address a is a mod 251, so every block differs from its neighbours.
RadioImage PatternImage() {
    RadioImage image;
    for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
        image.set(a, static_cast<std::uint8_t>(a % 251));
    }
    return image;
}

Bytes Replies(const std::vector<SimOutput>& outputs) {
    Bytes out;
    for (const SimOutput& output : outputs) {
        if (output.kind == SimOutput::Kind::Reply) {
            out.insert(out.end(), output.bytes.begin(), output.bytes.end());
        }
    }
    return out;
}

Bytes Echoes(const std::vector<SimOutput>& outputs) {
    Bytes out;
    for (const SimOutput& output : outputs) {
        if (output.kind == SimOutput::Kind::Echo) {
            out.insert(out.end(), output.bytes.begin(), output.bytes.end());
        }
    }
    return out;
}

// The checks the program makes on a read reply, written independently of the simulator.
bool ValidDataFrame(const Bytes& frame, std::size_t address, const RadioImage& image) {
    if (frame.size() != 22 || frame[1] != (address >> 8) || frame[2] != (address & 0xFF) ||
        frame[3] != 0x10 || frame[21] != 0x06) {
        return false;
    }
    unsigned sum = 0;
    for (std::size_t i = 1; i <= 19; ++i) {
        sum += frame[i];
    }
    if (frame[20] != sum % 256) {
        return false;
    }
    const auto data = image.view(address, 16);
    return std::equal(data.begin(), data.end(), frame.begin() + 4);
}

// ---- The protocol ----------------------------------------------------------------------

struct RadioFixture : ::testing::Test {
    SimulatedRadio radio{PatternImage(), RadioIdentity{}};
    Bytes send(const Bytes& bytes) { return Replies(radio.receive(bytes)); }
    void handshake() { ASSERT_EQ(send(kHandshakeBytes), kHandshakeAnswer); }
};

TEST_F(RadioFixture, AnswersEachRequestAfterTheEchoOfItsFrame) {
    // Two frames in one piece: each reply comes between the echoes of the frames.
    const auto outputs = radio.receive(Concat({kHandshakeBytes, kIdentify}));
    ASSERT_EQ(outputs.size(), 4u);
    EXPECT_EQ(outputs[0], (SimOutput{SimOutput::Kind::Echo, kHandshakeBytes}));
    EXPECT_EQ(outputs[1], (SimOutput{SimOutput::Kind::Reply, kHandshakeAnswer}));
    EXPECT_EQ(outputs[2], (SimOutput{SimOutput::Kind::Echo, kIdentify}));
    EXPECT_EQ(outputs[3].kind, SimOutput::Kind::Reply);
    EXPECT_EQ(outputs[3].bytes.size(), 16u);
}

TEST_F(RadioFixture, RequestsAndTheirReplies) {
    const RadioImage pattern = PatternImage();
    struct Case {
        const char* name;
        Bytes sent;
        bool handshakeFirst;
        Bytes reply;
    };
    Bytes block40 = {0x57, 0x00, 0x40, 0x10};
    unsigned sum = 0x40 + 0x10;
    for (std::size_t a = 0x40; a < 0x50; ++a) {
        block40.push_back(static_cast<std::uint8_t>(a % 251));
        sum += block40.back();
    }
    block40.push_back(static_cast<std::uint8_t>(sum % 256));
    block40.push_back(0x06);
    ASSERT_EQ(block40[20], 0xC8); // (0x40 + 0x10 + 64 + 65 + ... + 79) mod 256 = 1224 mod 256

    const std::vector<Case> cases = {
        {"handshake", kHandshakeBytes, false, kHandshakeAnswer},
        {"handshake after noise", Concat({B("xPRPROGRA"), kHandshakeBytes}), false,
         kHandshakeAnswer},
        {"handshake again while programming", kHandshakeBytes, true, kHandshakeAnswer},
        {"identify needs the handshake first", kIdentify, false, {}},
        {"read needs the handshake first", ReadRequest(0x0040), false, {}},
        {"password block", ReadRequest(0x0040), true, block40},
        {"read beyond the memory is not answered", ReadRequest(0x3FF8), true, {}},
        {"read of length 0 is not answered", {0x52, 0x01, 0x00, 0x00}, true, {}},
        {"end", kEnd, true, {0x06}},
        {"unknown bytes are ignored", {0x00, 0x06, 0x0A, 0xFF}, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedRadio fresh{pattern, RadioIdentity{}};
        if (c.handshakeFirst) {
            ASSERT_EQ(Replies(fresh.receive(kHandshakeBytes)), kHandshakeAnswer);
        }
        const auto outputs = fresh.receive(c.sent);
        EXPECT_EQ(Replies(outputs), c.reply);
        EXPECT_EQ(Echoes(outputs), c.sent); // the cable echoes whatever the radio makes of it
    }
}

TEST_F(RadioFixture, EveryReadBlockCarriesItsBytesAndChecksum) {
    handshake();
    const RadioImage pattern = PatternImage();
    for (std::size_t address = 0x0010; address <= 0x3FF0; address += 16) {
        ASSERT_TRUE(ValidDataFrame(send(ReadRequest(address)), address, pattern)) << address;
    }
    EXPECT_EQ(radio.stats().reads, 1023);
}

TEST_F(RadioFixture, FramesSplitIntoSinglyBytesAreStillUnderstood) {
    Bytes replies;
    for (std::uint8_t b : Concat({kHandshakeBytes, ReadRequest(0x1230), WriteFrame(0x0100, 9)})) {
        const Bytes one = {b};
        const Bytes reply = send(one);
        replies.insert(replies.end(), reply.begin(), reply.end());
    }
    ASSERT_EQ(replies.size(), 3u + 22u + 1u);
    EXPECT_TRUE(
        ValidDataFrame(Bytes(replies.begin() + 3, replies.begin() + 25), 0x1230, PatternImage()));
    EXPECT_EQ(replies.back(), 0x06);
    EXPECT_EQ(radio.image().at(0x0100), 9);
}

TEST_F(RadioFixture, WriteFramesAreStoredAndAcknowledged) {
    struct Case {
        const char* name;
        Bytes frame;
        Bytes reply;
        bool stored;
    };
    Bytes badSum = WriteFrame(0x0200, 0x40);
    badSum[20] ^= 0x01;
    Bytes badData = WriteFrame(0x0200, 0x40);
    badData[10] ^= 0x80;
    Bytes badEnding = WriteFrame(0x0200, 0x40);
    badEnding[21] = 0x00;
    Bytes outside = WriteFrame(0x3FF8, 0x40); // would run past the last byte
    const std::vector<Case> cases = {
        {"valid", WriteFrame(0x0200, 0x40), {0x06}, true},
        {"last block", WriteFrame(0x3FF0, 0x40), {0x06}, true},
        {"checksum altered", badSum, {0x0A}, false},
        {"data altered", badData, {0x0A}, false},
        {"no closing 0x06", badEnding, {0x0A}, false},
        {"beyond the memory", outside, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedRadio fresh{PatternImage(), RadioIdentity{}};
        ASSERT_EQ(Replies(fresh.receive(kHandshakeBytes)), kHandshakeAnswer);
        EXPECT_EQ(Replies(fresh.receive(c.frame)), c.reply);
        const std::size_t address = static_cast<std::size_t>(c.frame[1]) << 8 | c.frame[2];
        const bool stored = address + 16 <= RadioImage::kSize &&
                            std::equal(c.frame.begin() + 4, c.frame.begin() + 20,
                                       fresh.image().view(address, 16).begin());
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(fresh.modified(), c.stored);
        // Nothing but the block itself changes.
        for (std::size_t a = 0; a < RadioImage::kSize; ++a) {
            if (a < address || a >= address + 16) {
                ASSERT_EQ(fresh.image().at(a), a % 251) << a;
            }
        }
    }
}

TEST_F(RadioFixture, EndClosesTheSessionAndReportsAWriteSession) {
    handshake();
    EXPECT_EQ(send(WriteFrame(0x0100, 1)), Bytes{0x06});
    EXPECT_FALSE(radio.takeWriteSessionEnded());
    EXPECT_EQ(send(kEnd), Bytes{0x06});
    EXPECT_FALSE(radio.programming());
    EXPECT_TRUE(radio.takeWriteSessionEnded());
    EXPECT_FALSE(radio.takeWriteSessionEnded()); // reported once
    EXPECT_EQ(send(kIdentify), Bytes{});         // back outside programming mode

    // A session that only reads is not a write session.
    handshake();
    send(ReadRequest(0x0100));
    send(kEnd);
    EXPECT_FALSE(radio.takeWriteSessionEnded());
    EXPECT_TRUE(radio.modified());
    radio.markSaved();
    EXPECT_FALSE(radio.modified());
}

TEST_F(RadioFixture, APauseOrAHangUpForgetsAnUnfinishedFrame) {
    handshake();
    send({0x52, 0x00}); // a read request cut short
    EXPECT_TRUE(radio.hasPartialFrame());
    radio.discardPartialFrame();
    EXPECT_TRUE(ValidDataFrame(send(ReadRequest(0x0080)), 0x0080, PatternImage()));

    send({0x57, 0x01, 0x00, 0x10, 0x01});
    radio.hangUp();
    EXPECT_FALSE(radio.hasPartialFrame());
    EXPECT_FALSE(radio.programming());
    EXPECT_EQ(send(kIdentify), Bytes{});
    handshake();
    EXPECT_EQ(send(kIdentify).size(), 16u);
}

TEST(RadioIdentification, CarriesModelBandVersionAndStatus) {
    struct Case {
        RadioIdentity identity;
        Bytes expected;
    };
    const std::vector<Case> cases = {
        {{}, {0x49, 'V', 'Q', '-', '3', '5', '1', 0xFF, 49, 'V', '1', '0', '0', 0x00, 0x00, 0x06}},
        {{"VQ-351", 0x31, "V100", true, false},
         {0x49, 'V', 'Q', '-', '3', '5', '1', 0xFF, 49, 'V', '1', '0', '0', 0x00, 0x01, 0x06}},
        {{"VQ-351", 0x31, "V100", false, true},
         {0x49, 'V', 'Q', '-', '3', '5', '1', 0xFF, 49, 'V', '1', '0', '0', 0x00, 0x02, 0x06}},
        {{"VQ-351", 0x31, "V100", true, true},
         {0x49, 'V', 'Q', '-', '3', '5', '1', 0xFF, 49, 'V', '1', '0', '0', 0x00, 0x03, 0x06}},
        {{"AB", 0x3A, "V2", false, false},
         {0x49, 'A', 'B', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3A, 'V', '2', 0xFF, 0xFF, 0x00, 0x00,
          0x06}},
        {{"ABCDEFG", 2, "V999", false, false},
         {0x49, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 2, 'V', '9', '9', '9', 0x00, 0x00, 0x06}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identity.model + " " + c.identity.version);
        SimulatedRadio radio{RadioImage{}, c.identity};
        radio.receive(kHandshakeBytes);
        EXPECT_EQ(Replies(radio.receive(kIdentify)), c.expected);
    }
}

TEST(RadioPasswordBlock, HoldsThePasswordInItsLastFourDataBytes) {
    struct Case {
        std::string password;
        Bytes stored;
    };
    const std::vector<Case> cases = {
        {"AB", {'A', 'B', 0xFF, 0xFF}},
        {"1234", {'1', '2', '3', '4'}},
        {"", {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password);
        RadioImage image = PatternImage();
        SetProgrammingPassword(image, c.password);
        SimulatedRadio radio{image, RadioIdentity{}};
        radio.receive(kHandshakeBytes);
        const Bytes reply = Replies(radio.receive(ReadRequest(0x0040)));
        ASSERT_TRUE(ValidDataFrame(reply, 0x0040, image));
        EXPECT_EQ(Bytes(reply.begin() + 16, reply.begin() + 20), c.stored);
        EXPECT_EQ(image.at(75), 75); // the customer code before it is untouched
        EXPECT_EQ(image.at(80), 80);
    }
    RadioImage image;
    EXPECT_THROW(SetProgrammingPassword(image, "12345"), std::invalid_argument);
}

// ---- Faults ----------------------------------------------------------------------------

// The requests of one scripted session: handshake, identify, then reads of 0x0100.. and
// writes, each with whether it got an answer.
struct FaultCase {
    const char* name;
    FaultPlan faults;
    int reads;
    int writes;
    std::vector<bool> answered; // per request, handshake first
};

TEST(RadioFaults, AnswerOrIgnoreRequestsAsPlanned) {
    FaultPlan drop3;
    drop3.dropEvery = 3;
    FaultPlan silent4;
    silent4.silentAfter = 4;
    FaultPlan silent0;
    silent0.silentAfter = 0;
    const std::vector<FaultCase> cases = {
        {"none", {}, 2, 2, {true, true, true, true, true, true}},
        {"drop every 3rd", drop3, 3, 2, {true, true, false, true, true, false, true}},
        {"silent after 4", silent4, 2, 2, {true, true, true, true, false, false}},
        {"silent from the start", silent0, 1, 0, {false, false, false}},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedRadio radio{PatternImage(), RadioIdentity{}, c.faults};
        std::vector<Bytes> requests = {kHandshakeBytes, kIdentify};
        for (int i = 0; i < c.reads; ++i) {
            requests.push_back(ReadRequest(0x0100 + 16 * static_cast<std::size_t>(i)));
        }
        for (int i = 0; i < c.writes; ++i) {
            requests.push_back(WriteFrame(0x0200 + 16 * static_cast<std::size_t>(i), 0x80));
        }
        ASSERT_EQ(requests.size(), c.answered.size());
        std::vector<bool> answered;
        for (const Bytes& request : requests) {
            const auto outputs = radio.receive(request);
            EXPECT_EQ(Echoes(outputs), request); // the cable echoes even a silent radio
            answered.push_back(!Replies(outputs).empty());
        }
        EXPECT_EQ(answered, c.answered);
        // A dropped or unanswered write has no effect.
        for (int i = 0; i < c.writes; ++i) {
            const std::size_t request = 2 + static_cast<std::size_t>(c.reads + i);
            EXPECT_EQ(radio.image().at(0x0200 + 16 * static_cast<std::size_t>(i)) == 0x80,
                      c.answered[request]);
        }
    }
}

TEST(RadioFaults, CorruptEveryNthReadByDataThenByChecksum) {
    FaultPlan faults;
    faults.corruptEvery = 2;
    SimulatedRadio radio{PatternImage(), RadioIdentity{}, faults};
    radio.receive(kHandshakeBytes);
    radio.receive(kIdentify); // not a read: not counted
    std::vector<bool> valid;
    std::vector<Bytes> replies;
    for (std::size_t i = 0; i < 6; ++i) {
        const std::size_t address = 0x0300 + 16 * i;
        replies.push_back(Replies(radio.receive(ReadRequest(address))));
        valid.push_back(ValidDataFrame(replies.back(), address, PatternImage()));
    }
    EXPECT_THAT(valid, ElementsAre(true, false, true, false, true, false));
    EXPECT_EQ(radio.stats().corrupted, 3);
    // The 2nd reply has a data byte altered and the 4th its checksum; the frame keeps its size
    // and address, so only the checksum reveals it.
    const Bytes good2 = BuildDataFrame(PatternImage(), 0x0310, 16);
    const Bytes good4 = BuildDataFrame(PatternImage(), 0x0330, 16);
    int differences2 = 0;
    for (std::size_t i = 0; i < 22; ++i) {
        differences2 += replies[1][i] != good2[i];
    }
    EXPECT_EQ(differences2, 1);
    EXPECT_EQ(replies[1][20], good2[20]);
    EXPECT_NE(replies[3][20], good4[20]);
    EXPECT_TRUE(std::equal(good4.begin(), good4.begin() + 20, replies[3].begin()));
}

TEST(RadioFaults, NakEveryNthWriteWithoutStoringIt) {
    FaultPlan faults;
    faults.nakEvery = 3;
    SimulatedRadio radio{PatternImage(), RadioIdentity{}, faults};
    radio.receive(kHandshakeBytes);
    Bytes answers;
    for (std::size_t i = 0; i < 6; ++i) {
        const Bytes reply = Replies(radio.receive(WriteFrame(0x0400 + 16 * i, 0xA0)));
        ASSERT_EQ(reply.size(), 1u);
        answers.push_back(reply[0]);
    }
    EXPECT_THAT(answers, ElementsAre(0x06, 0x06, 0x0A, 0x06, 0x06, 0x0A));
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(radio.image().at(0x0400 + 16 * i) == 0xA0, answers[i] == 0x06) << i;
    }
    // The program sends a refused frame again; the next count decides about it.
    EXPECT_EQ(Replies(radio.receive(WriteFrame(0x0420, 0xA0))), Bytes{0x06});
    EXPECT_EQ(radio.image().at(0x0420), 0xA0);
}

TEST(RadioFaults, NoEchoLeavesOnlyTheReplies) {
    FaultPlan faults;
    faults.echo = false;
    SimulatedRadio radio{PatternImage(), RadioIdentity{}, faults};
    const auto outputs = radio.receive(Concat({kHandshakeBytes, ReadRequest(0x0010)}));
    ASSERT_EQ(outputs.size(), 2u);
    EXPECT_EQ(outputs[0], (SimOutput{SimOutput::Kind::Reply, kHandshakeAnswer}));
    EXPECT_EQ(outputs[1].kind, SimOutput::Kind::Reply);
    EXPECT_TRUE(ValidDataFrame(outputs[1].bytes, 0x0010, PatternImage()));
}

// ---- Memory files and the default memory -----------------------------------------------

struct TempDir : ::testing::Test {
    std::filesystem::path dir;
    void SetUp() override {
        char pattern[] = "/tmp/kpt740-radio-sim-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string read(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    void write(const std::filesystem::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
};

TEST(DefaultSimImage, IsANewRadioOfItsBand) {
    for (std::uint8_t band : {49, 2, 16}) {
        SCOPED_TRACE(static_cast<int>(band));
        const RadioImage image = DefaultSimImage(band);
        Configuration configuration =
            DefaultConfiguration(band, ParseBandText(BandTextOfCode(band)));
        configuration.Channels.Count = 0;
        EmbeddedInfo info;
        DecodeAll(image, configuration, info);
        EXPECT_EQ(info.RecordedBandCode, band);
        EXPECT_EQ(info.SalesAreaCode.value(), "0595");
        EXPECT_EQ(info.SerialNumber.value(), "SIM0000000000001");
        EXPECT_EQ(image.at(76), 0x00); // no programming password
        EXPECT_GE(configuration.Channels.Count, 1);

        // What a read of this radio decodes, a write encodes back to the same bytes.
        RadioImage rewritten;
        BlankImage(rewritten);
        RecordingMessageSink sink;
        EncodeContext context(sink);
        EncodeAll(configuration, rewritten, context);
        ASSERT_TRUE(context.ok());
        EXPECT_TRUE(std::ranges::equal(rewritten.view(256, RadioImage::kSize - 256),
                                       image.view(256, RadioImage::kSize - 256)));
    }
}

TEST_F(TempDir, ImageFilesRoundTripAndWrongSizesAreRefused) {
    const RadioImage image = PatternImage();
    SaveImageFile(dir / "a.bin", image);
    EXPECT_EQ(LoadImageFile(dir / "a.bin"), image);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.bin.part"));

    write(dir / "short.bin", std::string(16383, 'x'));
    write(dir / "long.bin", std::string(16385, 'x'));
    for (const char* name : {"short.bin", "long.bin", "missing.bin"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(LoadImageFile(dir / name), std::runtime_error);
    }
    EXPECT_THROW(SaveImageFile(dir / "no-such-dir" / "a.bin", image), std::runtime_error);
}

// ---- Command line and port list ---------------------------------------------------------

TEST(SimOptions, ReadsEveryOption) {
    const SimOptions o = ParseSimOptions({"--model",
                                          "XY-1",
                                          "--band",
                                          "50",
                                          "--version",
                                          "V101",
                                          "--killed",
                                          "--stunned",
                                          "--password",
                                          "ab",
                                          "--image",
                                          "in.bin",
                                          "--save",
                                          "out.bin",
                                          "--register",
                                          "7",
                                          "--settings",
                                          "s.ini",
                                          "--drop-every",
                                          "5",
                                          "--corrupt-every",
                                          "6",
                                          "--nak-every",
                                          "7",
                                          "--no-echo",
                                          "--silent-after",
                                          "0",
                                          "--latency",
                                          "40",
                                          "--wire-timing",
                                          "--verbose"});
    EXPECT_EQ(o.identity.model, "XY-1");
    EXPECT_EQ(o.identity.bandCode, 50);
    EXPECT_EQ(o.identity.version, "V101");
    EXPECT_TRUE(o.identity.killed && o.identity.stunned);
    EXPECT_EQ(o.password, "ab");
    EXPECT_EQ(o.imageFile, "in.bin");
    EXPECT_EQ(o.saveFile, "out.bin");
    EXPECT_EQ(o.registerNumber, 7);
    EXPECT_EQ(o.settingsFile, "s.ini");
    EXPECT_EQ(o.faults.dropEvery, 5);
    EXPECT_EQ(o.faults.corruptEvery, 6);
    EXPECT_EQ(o.faults.nakEvery, 7);
    EXPECT_FALSE(o.faults.echo);
    EXPECT_EQ(o.faults.silentAfter, 0);
    EXPECT_EQ(o.latency, std::chrono::milliseconds(40));
    EXPECT_TRUE(o.wireTiming && o.verbose);

    const SimOptions defaults = ParseSimOptions({});
    EXPECT_EQ(defaults.identity.model, "VQ-351");
    EXPECT_EQ(defaults.identity.bandCode, 49);
    EXPECT_TRUE(defaults.faults.echo);
    EXPECT_FALSE(defaults.faults.silentAfter.has_value());
}

TEST(SimOptions, RefusesWhatCannotBeRun) {
    const std::vector<std::vector<std::string>> lines = {
        {"--band", "256"},
        {"--band", "-1"},
        {"--band", "4x"},
        {"--model", "ABCDEFGH"},
        {"--model", ""},
        {"--version", "V1000"},
        {"--password", "12345"},
        {"--password", "a\tb"},
        {"--drop-every", "0"},
        {"--nak-every", ""},
        {"--latency", "60001"},
        {"--register", "0"},
        {"--register", "3"},
        {"--settings", "s.ini"},
        {"--latency"},
        {"--bogus"},
        {"stray"},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(::testing::PrintToString(line));
        EXPECT_THROW(ParseSimOptions(line), UsageError);
    }
}

TEST_F(TempDir, RegistrationAddsThePortAndTakesItBackAlone) {
    const auto settings = dir / "mysetup.ini";
    write(settings, "[language]\r\nIsFirstRun=0\r\ncomPort=3\r\n[ports]\r\n1=/dev/ttyUSB0\r\n");
    {
        PortRegistration registration(settings, 7, "/dev/pts/42");
        EXPECT_FALSE(registration.previous().has_value());
        EXPECT_EQ(read(settings), "[language]\r\nIsFirstRun=0\r\ncomPort=3\r\n[ports]\r\n"
                                  "1=/dev/ttyUSB0\r\n7=/dev/pts/42\r\n");
        // The software writes its own key meanwhile; that change survives the release.
        ASSERT_TRUE(WriteProfileString(settings, "language", "comPort", "7"));
    }
    EXPECT_EQ(read(settings),
              "[language]\r\nIsFirstRun=0\r\ncomPort=7\r\n[ports]\r\n1=/dev/ttyUSB0\r\n");

    {
        // A number already in use gets its old device back afterwards.
        PortRegistration registration(settings, 1, "/dev/pts/42");
        EXPECT_EQ(registration.previous(), "/dev/ttyUSB0");
        EXPECT_EQ(ReadProfileString(settings, "ports", "1"), "/dev/pts/42");
    }
    EXPECT_EQ(ReadProfileString(settings, "ports", "1"), "/dev/ttyUSB0");

    {
        // An entry someone else rewrote is theirs: it stays.
        PortRegistration registration(settings, 9, "/dev/pts/42");
        ASSERT_TRUE(WriteProfileString(settings, "ports", "9", "/dev/ttyS9"));
    }
    EXPECT_EQ(ReadProfileString(settings, "ports", "9"), "/dev/ttyS9");

    const auto missing = dir / "new" / "mysetup.ini";
    EXPECT_THROW(PortRegistration(missing, 2, "/dev/pts/1"), std::runtime_error);
}

// ---- The program on a pseudo-terminal ----------------------------------------------------

using Clock = std::chrono::steady_clock;

// The simulator program run as a child process; the first line of its output is the terminal.
class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& args) {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> all = {KPT740_RADIO_SIM};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, KPT740_RADIO_SIM, &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        m_stdout = out[0];
        m_path = readLine();
    }
    ~SimProcess() {
        stop();
        if (m_stdout >= 0) {
            close(m_stdout);
        }
    }
    const std::string& path() const { return m_path; }

    // SIGTERM (unless `terminate` is false), then the exit status; -1 when it had to be killed
    // or did not exit normally.
    int stop(bool terminate = true) {
        if (m_pid <= 0) {
            return m_status;
        }
        if (terminate) {
            kill(m_pid, SIGTERM);
        }
        int status = 0;
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (waitpid(m_pid, &status, WNOHANG) == 0) {
            if (Clock::now() > deadline) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        m_pid = -1;
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return m_status;
    }

private:
    std::string readLine() {
        std::string line;
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        char c = 0;
        while (Clock::now() < deadline) {
            pollfd fd{m_stdout, POLLIN, 0};
            if (poll(&fd, 1, 100) <= 0) {
                continue;
            }
            if (read(m_stdout, &c, 1) != 1 || c == '\n') {
                break;
            }
            line.push_back(c);
        }
        return line;
    }

    pid_t m_pid = -1;
    int m_stdout = -1;
    int m_status = -1;
    std::string m_path;
};

// The program's end of the cable: the terminal opened in raw mode.
class PtyClient {
public:
    explicit PtyClient(const std::string& path) {
        m_fd = open(path.c_str(), O_RDWR | O_NOCTTY);
        if (m_fd < 0) {
            return;
        }
        termios settings{};
        tcgetattr(m_fd, &settings);
        cfmakeraw(&settings);
        tcsetattr(m_fd, TCSANOW, &settings);
        tcflush(m_fd, TCIOFLUSH);
    }
    ~PtyClient() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    bool isOpen() const { return m_fd >= 0; }
    void send(const Bytes& bytes) {
        ASSERT_EQ(write(m_fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Waits for `count` bytes, as the program waits for its receive threshold; then takes a
    // little more time to catch anything extra that follows.
    Bytes receive(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(3)) {
        Bytes out;
        const auto deadline = Clock::now() + limit;
        auto extraUntil = Clock::time_point::max();
        while (Clock::now() < std::min(deadline, extraUntil)) {
            pollfd fd{m_fd, POLLIN, 0};
            if (poll(&fd, 1, 5) <= 0) {
                continue;
            }
            std::uint8_t buffer[256];
            const ssize_t n = read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            out.insert(out.end(), buffer, buffer + n);
            if (out.size() >= count && extraUntil == Clock::time_point::max()) {
                extraUntil = Clock::now() + std::chrono::milliseconds(30);
            }
        }
        return out;
    }
    Bytes exchange(const Bytes& frame, std::size_t replySize) {
        send(frame);
        return receive(frame.size() + replySize);
    }

private:
    int m_fd = -1;
};

TEST(RadioSimProgram, ServesHandshakeAndBlockReadsToOneSessionAfterAnother) {
    SimProcess sim({"--password", "AB"});
    ASSERT_EQ(sim.path().rfind("/dev/", 0), 0u) << sim.path();
    const RadioImage expected = [] {
        RadioImage image = DefaultSimImage(49);
        SetProgrammingPassword(image, "AB");
        return image;
    }();
    for (int session = 0; session < 2; ++session) {
        SCOPED_TRACE(session);
        // Give the simulator time to see the previous session's hang-up, so that the second
        // session meets it waiting for a program rather than still serving the first.
        std::this_thread::sleep_for(std::chrono::milliseconds(session * 100));
        PtyClient client(sim.path());
        ASSERT_TRUE(client.isOpen());
        EXPECT_EQ(client.exchange(kHandshakeBytes, 3), Concat({kHandshakeBytes, kHandshakeAnswer}));
        const Bytes identity = client.exchange(kIdentify, 16);
        ASSERT_EQ(identity.size(), 17u);
        EXPECT_EQ(identity[0], 0x02);
        EXPECT_EQ(identity[1], 0x49);
        EXPECT_EQ(identity[16], 0x06);
        const Bytes block = client.exchange(ReadRequest(0x0040), 22);
        ASSERT_EQ(block.size(), 26u);
        EXPECT_EQ(Bytes(block.begin(), block.begin() + 4), ReadRequest(0x0040));
        EXPECT_TRUE(ValidDataFrame(Bytes(block.begin() + 4, block.end()), 0x0040, expected));
        EXPECT_EQ(block[20], 'A');
        EXPECT_EQ(block[21], 'B');
        EXPECT_EQ(client.exchange(kEnd, 1), Concat({kEnd, {0x06}}));
    }
    EXPECT_EQ(sim.stop(), 0);
}

TEST_F(TempDir, RadioSimProgramRegistersSavesAndCleansUp) {
    const auto settings = dir / "mysetup.ini";
    const auto saved = dir / "radio.bin";
    write(settings, "[language]\ncomPort=1\n");
    SimProcess sim({"--register", "12", "--settings", settings.string(), "--save", saved.string(),
                    "--band", "50"});
    ASSERT_FALSE(sim.path().empty());
    EXPECT_EQ(ReadProfileString(settings, "ports", "12"), sim.path());
    EXPECT_EQ(LoadImageFile(saved), DefaultSimImage(50)); // saved from the start

    {
        PtyClient client(sim.path());
        ASSERT_TRUE(client.isOpen());
        client.exchange(kHandshakeBytes, 3);
        EXPECT_EQ(client.exchange(WriteFrame(0x0500, 0x11), 1).back(), 0x06);
        EXPECT_EQ(client.exchange(WriteFrame(0x0510, 0x22), 1).back(), 0x06);
        EXPECT_EQ(client.exchange(kEnd, 1).back(), 0x06);
        // Saved after END, while the port is still open.
        const auto deadline = Clock::now() + std::chrono::seconds(3);
        while (LoadImageFile(saved).at(0x0510) != 0x22 && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        const RadioImage image = LoadImageFile(saved);
        EXPECT_EQ(image.at(0x0500), 0x11);
        EXPECT_EQ(image.at(0x051F), 0x22 + 15);
    }
    EXPECT_EQ(sim.stop(), 0);
    EXPECT_EQ(read(settings), "[language]\ncomPort=1\n[ports]\n");
}

TEST(RadioSimProgram, DelaysRepliesAndPacesTheWire) {
    struct Case {
        std::vector<std::string> args;
        std::chrono::milliseconds atLeast;
    };
    // A read exchange is 4 echoed bytes and a 22-byte reply: 26 bytes of 10 bits at 9600 baud.
    const std::vector<Case> cases = {
        {{"--latency", "150"}, std::chrono::milliseconds(150)},
        {{"--wire-timing"}, std::chrono::milliseconds(27)},
        {{"--wire-timing", "--latency", "50"}, std::chrono::milliseconds(77)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        SimProcess sim(c.args);
        PtyClient client(sim.path());
        ASSERT_TRUE(client.isOpen());
        ASSERT_EQ(client.exchange(kHandshakeBytes, 3).size(), 10u);
        const auto start = Clock::now();
        client.send(ReadRequest(0x0010));
        const Bytes reply = client.receive(26);
        const auto elapsed = Clock::now() - start;
        EXPECT_EQ(reply.size(), 26u);
        EXPECT_GE(elapsed, c.atLeast);
        EXPECT_LT(elapsed, c.atLeast + std::chrono::seconds(1));
    }
}

TEST(RadioSimProgram, ExplainsItselfAndRefusesBadArguments) {
    // --help ends at once without a terminal path; a bad argument gives status 2.
    for (const auto& [args, status] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{"--help"}, 0}, {{"--band", "300"}, 2}, {{"--image", "/nonexistent"}, 1}}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        SimProcess sim(args);
        EXPECT_THAT(sim.path(), ::testing::Not(::testing::StartsWith("/dev/")));
        EXPECT_EQ(sim.stop(false), status);
    }
}

} // namespace
} // namespace kpt740::sim
