#include "LinkHarness.h"
#include "config/ConfigurationCodec.h"
#include "core/ImageRegions.h"
#include "core/StoredRecord.h"
#include "link/LinkMessages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kpt740::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

Message Text(int id) {
    return Message::FromText(id);
}

Message Built(const BuiltInText& text, MessageIcon icon = MessageIcon::None) {
    return {text, icon};
}

bool IsReadOf(const Bytes& request, std::size_t address) {
    return request == frame::ReadRequest(address);
}

bool IsWriteOf(const Bytes& request, std::size_t address) {
    return request.size() == frame::kDataFrameLength && request[0] == frame::kDataFrameMark &&
           ((std::size_t{request[1]} << 8) | request[2]) == address;
}

std::vector<std::size_t> Addresses(std::size_t first, std::size_t last) {
    std::vector<std::size_t> out;
    for (std::size_t a = first; a <= last; a += 16) {
        out.push_back(a);
    }
    return out;
}

std::vector<std::uint8_t> Slice(const RadioImage& image, std::size_t first, std::size_t last) {
    const auto view = image.view(first, last - first + 1);
    return {view.begin(), view.end()};
}

StartResult Start(LinkEngine& engine, TransferMode mode) {
    switch (mode) {
    case TransferMode::Write:
        return engine.WriteToRadio();
    case TransferMode::EmbeddedMessage:
        return engine.ReadRMGDataFromRadio();
    default:
        return engine.ReadFromRadio();
    }
}

int FailureText(TransferMode mode) {
    return mode == TransferMode::Write             ? linktext::kWriteFailed
           : mode == TransferMode::EmbeddedMessage ? linktext::kEmbeddedReadFailed
                                                   : linktext::kReadFailed;
}

void ExpectIdle(const LinkEngine& engine, const ScriptedPort& port) {
    EXPECT_FALSE(engine.isBusy());
    EXPECT_EQ(engine.linkStep(), LinkStep::Idle);
    EXPECT_FALSE(port.isOpen());
}

// ---- Whole transfers --------------------------------------------------------------------

TEST_F(LinkTest, ReadTakesEveryBlockInOrderThenDecodesAsAnUnchangedNewFile) {
    radio.band = 33;
    workspace.ConfigFileName = "old.dat";
    workspace.IsUntitled = false;

    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();

    std::vector<std::size_t> expectedReads{kPasswordCheckBlock};
    for (std::size_t a : Addresses(0x0010, 0x3FF0)) {
        expectedReads.push_back(a);
    }
    EXPECT_EQ(radio.reads, expectedReads);
    EXPECT_EQ(port.written.front(), frame::Handshake());
    EXPECT_EQ(port.written[1], frame::Identify());
    EXPECT_EQ(port.written.back(), frame::End());
    EXPECT_EQ(Slice(engine.image(), 16, 16383), Slice(radio.memory, 16, 16383));

    // What was read decodes exactly like the radio's own memory.
    Workspace expected;
    expected.TakeFromRadio(radio.memory, 33, BandTextOfCode(33));
    EXPECT_EQ(ToStoredBytes(workspace.working), ToStoredBytes(expected.working));
    for (std::size_t i = 0; i < workspace.working.Channels.used().size(); ++i) {
        EXPECT_EQ(ToStoredBytes(workspace.working.Channels.Slots[i]),
                  ToStoredBytes(expected.working.Channels.Slots[i]));
    }
    EXPECT_EQ(workspace.identity.BandCode, 33);
    EXPECT_EQ(workspace.identity.BandText, BandTextOfCode(33));
    EXPECT_EQ(workspace.ConfigFileName, "new.dat");
    EXPECT_TRUE(workspace.IsUntitled);
    EXPECT_FALSE(workspace.IsModified());

    EXPECT_THAT(prompts.messages, ElementsAre(Text(linktext::kReadFinished)));
    EXPECT_EQ(prompts.questions,
              std::vector<Message>{Built(linktext::kReadConfirmation, MessageIcon::Question)});
    EXPECT_EQ(prompts.replaced, 1);
    EXPECT_THAT(prompts.finished, ElementsAre(std::pair{TransferMode::Read, true}));
    ExpectIdle(engine, port);
}

TEST_F(LinkTest, ReadShowsProgressFromZeroToHundredOnceEach) {
    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();
    ASSERT_EQ(prompts.progressTitles, std::vector<BuiltInText>{linktext::kReadTitle});
    ASSERT_EQ(prompts.progress.size(), 101U);
    for (int p = 0; p <= 100; ++p) {
        EXPECT_EQ(prompts.progress[static_cast<std::size_t>(p)], p);
    }
    EXPECT_EQ(prompts.progressCloses, 1);
}

