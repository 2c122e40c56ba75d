#pragma once

#include <gtest/gtest.h>

#include "ui/MessageBox.h"

namespace qv::test {

// Every message box of a test program is answered through the hook: one that the test did not
// queue an answer for fails the test at once.
inline const bool kMessageBoxesAnswered = [] {
    MessageBox::AnswerAll([](const MessageBox::Shown& box) {
        ADD_FAILURE() << "an unexpected message box \"" << box.title.toStdString()
                      << "\": " << box.text.toStdString();
    });
    return true;
}();

}  // namespace qv::test
