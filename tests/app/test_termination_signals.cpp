#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>

#include "NoFreeDescriptors.h"
#include "QtTestApp.h"
#include "app/TerminationSignals.h"

namespace qv {
namespace {

bool Blocked(int signal) {
    sigset_t mask;
    pthread_sigmask(SIG_BLOCK, nullptr, &mask);
    return sigismember(&mask, signal) == 1;
}

TEST(TerminationSignals, EachEndingSignalRunsTheHandlerOnceAndLaterOnesEndNothing) {
    for (const int first : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        int calls = 0;
        {
            TerminationSignals terminations;
            ASSERT_TRUE(terminations.Failure().empty());
            terminations.Watch([&calls] { ++calls; });
            raise(first);
            QCoreApplication::processEvents();
            EXPECT_EQ(calls, 1) << strsignal(first);
            raise(SIGINT);
            raise(SIGHUP);
            raise(SIGQUIT);
            QCoreApplication::processEvents();
            EXPECT_EQ(calls, 1) << "taken and dropped";
            // One more still waiting when the program winds up: letting go of the signals must
            // not let it kill the process at its very end.
            raise(SIGTERM);
        }
        EXPECT_EQ(calls, 1);
        EXPECT_FALSE(Blocked(first));
    }
}

// Without a free file descriptor the signals can't be watched: that is told, not thrown, and
// they are left to end the process as before rather than blocked for good.
TEST(TerminationSignals, AFailureIsToldAndLeavesTheSignalsAlone) {
    test::NoFreeDescriptors noneFree;
    {
        TerminationSignals terminations;
        terminations.Watch([] {});
        EXPECT_NE(terminations.Failure().find("signalfd"), std::string::npos);
        EXPECT_FALSE(Blocked(SIGHUP));
    }
}

}  // namespace
}  // namespace qv