TEST_F(LinkTest, WriteSendsTheEncodedImageAboveTheProtectedBlockAndChangesNothingAtHome) {
    const RadioImage before = radio.memory;
    workspace.working.decodeTime = 9;
    workspace.TakeSavedCopy();
    const auto working = ToStoredBytes(workspace.working);
    const auto saved = ToStoredBytes(workspace.saved);

    RadioImage expected;
    BlankImage(expected);
    Configuration copy = workspace.working;
    NullMessageSink sink;
    EncodeContext context(sink);
    EncodeAll(copy, expected, context);
    ASSERT_TRUE(context.ok());

    ASSERT_EQ(engine.WriteToRadio(), StartResult::Started);
    run();

    EXPECT_EQ(radio.writes, Addresses(0x0100, 0x3FF0));
    EXPECT_EQ(Slice(radio.memory, 256, 16383), Slice(expected, 256, 16383));
    EXPECT_EQ(Slice(radio.memory, 0, 255), Slice(before, 0, 255));
    EXPECT_EQ(ToStoredBytes(workspace.working), working);
    EXPECT_EQ(ToStoredBytes(workspace.saved), saved);
    EXPECT_THAT(prompts.messages, ElementsAre(Text(linktext::kWriteFinished)));
    EXPECT_EQ(prompts.progressTitles, std::vector<BuiltInText>{linktext::kWriteTitle});
    EXPECT_EQ(prompts.progress.back(), 100);
    EXPECT_EQ(prompts.replaced, 0);
    ExpectIdle(engine, port);
}

TEST_F(LinkTest, EmbeddedMessageReadsOnlyItsBlocksAndShowsTheWindowWithoutMessage) {
    const std::string serial = "ABC             ";
    for (std::size_t i = 0; i < serial.size(); ++i) {
        radio.memory.set(32 + i, static_cast<std::uint8_t>(serial[i]));
    }
    const auto working = ToStoredBytes(workspace.working);

    ASSERT_EQ(engine.ReadRMGDataFromRadio(), StartResult::Started);
    EXPECT_TRUE(prompts.questions.empty());
    run();

    std::vector<std::size_t> expectedReads{kPasswordCheckBlock};
    for (std::size_t a : Addresses(0x0010, 0x00F0)) {
        expectedReads.push_back(a);
    }
    EXPECT_EQ(radio.reads, expectedReads);
    EXPECT_EQ(Slice(engine.image(), 16, 255), Slice(radio.memory, 16, 255));
    ASSERT_EQ(prompts.embeddedShown.size(), 1U);
    EXPECT_EQ(prompts.embeddedShown[0].SerialNumber.value(), "ABC");
    EXPECT_EQ(workspace.embedded.SerialNumber.value(), "ABC");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(prompts.progressTitles.empty());
    EXPECT_TRUE(prompts.progress.empty());
    EXPECT_EQ(ToStoredBytes(workspace.working), working);
    ExpectIdle(engine, port);
}

TEST_F(LinkTest, LinkOpensTheRememberedPortWithItsLineSettings) {
    ASSERT_EQ(engine.ReadRMGDataFromRadio(), StartResult::Started);
    EXPECT_EQ(port.openedNumber, 3);
    EXPECT_EQ(port.settings(), (SerialSettings{9600, 'N', 8, 1, true}));
    run();
}

// ---- Starting ---------------------------------------------------------------------------

TEST_F(LinkTest, PortThatCannotBeOpenedStopsEveryCommandWithItsMessage) {
    struct Case {
        TransferMode mode;
        bool openFails;
        int portNumber;
    };
    for (const Case& c :
         {Case{TransferMode::Read, true, 3}, Case{TransferMode::Write, true, 3},
          Case{TransferMode::EmbeddedMessage, true, 3}, Case{TransferMode::Read, false, 0}}) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        prompts.messages.clear();
        prompts.questions.clear();
        port.setOpenFails(c.openFails);
        engine.setPortNumber(c.portNumber);
        EXPECT_EQ(Start(engine, c.mode), StartResult::PortFailed);
        EXPECT_THAT(prompts.messages, ElementsAre(Text(linktext::kPortError)));
        EXPECT_TRUE(prompts.questions.empty());
        EXPECT_TRUE(port.written.empty());
        ExpectIdle(engine, port);
    }
}

TEST_F(LinkTest, PortLostBeforeTheHandshakeEndsTheExchangeInsteadOfWaitingForEver) {
    prompts.duringConfirm = [&] {
        port.close();
        port.setOpenFails(true);
    };
    EXPECT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();
    EXPECT_THAT(prompts.messages,
                ElementsAre(Text(linktext::kPortError), Text(linktext::kReadFailed)));
    EXPECT_THAT(prompts.finished, ElementsAre(std::pair{TransferMode::Read, false}));
    EXPECT_EQ(prompts.progressCloses, 1);
    EXPECT_TRUE(port.written.empty());
    ExpectIdle(engine, port);
}

