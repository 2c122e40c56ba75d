#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <utility>

#include "ui/MessageBox.h"

namespace qv::test {

// The message boxes of a test program: none is shown. Each takes the next answer its test
// queued, and one the test queued none for fails that test. Every test starts with no answer
// queued and no box answered.
class MessageBoxAnswers final {
public:
    // Queues the answer of one more box.
    static void SetNextAnswer(QMessageBox::StandardButton answer) {
        SetNextAnswer([answer](const MessageBox::Shown&) { return answer; });
    }
    // Queues one more box's answer as what runs while that box stands, as the user acts then.
    static void SetNextAnswer(MessageBox::Answerer answer) {
        State().answers.append(std::move(answer));
    }
    // Every box of the test so far, oldest first.
    static const QList<MessageBox::Shown>& Answered() { return State().answered; }
    // Forgets the boxes answered and the answers not used.
    static void ClearAnswered() {
        State().answered.clear();
        State().answers.clear();
    }

private:
    friend class MessageBoxAnswering;

    struct Queue {
        QList<MessageBox::Answerer> answers;
        QList<MessageBox::Shown> answered;
    };
    static Queue& State() {
        static Queue queue;
        return queue;
    }

    // Answered at once rather than waiting for a click that never comes.
    static QMessageBox::StandardButton Answer(const MessageBox::Shown& box) {
        State().answered.append(box);
        if (State().answers.isEmpty()) {
            ADD_FAILURE() << "an unexpected message box \"" << box.title.toStdString()
                          << "\": " << box.text.toStdString();
            return QMessageBox::NoButton;
        }
        return State().answers.takeFirst()(box);
    }
};

// Answers the boxes while the tests run, and puts back what was there after them. Set from
// main, it holds whatever order static objects are built in.
class MessageBoxAnswering final : public ::testing::Environment {
public:
    void SetUp() override { previous_ = MessageBox::SetTestAnswerer(&MessageBoxAnswers::Answer); }
    void TearDown() override { MessageBox::SetTestAnswerer(std::move(previous_)); }

private:
    MessageBox::Answerer previous_;
};

// While it lives the boxes are shown, for a test that answers them with the keys as a person does.
class RealMessageBoxes final {
public:
    RealMessageBoxes() : previous_(MessageBox::SetTestAnswerer(nullptr)) {}
    ~RealMessageBoxes() { MessageBox::SetTestAnswerer(std::move(previous_)); }
    RealMessageBoxes(const RealMessageBoxes&) = delete;
    RealMessageBoxes& operator=(const RealMessageBoxes&) = delete;

private:
    MessageBox::Answerer previous_;
};

// Each test starts with no answers and no boxes, and leaves none: an answer not used may hold on
// to the test's own objects.
class MessageBoxListener final : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { MessageBoxAnswers::ClearAnswered(); }
    void OnTestEnd(const ::testing::TestInfo&) override { MessageBoxAnswers::ClearAnswered(); }
};

inline const bool kMessageBoxesAnswered =
    (::testing::AddGlobalTestEnvironment(new MessageBoxAnswering),
     ::testing::UnitTest::GetInstance()->listeners().Append(new MessageBoxListener), true);

}  // namespace qv::test
