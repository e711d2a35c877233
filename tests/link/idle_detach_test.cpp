// The line closed by whatever runs while a request waits for its reply.
#include "tests/link/link_fixture.h"

#include "link/link_texts.h"

namespace zor06::test {
namespace {

using IdleDetachTest = LinkTest;

TEST_F(IdleDetachTest, ALineClosedWhileWaitingEndsTheRequest) {
    Connect(Always({}));  // the controller never answers
    link.firstByteTimeoutMs = 1000;
    link.attempts = 3;
    int idles = 0;
    Listen();
    listener.onIdle = [this, &idles] {
        if (++idles == 2) {
            link.Close();
        }
    };
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, link::status::kAborted);
    EXPECT_FALSE(link.PortOpen() || link.SocketOpen());
    EXPECT_EQ(idles, 2);
}

}  // namespace
}  // namespace zor06::test