TEST_F(LinkTest, DecliningTheConfirmationClosesThePortAndSendsNothing) {
    prompts.confirmAnswer = false;
    const auto working = ToStoredBytes(workspace.working);
    for (TransferMode mode : {TransferMode::Read, TransferMode::Write}) {
        EXPECT_EQ(Start(engine, mode), StartResult::Declined);
        EXPECT_TRUE(port.written.empty());
        ExpectIdle(engine, port);
    }
    EXPECT_EQ(ToStoredBytes(workspace.working), working);
    EXPECT_EQ(port.opens, 2);
}

TEST_F(LinkTest, ModifiedConfigurationIsOfferedForSavingBeforeARead) {
    struct Case {
        YesNoCancel answer;
        int saves;
    };
    for (const Case& c :
         {Case{YesNoCancel::Yes, 1}, Case{YesNoCancel::No, 0}, Case{YesNoCancel::Cancel, 0}}) {
        prompts.questions.clear();
        prompts.saves = 0;
        prompts.confirmAnswer = false;
        prompts.saveAnswer = c.answer;
        workspace.working.decodeTime = static_cast<std::uint8_t>(workspace.saved.decodeTime + 1);
        ASSERT_TRUE(workspace.IsModified());
        EXPECT_EQ(engine.ReadFromRadio(), StartResult::Declined);
        EXPECT_EQ(prompts.saves, c.saves);
        EXPECT_THAT(prompts.questions,
                    ElementsAre(Message{TextRef{TextSection::Msg, 9001}, MessageIcon::Warning},
                                Built(linktext::kReadConfirmation, MessageIcon::Question)));
    }
    // A write never asks.
    prompts.questions.clear();
    EXPECT_EQ(engine.WriteToRadio(), StartResult::Declined);
    EXPECT_EQ(prompts.questions.size(), 1U);
}

TEST_F(LinkTest, WriteWhoseEncodingFailsSendsNothingAndLeavesThePortClosed) {
    ChannelRecord& channel = workspace.working.Channels.Slots[0];
    ASSERT_GE(workspace.working.Channels.Count, 1);
    channel.RxFrequency = "04X500000";
    EXPECT_EQ(engine.WriteToRadio(), StartResult::EncodeFailed);
    EXPECT_TRUE(port.written.empty());
    EXPECT_THAT(prompts.messages, ElementsAre(Message::Literal("SetCommDataByFrequencyError")));
    EXPECT_TRUE(prompts.progressTitles.empty());
    ExpectIdle(engine, port);
}

TEST_F(LinkTest, SecondExchangeWhileOneRunsIsRefusedAndChangesNothing) {
    for (TransferMode running : {TransferMode::EmbeddedMessage, TransferMode::Read}) {
        SCOPED_TRACE(static_cast<int>(running));
        radio.reads.clear();
        ASSERT_EQ(Start(engine, running), StartResult::Started);
        runUntilSent(frame::ReadRequest(0x0030));
        const auto sent = port.written.size();
        const auto questions = prompts.questions.size();
        for (TransferMode second :
             {TransferMode::Read, TransferMode::Write, TransferMode::EmbeddedMessage}) {
            EXPECT_EQ(Start(engine, second), StartResult::Busy);
        }
        EXPECT_EQ(port.written.size(), sent);
        EXPECT_EQ(prompts.questions.size(), questions);
        EXPECT_EQ(engine.transferMode(), running);
        EXPECT_EQ(engine.currentAddress(), 0x0030U);
        run();
        EXPECT_EQ(Slice(engine.image(), 16, 255), Slice(radio.memory, 16, 255));
        EXPECT_EQ(prompts.finished.back(), std::pair(running, true));
        ExpectIdle(engine, port);
    }
}

// ---- Timeouts and retries ---------------------------------------------------------------

