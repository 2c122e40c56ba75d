#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>

#include "QtTestApp.h"
#include "app/TerminationSignals.h"

namespace qv {
namespace {

TEST(TerminationSignals, TheFirstSignalRunsTheHandlerOnceAndLaterOnesEndNothing) {
    int calls = 0;
    {
        TerminationSignals terminations;
        terminations.Watch([&calls] { ++calls; });
        raise(SIGTERM);
        QCoreApplication::processEvents();
        EXPECT_EQ(calls, 1);
        raise(SIGINT);
        QCoreApplication::processEvents();
        EXPECT_EQ(calls, 1) << "taken and dropped";
        // One more still waiting when the program winds up: letting go of the signals must not
        // let it kill the process at its very end.
        raise(SIGTERM);
    }
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace qv
