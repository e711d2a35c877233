#include "zor06-sim/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "sim/sim_frames.h"

namespace zor06::sim {
namespace {

using std::chrono::milliseconds;
using testing::Bytes;
using testing::Concat;
using testing::ReadRequest;

// A controller at address 1 behind a session; time only moves when a test moves it.
class SessionTest : public ::testing::Test {
protected:
    explicit SessionTest(FaultOptions faults = {}) : faults_(faults) {}

    std::vector<OutgoingReply> Feed(const Bytes& bytes, milliseconds after = milliseconds(1)) {
        now_ += after;
        return session_.Receive(bytes, now_);
    }
    // How many of `requests`, sent one by one, got a well-formed reply.
    int AnsweredOf(const std::vector<Bytes>& requests) {
        int answered = 0;
        for (const Bytes& r : requests) {
            for (const OutgoingReply& reply : Feed(r)) {
                answered += testing::ValidReply(reply.bytes) ? 1 : 0;
            }
        }
        return answered;
    }

    Controller controller_{ControllerConfig{}};
    FaultInjector faults_;
    Session session_{controller_, faults_};
    platform::MonoTime now_{};
};

TEST_F(SessionTest, PreambleAndNoiseBeforeARequestAreSkipped) {
    const Bytes request = ReadRequest(1, 0, 0, 2);
    // Junk with start bytes of its own: a false start is given up once its checksum fails.
    for (const Bytes& junk :
         {Bytes(255, 0xFF), Bytes{0x00, 0x33, 0x12}, Bytes{0xCC, 0x01, 0x0A}, Bytes{0x12, 0xCC}}) {
        const auto replies = Feed(Concat({junk, request}));
        ASSERT_EQ(replies.size(), 1U);
        EXPECT_TRUE(testing::ValidReply(replies[0].bytes));
    }
}

TEST_F(SessionTest, ARequestMayArriveInPieces) {
    const Bytes request = Concat({Bytes(3, 0xFF), ReadRequest(1, 0, 0, 2)});
    for (std::size_t i = 0; i + 1 < request.size(); ++i) {
        EXPECT_TRUE(Feed({request[i]}).empty());
    }
    EXPECT_EQ(Feed({request.back()}).size(), 1U);
}

TEST_F(SessionTest, BackToBackRequestsAreAnsweredInOrder) {
    const auto replies = Feed(Concat({ReadRequest(1, 0, 1, 1), ReadRequest(1, 0, 3, 1)}));
    ASSERT_EQ(replies.size(), 2U);
    EXPECT_EQ(replies[0].bytes[8], 73);
    EXPECT_EQ(replies[1].bytes[8], 6);
}

TEST_F(SessionTest, DamagedOrForeignFramesGetNoAnswer) {
    Bytes damaged = ReadRequest(1, 0, 0, 2);
    damaged[5] ^= 0x40;
    EXPECT_TRUE(Feed(damaged).empty());
    EXPECT_TRUE(Feed(ReadRequest(2, 0, 0, 2)).empty());
    // Neither keeps the next request from being answered.
    EXPECT_EQ(Feed(Concat({damaged, ReadRequest(2, 0, 0, 2), ReadRequest(1, 0, 0, 2)})).size(), 1U);
}

TEST_F(SessionTest, AStalePartialFrameIsForgottenAfterALinePause) {
    // A start byte in noise announcing a long frame would otherwise swallow the next request.
    EXPECT_TRUE(Feed({0xCC, 0x01, 200}).empty());
    EXPECT_EQ(Feed(ReadRequest(1, 0, 0, 2), milliseconds(1000)).size(), 1U);
}

TEST_F(SessionTest, ARestartForgetsAPartialFrame) {
    EXPECT_TRUE(Feed({0xCC, 0x01, 200}).empty());
    session_.Restart();
    EXPECT_EQ(Feed(ReadRequest(1, 0, 0, 2)).size(), 1U);
}

FaultOptions Faults(void (*adjust)(FaultOptions&)) {
    FaultOptions f;
    f.seed = 7;
    adjust(f);
    return f;
}

class BadCrcTest : public SessionTest {
protected:
    BadCrcTest() : SessionTest(Faults([](FaultOptions& f) { f.badCrc = 2; })) {}
};

TEST_F(BadCrcTest, OnlyTheFirstRepliesAreDamaged) {
    const Bytes request = ReadRequest(1, 0, 0, 2);
    EXPECT_EQ(AnsweredOf({request, request}), 0);
    EXPECT_EQ(AnsweredOf({request, request, request}), 3);
}

class DropEveryTest : public SessionTest {
protected:
    DropEveryTest() : SessionTest(Faults([](FaultOptions& f) { f.dropEvery = 3; })) {}
};

TEST_F(DropEveryTest, EveryThirdRequestToTheControllerIsIgnored) {
    const Bytes ours = ReadRequest(1, 0, 0, 2);
    const Bytes foreign = ReadRequest(5, 0, 0, 2);
    EXPECT_EQ(AnsweredOf({ours, ours, ours}), 2);
    EXPECT_EQ(AnsweredOf({foreign, foreign, ours, ours}), 2);  // others' requests do not count
    EXPECT_EQ(AnsweredOf({ours}), 0);
}

class DroppedWriteTest : public SessionTest {
protected:
    DroppedWriteTest() : SessionTest(Faults([](FaultOptions& f) { f.dropEvery = 1; })) {}
};

TEST_F(DroppedWriteTest, AnIgnoredWriteChangesNothing) {
    EXPECT_EQ(AnsweredOf({testing::WriteRequest(1, 3, 0, 1, {9})}), 0);
    EXPECT_EQ(controller_.Address(), 1);
}

class SilentTest : public SessionTest {
protected:
    SilentTest() : SessionTest(Faults([](FaultOptions& f) { f.silent = true; })) {}
};

TEST_F(SilentTest, NothingIsAnswered) {
    const Bytes request = ReadRequest(1, 0, 0, 2);
    EXPECT_EQ(AnsweredOf({request, ReadRequest(255, 0, 0, 2)}), 0);
}

class LateReplyTest : public SessionTest {
protected:
    LateReplyTest()
        : SessionTest(Faults([](FaultOptions& f) {
              f.replyDelayMs = 10;
              f.lateRequest = 2;
              f.lateEvery = 3;
              f.lateByMs = 800;
          })) {}
    int DelayOf(const Bytes& request) {
        const auto replies = Feed(request);
        return replies.size() == 1 ? replies[0].delayMs : -1;
    }
};

TEST_F(LateReplyTest, TheChosenArchiveRequestsAreAnsweredLateAndTableReadsAreNotCounted) {
    const Bytes archive = testing::Request(1, 7, {0, 1, 1, 0, 0, 0, 10});
    const Bytes table = ReadRequest(1, 0, 0, 2);
    std::vector<int> delays;
    for (const Bytes* r :
         {&archive, &table, &archive, &archive, &table, &archive, &archive, &archive}) {
        delays.push_back(DelayOf(*r));
    }
    // Archive requests 1, 2 (the chosen one), 3 (every third), 4, 5, 6.
    EXPECT_EQ(delays, (std::vector<int>{10, 10, 810, 810, 10, 10, 10, 810}));
}

class NoiseTest : public SessionTest {
protected:
    NoiseTest() : SessionTest(Faults([](FaultOptions& f) { f.noise = 40; })) {}
};

TEST_F(NoiseTest, NoiseBeforeTheReplyHoldsNoReplyStart) {
    const Bytes request = ReadRequest(1, 0, 0, 18);
    for (int round = 0; round < 20; ++round) {
        const auto replies = Feed(request);
        ASSERT_EQ(replies.size(), 1U);
        const Bytes& out = replies[0].bytes;
        ASSERT_EQ(out.size(), 40U + 28U);
        EXPECT_EQ(std::find(out.begin(), out.begin() + 40, 0x33), out.begin() + 40);
        EXPECT_TRUE(testing::ValidReply(Bytes(out.begin() + 40, out.end())));
        EXPECT_EQ(replies[0].middle, 40U + 14U);  // a gap splits the frame, not the noise
    }
}

}  // namespace
}  // namespace zor06::sim