TEST_F(LinkTest, UnansweredRequestIsSentThreeTimesThenFailsItsStep) {
    struct Case {
        const char* name;
        TransferMode mode;
        bool echo;
        std::function<bool(const Bytes&)> silenced;
        Bytes repeated;
    };
    const auto is = [](Bytes frame) { return [frame](const Bytes& r) { return r == frame; }; };
    const std::vector<Case> cases{
        {"no echo", TransferMode::Read, false, nullptr, frame::Handshake()},
        {"no echo", TransferMode::Write, false, nullptr, frame::Handshake()},
        {"no echo", TransferMode::EmbeddedMessage, false, nullptr, frame::Handshake()},
        {"handshake", TransferMode::Read, true, is(frame::Handshake()), frame::Handshake()},
        {"identify", TransferMode::Read, true, is(frame::Identify()), frame::Identify()},
        {"password", TransferMode::Write, true, is(frame::ReadRequest(0x40)),
         frame::ReadRequest(0x40)},
        {"block", TransferMode::Read, true, is(frame::ReadRequest(0x1230)),
         frame::ReadRequest(0x1230)},
        {"handshake", TransferMode::EmbeddedMessage, true, is(frame::Handshake()),
         frame::Handshake()},
        {"identify", TransferMode::EmbeddedMessage, true, is(frame::Identify()), frame::Identify()},
        {"block", TransferMode::EmbeddedMessage, true, is(frame::ReadRequest(0x0080)),
         frame::ReadRequest(0x0080)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " mode " + std::to_string(static_cast<int>(c.mode)));
        port.written.clear();
        port.writtenAt.clear();
        prompts = RecordingPrompts{};
        radio.echo = c.echo;
        radio.tamper = [&](const Bytes& request, std::size_t, std::optional<Bytes>& reply,
                           long long&) {
            if (c.silenced && c.silenced(request)) {
                reply.reset();
            }
        };
        ASSERT_EQ(Start(engine, c.mode), StartResult::Started);
        run();

        EXPECT_EQ(countSent(c.repeated), 3U);
        const bool prompted = c.mode != TransferMode::EmbeddedMessage;
        EXPECT_EQ(prompts.retryPrompts.size(), prompted ? 1U : 0U);
        if (prompted) {
            EXPECT_EQ(prompts.retryPrompts[0], Text(linktext::kNoReply));
        }
        EXPECT_EQ(prompts.messages.back(), Text(FailureText(c.mode)));
        EXPECT_EQ(prompts.finished.back(), std::pair(c.mode, false));
        // The repeats come one reply timeout apart.
        std::vector<long long> times;
        for (std::size_t i = 0; i < port.written.size(); ++i) {
            if (port.written[i] == c.repeated) {
                times.push_back(port.writtenAt[i]);
            }
        }
        ASSERT_EQ(times.size(), 3U);
        EXPECT_EQ(times[1] - times[0], kReplyTimeoutMs);
        EXPECT_EQ(times[2] - times[1], kReplyTimeoutMs);
        ExpectIdle(engine, port);
    }
}

TEST_F(LinkTest, RetryAfterAFailedReadBlockResumesWithThatBlock) {
    int dropped = 0;
    radio.tamper = [&](const Bytes& request, std::size_t, std::optional<Bytes>& reply, long long&) {
        if (IsReadOf(request, 0x1230) && dropped < 3) {
            ++dropped;
            reply.reset();
        }
    };
    prompts.retryAnswers = {true};
    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();

    EXPECT_EQ(prompts.retryPrompts.size(), 1U);
    EXPECT_THAT(prompts.messages, ElementsAre(Text(linktext::kReadFinished)));
    EXPECT_EQ(Slice(engine.image(), 16, 16383), Slice(radio.memory, 16, 16383));
    // After the third unanswered request: the restart, then the failed block, then the next.
    const auto third =
        std::find_if(port.written.begin(), port.written.end(), [&, n = 0](const Bytes& f) mutable {
            return IsReadOf(f, 0x1230) && ++n == 3;
        });
    ASSERT_NE(third, port.written.end());
    const std::vector<Bytes> after(third + 1, third + 7);
    EXPECT_THAT(after, ElementsAre(frame::End(), frame::Handshake(), frame::Identify(),
                                   frame::ReadRequest(0x40), frame::ReadRequest(0x1230),
                                   frame::ReadRequest(0x1240)));
}

