#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <memory>

#include "MessageBoxAnswers.h"
#include "ui/AppLook.h"

namespace qv::test {

// The one QApplication of a widget test program, with the program's look: made before the first
// test, gone after the last one and before the program's statics are torn down. Its message boxes
// are answered by its tests (MessageBoxAnswers.h): one no test expected fails that test.
class QtAppEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        UseAppLook();
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[5] = "test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// Each test leaves the application as it found it. The panel's exits ask it to quit; run outside
// its own loop, as most tests run them, the request stays, and every loop after it, a modal
// dialog's included, would end at once. Its own loop, run once, takes the request back.
class QtAppListener final : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo&) override {
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        QCoreApplication::exec();
    }
};

inline const bool kQtAppRegistered =
    (::testing::AddGlobalTestEnvironment(new QtAppEnvironment),
     ::testing::UnitTest::GetInstance()->listeners().Append(new QtAppListener), true);

}  // namespace qv::test
