#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qv {

// The frames of the assignment dialog that hold key buttons.
enum class KeyFrame : uint8_t {
    Frame9,
    Frame10,
    Frame6,
    Frame7,
    Frame8,
    Frame4,
    Frame2,
    Frame5,
    Frame3
};

// One on-screen key button: the output code it enters, its caption, and its place in twips
// inside its frame. The caption is also the name every window shows for the code.
struct KeyButton {
    int16_t code = 0;
    const char* caption = "";
    KeyFrame frame = KeyFrame::Frame4;
    int16_t left = 0;
    int16_t top = 0;
    int16_t width = 0;
    int16_t height = 0;
    // Long captions are set in Arial 6, the others in Arial 8.25.
    bool smallFont = false;
};

inline constexpr int kKeyButtons = 150;

// Every key button, frame by frame, left to right and row by row.
std::span<const KeyButton> KeyButtons();

// The caption of the key button that enters `code`, or nullptr when no button does.
const char* KeyButtonCaption(int32_t code);

// What a step with `code` shows: its key button's caption, or the code in angle brackets
// ("<0>") for a code no button enters, which only a hand-edited profile holds.
std::string StepCaption(int32_t code);

}  // namespace qv