TEST_F(LinkTest, SendAgainRepliesResendAtOnceWithoutUsingRetriesUpToSixteen) {
    struct Case {
        int sendAgain;  // 0x0A answers to the block
        int dropsAfter; // then unanswered sends (each costs a retry)
        bool prompted;  // the step failed
        bool retry;     // answer to the prompt
    };
    for (const Case& c : {Case{1, 0, false, false}, Case{15, 2, false, false},
                          Case{16, 0, true, false}, Case{16, 0, true, true}}) {
        SCOPED_TRACE(c.sendAgain);
        port.written.clear();
        port.writtenAt.clear();
        prompts = RecordingPrompts{};
        prompts.retryAnswers = {c.retry};
        radio.memory = PatternMemory();
        radio.writes.clear();
        radio.sendAgain = {{0x0200, c.sendAgain}};
        int drops = 0;
        radio.tamper = [&](const Bytes& request, std::size_t, std::optional<Bytes>& reply,
                           long long&) {
            if (IsWriteOf(request, 0x0200) && radio.sendAgain[0x0200] == 0 &&
                reply == Bytes{frame::kAck} && drops < c.dropsAfter) {
                ++drops;
                reply.reset();
                radio.writes.pop_back();
            }
        };
        ASSERT_EQ(engine.WriteToRadio(), StartResult::Started);
        run();

        std::vector<long long> times;
        for (std::size_t i = 0; i < port.written.size(); ++i) {
            if (IsWriteOf(port.written[i], 0x0200)) {
                times.push_back(port.writtenAt[i]);
            }
        }
        const auto sendAgainSends = static_cast<std::size_t>(std::min(c.sendAgain, 16));
        ASSERT_GE(times.size(), sendAgainSends);
        // Each 0x0A answer brings the same frame back at once (reply latency only).
        for (std::size_t i = 1; i < sendAgainSends; ++i) {
            EXPECT_LT(times[i] - times[i - 1], kReplyTimeoutMs);
        }
        EXPECT_EQ(prompts.retryPrompts.size(), c.prompted ? 1U : 0U);
        const bool success = !c.prompted || c.retry;
        EXPECT_EQ(prompts.finished.back(), std::pair(TransferMode::Write, success));
        if (success) {
            EXPECT_EQ(radio.writes, Addresses(0x0100, 0x3FF0));
            EXPECT_EQ(Slice(radio.memory, 0x0200, 0x020F), Slice(engine.image(), 0x200, 0x20F));
        }
        ExpectIdle(engine, port);
    }
}

TEST_F(LinkTest, RetryAfterSendAgainFailureWritesTheFailedBlockAgainInOrder) {
    radio.sendAgain = {{0x0200, 16}};
    prompts.retryAnswers = {true};
    ASSERT_EQ(engine.WriteToRadio(), StartResult::Started);
    run();
    std::size_t sends = 0;
    for (const Bytes& f : port.written) {
        sends += IsWriteOf(f, 0x0200) ? 1 : 0;
    }
    EXPECT_EQ(sends, 17U);
    EXPECT_EQ(radio.writes, Addresses(0x0100, 0x3FF0));
    EXPECT_THAT(prompts.messages, ElementsAre(Text(linktext::kWriteFinished)));
}

TEST_F(LinkTest, UnansweredFinalEndStillSucceedsAfterOneTimeout) {
    for (TransferMode mode :
         {TransferMode::Read, TransferMode::Write, TransferMode::EmbeddedMessage}) {
        SCOPED_TRACE(static_cast<int>(mode));
        port.written.clear();
        port.writtenAt.clear();
        prompts = RecordingPrompts{};
        workspace = Workspace{};
        radio.tamper = [](const Bytes& request, std::size_t, std::optional<Bytes>& reply,
                          long long&) {
            if (request == frame::End()) {
                reply.reset();
            }
        };
        ASSERT_EQ(Start(engine, mode), StartResult::Started);
        run();
        EXPECT_EQ(countSent(frame::End()), 1U);
        EXPECT_EQ(clock.now - port.writtenAt.back(), kReplyTimeoutMs);
        EXPECT_EQ(prompts.finished.back(), std::pair(mode, true));
        EXPECT_TRUE(prompts.retryPrompts.empty());
        ExpectIdle(engine, port);
    }
}

TEST_F(LinkTest, UnansweredEndBeforeARestartAsksInEveryModeAndRetrySendsItAgain) {
    struct Case {
        TransferMode mode;
        int unansweredEnds;
        std::deque<bool> answers;
        bool success;
    };
    for (const Case& c : {Case{TransferMode::EmbeddedMessage, 1, {false}, false},
                          Case{TransferMode::Read, 2, {true, false}, false},
                          Case{TransferMode::Read, 1, {true}, true}}) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        port.written.clear();
        prompts = RecordingPrompts{};
        // A wrong password, corrected in the dialog, restarts the exchange with END.
        radio.memory.set(0x4C, 'Q');
        radio.memory.set(0x4D, 0xFF);
        prompts.passwordAnswers = {std::string("Q")};
        engine.setEnteredPassword("");
        prompts.retryAnswers = c.answers;
        int ends = 0;
        radio.tamper = [&](const Bytes& request, std::size_t, std::optional<Bytes>& reply,
                           long long&) {
            if (request == frame::End() && ++ends <= c.unansweredEnds) {
                reply.reset();
            }
        };
        ASSERT_EQ(Start(engine, c.mode), StartResult::Started);
        run();
        EXPECT_EQ(prompts.retryPrompts,
                  std::vector<Message>(c.answers.size(), Text(linktext::kNoReply)));
        EXPECT_EQ(prompts.finished.back(), std::pair(c.mode, c.success));
        if (c.success) {
            // The restart's END went twice, then came the final END.
            EXPECT_EQ(countSent(frame::End()), 3U);
        } else {
            EXPECT_EQ(prompts.messages.back(), Text(FailureText(c.mode)));
            EXPECT_EQ(countSent(frame::End()), static_cast<std::size_t>(c.unansweredEnds));
        }
        ExpectIdle(engine, port);
    }
}

