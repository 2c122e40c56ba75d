#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "ui/AppLook.h"

namespace qv::test {

// The one QApplication of a widget test program, with the program's look: made before the first
// test, gone after the last one and before the program's statics are torn down.
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

inline const bool kQtAppRegistered =
    (::testing::AddGlobalTestEnvironment(new QtAppEnvironment), true);

}  // namespace qv::test
