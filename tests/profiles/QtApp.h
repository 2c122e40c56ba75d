#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace qv::test {

// One QApplication for the whole test program, gone again before the program's exit handlers
// run: Qt's own statics must outlive it.
class QtApp final : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[5] = "test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const kQtApp = ::testing::AddGlobalTestEnvironment(new QtApp);

}  // namespace qv::test