TEST_F(LinkTest, LateReplyIsJudgedAgainstTheRequestNowOutstanding) {
    int late = 0;
    radio.tamper = [&](const Bytes& request, std::size_t, std::optional<Bytes>&, long long& delay) {
        if (IsReadOf(request, 0x0500) && late++ == 0) {
            delay = 350;
        }
    };
    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();
    EXPECT_EQ(prompts.finished.back(), std::pair(TransferMode::Read, true));
    EXPECT_EQ(Slice(engine.image(), 16, 16383), Slice(radio.memory, 16, 16383));
}

// ---- Replies that do not count --------------------------------------------------------

TEST_F(LinkTest, SpoiltDataFrameIsIgnoredAndAskedForAgainAfterTheTimeout) {
    struct Case {
        const char* name;
        std::function<void(Bytes&)> spoil;
    };
    const std::vector<Case> cases{
        {"data byte changed", [](Bytes& f) { f[4 + 3] ^= 0x01; }},
        {"checksum changed", [](Bytes& f) { f[20] ^= 0x80; }},
        {"other address",
         [](Bytes& f) {
             f[2] = 0x10;
             f[20] = frame::Checksum(f);
         }},
        {"length byte 15",
         [](Bytes& f) {
             f[3] = 15;
             f[20] = frame::Checksum(f);
         }},
        {"no closing acknowledge", [](Bytes& f) { f[21] = 0x00; }},
        {"one byte too many", [](Bytes& f) { f.push_back(0x06); }},
        {"one byte short", [](Bytes& f) { f.pop_back(); }},
    };
    for (std::size_t blockAddress : {std::size_t{0x0500}, kPasswordCheckBlock}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(blockAddress));
            port.written.clear();
            port.writtenAt.clear();
            prompts = RecordingPrompts{};
            bool spoilt = false;
            radio.tamper = [&](const Bytes& request, std::size_t, std::optional<Bytes>& reply,
                               long long&) {
                if (IsReadOf(request, blockAddress) && !spoilt) {
                    spoilt = true;
                    c.spoil(*reply);
                }
            };
            ASSERT_EQ(Start(engine, blockAddress == kPasswordCheckBlock
                                        ? TransferMode::EmbeddedMessage
                                        : TransferMode::Read),
                      StartResult::Started);
            run();
            std::vector<long long> times;
            for (std::size_t i = 0; i < port.written.size(); ++i) {
                if (IsReadOf(port.written[i], blockAddress)) {
                    times.push_back(port.writtenAt[i]);
                }
            }
            ASSERT_GE(times.size(), 2U);
            EXPECT_EQ(times[1] - times[0], kReplyTimeoutMs);
            EXPECT_TRUE(prompts.retryPrompts.empty());
            EXPECT_TRUE(prompts.passwordPrefills.empty());
            EXPECT_TRUE(prompts.finished.back().second);
            EXPECT_EQ(Slice(engine.image(), 16, 255), Slice(radio.memory, 16, 255));
        }
    }
}

TEST_F(LinkTest, RepliesCountOnlyForTheRequestTheyAnswer) {
    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    runUntilSent(frame::ReadRequest(0x0500));
    const auto sent = port.written.size();
    // Outside the threshold, as a nested event loop could hand them over: a "send again" and an
    // acknowledge in a read, a handshake reply, an identification, a frame of another block.
    const Bytes echo = frame::ReadRequest(0x0500);
    auto withEcho = [&](Bytes reply) {
        Bytes b = echo;
        b.insert(b.end(), reply.begin(), reply.end());
        return b;
    };
    port.inject(withEcho({frame::kSendAgain}));
    port.inject(withEcho({frame::kAck}));
    port.inject(withEcho(frame::HandshakeReply()));
    port.inject(withEcho(IdentityReply("VQ-351", 49, "V100", false, false)));
    port.inject(withEcho(frame::DataFrame(radio.memory, 0x0510)));
    EXPECT_EQ(port.written.size(), sent);
    EXPECT_EQ(engine.linkStep(), LinkStep::Block);
    EXPECT_EQ(engine.currentAddress(), 0x0500U);
    run();
    EXPECT_EQ(prompts.finished.back(), std::pair(TransferMode::Read, true));
    for (const Bytes& f : port.written) {
        EXPECT_NE(f[0], frame::kDataFrameMark) << "a read never sends a write frame";
    }
}

TEST_F(LinkTest, FrameOfAnotherBlockNeverPassesThePasswordStep) {
    radio.memory.set(0x4C, 'A');
    radio.tamper = [&](const Bytes& request, std::size_t, std::optional<Bytes>& reply, long long&) {
        if (request == frame::ReadRequest(kPasswordCheckBlock)) {
            reply = frame::DataFrame(radio.memory, 0x0000); // the read's current address
        }
    };
    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();
    EXPECT_EQ(countSent(frame::ReadRequest(kPasswordCheckBlock)), 3U);
    EXPECT_TRUE(prompts.passwordPrefills.empty());
    EXPECT_EQ(prompts.retryPrompts.size(), 1U);
    EXPECT_TRUE(radio.reads.size() == 3U);
}

TEST_F(LinkTest, EventsArrivingWhileAQuestionIsOpenAreNotHandled) {
    radio.tamper = [](const Bytes& request, std::size_t, std::optional<Bytes>& reply, long long&) {
        if (request == frame::Handshake()) {
            reply.reset();
        }
    };
    prompts.duringRetry = [&] {
        Bytes line = frame::Handshake();
        line.push_back('V');
        line.push_back('Q');
        line.push_back(frame::kAck);
        port.inject(line);
    };
    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();
    EXPECT_EQ(countSent(frame::Identify()), 0U);
    EXPECT_EQ(prompts.messages.back(), Text(linktext::kReadFailed));
    ExpectIdle(engine, port);
}

// ---- Radio check ------------------------------------------------------------------------

TEST_F(LinkTest, RadioCheckShowsEachFailingMessageThenTheModesFailure) {
    struct Case {
        const char* name;
        TransferMode mode;
        std::string model;
        std::string version;
        std::uint8_t band;
        bool killed;
        bool stunned;
        std::vector<Message> messages;
    };
    using namespace linktext;
    const auto warning = MessageIcon::Warning;
    const std::vector<Case> cases{
        {"wrong model",
         TransferMode::Read,
         "VQ-352",
         "V100",
         49,
         false,
         false,
         {Built(kWrongModel), Text(kReadFailed)}},
        {"wrong version",
         TransferMode::Read,
         "VQ-351",
         "V101",
         49,
         false,
         false,
         {Built(kWrongVersion), Text(kReadFailed)}},
        {"model and version",
         TransferMode::EmbeddedMessage,
         "X",
         "V1",
         49,
         false,
         false,
         {Built(kWrongModel), Text(kEmbeddedReadFailed)}},
        {"other band, read",
         TransferMode::Read,
         "VQ-351",
         "V100",
         33,
         false,
         false,
         {Text(kReadFinished)}},
        {"other band, write",
         TransferMode::Write,
         "VQ-351",
         "V100",
         33,
         false,
         false,
         {Built(kWrongBand, warning), Text(kWriteFailed)}},
        {"band taken as 48",
         TransferMode::Write,
         "VQ-351",
         "V100",
         0x39,
         false,
         false,
         {Built(kWrongBand, warning), Text(kWriteFailed)}},
        {"model and band",
         TransferMode::Write,
         "VQ-999",
         "V100",
         33,
         false,
         false,
         {Built(kWrongModel), Built(kWrongBand, warning), Text(kWriteFailed)}},
        {"version and band",
         TransferMode::Write,
         "VQ-351",
         "V200",
         33,
         true,
         false,
         {Built(kWrongVersion), Built(kWrongBand, warning), Text(kWriteFailed)}},
        {"killed, write",
         TransferMode::Write,
         "VQ-351",
         "V100",
         49,
         true,
         true,
         {Built(kRadioKilled), Text(kWriteFailed)}},
        {"stunned, write",
         TransferMode::Write,
         "VQ-351",
         "V100",
         49,
         false,
         true,
         {Built(kRadioStunned), Text(kWriteFailed)}},
        {"killed and other band",
         TransferMode::Write,
         "VQ-351",
         "V100",
         33,
         true,
         false,
         {Built(kWrongBand, warning), Text(kWriteFailed)}},
        {"killed, read",
         TransferMode::Read,
         "VQ-351",
         "V100",
         49,
         true,
         true,
         {Text(kReadFinished)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts = RecordingPrompts{};
        port.written.clear();
        // A read before replaced the configuration with what the pattern memory decodes to.
        workspace = Workspace{};
        radio.model = c.model;
        radio.version = c.version;
        radio.band = c.band;
        radio.killed = c.killed;
        radio.stunned = c.stunned;
        ASSERT_EQ(Start(engine, c.mode), StartResult::Started);
        run();
        EXPECT_EQ(prompts.messages, c.messages);
        ASSERT_EQ(prompts.identified.size(), 1U);
        EXPECT_EQ(prompts.identified[0].ModelText, c.model);
        EXPECT_EQ(engine.radioIdentity().RadioKilled, c.killed);
        const bool failed = prompts.finished.back().second == false;
        if (failed) {
            // Nothing after the identification.
            EXPECT_EQ(port.written.back(), frame::Identify());
        }
        ExpectIdle(engine, port);
    }
}

TEST_F(LinkTest, ReadOfAKilledRadioKeepsItsStatus) {
    radio.killed = true;
    ASSERT_EQ(engine.ReadFromRadio(), StartResult::Started);
    run();
    EXPECT_TRUE(workspace.radioKilled);
    EXPECT_FALSE(workspace.radioStunned);
}

// ---- Password ---------------------------------------------------------------------------

TEST_F(LinkTest, PasswordIsCheckedAndCorrectedEntryRestartsTheExchange) {
    struct Case {
        const char* name;
        std::array<std::uint8_t, 4> radioBytes;
        std::string entered;
        std::vector<std::optional<std::string>> answers;
        TransferMode mode;
        bool success;
        std::vector<std::string> prefills;
        std::string enteredAfter;
    };
    const std::uint8_t F = 0xFF;
    const std::vector<Case> cases{
        {"equal", {'A', 'B', F, F}, "AB", {}, TransferMode::Read, true, {}, "AB"},
        {"entered with blanks", {'A', 'B', F, F}, "AB  ", {}, TransferMode::Read, true, {}, "AB"},
        {"none, none", {F, 'A', 'B', 'C'}, "", {}, TransferMode::Read, true, {}, ""},
        {"one too many",
         {'A', 'B', F, F},
         "ABC",
         {std::nullopt},
         TransferMode::Read,
         false,
         {"ABC"},
         "ABC"},
        {"corrected", {'A', 'B', F, F}, "", {"AB"}, TransferMode::Read, true, {""}, "AB"},
        {"case counts", {'A', 'B', F, F}, "", {"ab"}, TransferMode::Read, false, {""}, "ab"},
        {"cleared", {0x00, 'X', F, F}, "XY", {""}, TransferMode::Read, true, {"XY"}, ""},
        {"four characters",
         {'1', '2', '3', '4'},
         "",
         {"1234"},
         TransferMode::Write,
         true,
         {""},
         "1234"},
        {"cancel keeps entry",
         {'A', 'B', F, F},
         "Z",
         {std::nullopt},
         TransferMode::Write,
         false,
         {"Z"},
         "Z"},
        {"embedded, still wrong",
         {'A', 'B', F, F},
         "",
         {"AC"},
         TransferMode::EmbeddedMessage,
         false,
         {""},
         "AC"},
        {"embedded, corrected",
         {'A', 'B', F, F},
         "",
         {"AB"},
         TransferMode::EmbeddedMessage,
         true,
         {""},
         "AB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts = RecordingPrompts{};
        port.written.clear();
        workspace = Workspace{};
        for (std::size_t i = 0; i < 4; ++i) {
            radio.memory.set(0x4C + i, c.radioBytes[i]);
        }
        engine.setEnteredPassword(c.entered);
        prompts.passwordAnswers = {c.answers.begin(), c.answers.end()};
        ASSERT_EQ(Start(engine, c.mode), StartResult::Started);
        run();
        EXPECT_EQ(prompts.passwordPrefills, c.prefills);
        EXPECT_EQ(engine.enteredPassword(), c.enteredAfter);
        EXPECT_EQ(prompts.finished.back(), std::pair(c.mode, c.success));
        const bool restarted = c.success && !c.prefills.empty();
        // A restart is END, handshake, identification and password again before the blocks.
        EXPECT_EQ(countSent(frame::Handshake()), restarted ? 2U : 1U);
        EXPECT_EQ(countSent(frame::End()), restarted ? 2U : c.success ? 1U : 0U);
        if (!c.success) {
            EXPECT_EQ(prompts.messages.back(), Text(FailureText(c.mode)));
            EXPECT_EQ(port.written.back(), frame::ReadRequest(kPasswordCheckBlock));
        }
        ExpectIdle(engine, port);
    }
}

TEST_F(LinkTest, PasswordEnteredBeforehandPassesWithoutDialog) {
    radio.memory.set(0x4C, 'K');
    radio.memory.set(0x4D, '7');
    radio.memory.set(0x4E, 0x00);
    engine.setEnteredPassword("K7");
    ASSERT_EQ(engine.ReadRMGDataFromRadio(), StartResult::Started);
    run();
    EXPECT_TRUE(prompts.passwordPrefills.empty());
    EXPECT_EQ(prompts.embeddedShown.size(), 1U);
}

} // namespace
} // namespace kpt740::test
