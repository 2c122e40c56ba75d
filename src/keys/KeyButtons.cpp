#include "keys/KeyButtons.h"

#include <array>

#include "model/Concat.h"
#include "model/Twips.h"

namespace qv {

namespace {

// A key of a row: where it starts (kNext: right after the key before it), its size, and
// whether its caption needs the small font. Frames other than the keyboard always use it.
constexpr int16_t kNext = -1;

struct RowKey {
    int16_t code;
    const char* caption;
    int16_t width = 495;
    int16_t height = 495;
    int16_t left = kNext;
    bool smallFont = false;
};

struct Row {
    KeyFrame frame;
    int16_t top;
    std::span<const RowKey> keys;
};

// The strip frames hold one row of 375-high buttons, spaced evenly across the frame.
struct Strip {
    KeyFrame frame;
    int16_t frameWidth;
    std::span<const RowKey> keys;
};

constexpr std::array<RowKey, 5> kMouse{{
    {1, "MOUSE LEFT", 735, 375},
    {4, "MOUSE MIDDLE", 735, 375},
    {2, "MOUSE RIGHT", 735, 375},
    {5, "MOUSE WHEEL UP", 735, 375},
    {6, "MOUSE WHEEL DN", 735, 375},
}};
constexpr std::array<RowKey, 7> kMedia{{
    {177, "PREV TRACK", 615, 375},
    {178, "STOP", 615, 375},
    {179, "PLAY PAUSE", 615, 375},
    {176, "NEXT TRACK", 615, 375},
    {174, "VOL -", 495, 375},
    {175, "VOL +", 495, 375},
    {173, "MUTE", 495, 375},
}};
constexpr std::array<RowKey, 4> kLaunch{{
    {182, "LAUNCH APP 1", 615, 375},
    {183, "LAUNCH APP 2", 615, 375},
    {180, "MAIL", 615, 375},
    {181, "MEDIA LIBRARY", 615, 375},
}};
constexpr std::array<RowKey, 5> kCommands{{
    {12, "CLEAR", 615, 375},
    {41, "SELECT", 615, 375},
    {42, "PRINT", 615, 375},
    {43, "EXEC", 615, 375},
    {47, "HELP", 615, 375},
}};
constexpr std::array<RowKey, 7> kBrowser{{
    {172, "HOME", 615, 375},
    {171, "FAVOR", 615, 375},
    {170, "SEARCH", 615, 375},
    {169, "STOP", 615, 375},
    {168, "REFRSH", 615, 375},
    {166, "BACK", 615, 375},
    {167, "FWD", 615, 375},
}};
constexpr std::array<RowKey, 8> kDelays{{
    {136, "DELAY 1 SECOND", 975, 375},
    {137, "DELAY 750ms", 975, 375},
    {138, "DELAY 500ms", 975, 375},
    {139, "DELAY 250ms", 975, 375},
    {140, "DELAY 100ms", 975, 375},
    {141, "DELAY 50ms", 975, 375},
    {142, "DELAY 25ms", 975, 375},
    {143, "DELAY 10ms", 975, 375},
}};
constexpr std::array<RowKey, 1> kZoom{{{251, "ZOOM", 615, 375}}};
constexpr std::array<RowKey, 1> kSleep{{{95, "SLEEP", 495, 375}}};

// The keyboard: the main block from the left edge, then the editing block and the keypad
// in columns of their own, so that every row lines them up.
constexpr int16_t kMain = 120;
constexpr int16_t kEdit = 7515;
constexpr int16_t kPad = 9105;
constexpr int16_t kKey = 495;
constexpr int16_t kFunctionKeys = 11085 - 20 * kKey;

constexpr std::array<RowKey, 21> kRow1{{
    {27, "ESC", kKey, 375, kMain}, {112, "F1", kKey, 375, kFunctionKeys},
    {113, "F2", kKey, 375},        {114, "F3", kKey, 375},
    {115, "F4", kKey, 375},        {116, "F5", kKey, 375},
    {117, "F6", kKey, 375},        {118, "F7", kKey, 375},
    {119, "F8", kKey, 375},        {120, "F9", kKey, 375},
    {121, "F10", kKey, 375},       {122, "F11", kKey, 375},
    {123, "F12", kKey, 375},       {124, "F13", kKey, 375},
    {125, "F14", kKey, 375},       {126, "F15", kKey, 375},
    {127, "F16", kKey, 375},       {128, "F17", kKey, 375},
    {129, "F18", kKey, 375},       {130, "F19", kKey, 375},
    {131, "F20", kKey, 375},
}};
constexpr std::array<RowKey, 21> kRow2{{
    {192, "~ `", kKey, kKey, kMain},
    {49, "1"},
    {50, "2"},
    {51, "3"},
    {52, "4"},
    {53, "5"},
    {54, "6"},
    {55, "7"},
    {56, "8"},
    {57, "9"},
    {48, "0"},
    {189, "_ -"},
    {187, "+ ="},
    {8, "BACK SPACE", 855},
    {44, "PRINT SCRN", kKey, kKey, kEdit, true},
    {145, "SCRL LOCK", kKey, kKey, kNext, true},
    {19, "PSE BRK", kKey, kKey, kNext, true},
    {144, "NUM LOCK", kKey, kKey, kPad, true},
    {111, "KP[/]"},
    {106, "KP[*]"},
    {109, "KP[-]"},
}};
constexpr std::array<RowKey, 21> kRow3{{
    {9, "TAB", 735, kKey, kMain},
    {81, "Q"},
    {87, "W"},
    {69, "E"},
    {82, "R"},
    {84, "T"},
    {89, "Y"},
    {85, "U"},
    {73, "I"},
    {79, "O"},
    {80, "P"},
    {219, "{ ["},
    {221, "} ]"},
    {220, "| \\", 615},
    {45, "INS", kKey, kKey, kEdit, true},
    {36, "HOME", kKey, kKey, kNext, true},
    {33, "PAGE UP", kKey, kKey, kNext, true},
    {103, "KP[7]", kKey, kKey, kPad},
    {104, "KP[8]"},
    {105, "KP[9]"},
    {107, "KP[+]", kKey, 975},
}};
constexpr std::array<RowKey, 19> kRow4{{
    {20, "CAPS LOCK", 855, kKey, kMain},
    {65, "A"},
    {83, "S"},
    {68, "D"},
    {70, "F"},
    {71, "G"},
    {72, "H"},
    {74, "J"},
    {75, "K"},
    {76, "L"},
    {186, ": ;"},
    {222, "\" '"},
    {13, "ENTER", 975},
    {46, "DEL", kKey, kKey, kEdit, true},
    {35, "END", kKey, kKey, kNext, true},
    {34, "PAGE DOWN", kKey, kKey, kNext, true},
    {100, "KP[4]", kKey, kKey, kPad},
    {101, "KP[5]"},
    {102, "KP[6]"},
}};
constexpr std::array<RowKey, 17> kRow5{{
    {160, "LEFT SHIFT", 1095, kKey, kMain},
    {90, "Z"},
    {88, "X"},
    {67, "C"},
    {86, "V"},
    {66, "B"},
    {78, "N"},
    {77, "M"},
    {188, "< ,"},
    {190, "> ."},
    {191, "? /"},
    {161, "RIGHT SHIFT", 1215},
    {38, "UP", kKey, kKey, kEdit + kKey, true},
    {97, "KP[1]", kKey, kKey, kPad},
    {98, "KP[2]"},
    {99, "KP[3]"},
    {108, "RET", kKey, 975},
}};
constexpr std::array<RowKey, 13> kRow6{{
    {162, "LEFT CTRL", 735, kKey, kMain},
    {91, "LEFT WIN"},
    {164, "LEFT ALT", 735},
    {32, "SPACE", 2775},
    {165, "RIGHT ALT", 735},
    {92, "RGT WIN"},
    {93, "APP"},
    {163, "RIGHT CTRL", 735},
    {37, "LEFT", kKey, kKey, kEdit, true},
    {40, "DOWN", kKey, kKey, kNext, true},
    {39, "RIGHT", kKey, kKey, kNext, true},
    {96, "KP[0]", 975, kKey, kPad},
    {110, "KP[.]", kKey, kKey, kPad + 2 * kKey},
}};

constexpr std::array<Strip, 8> kStrips{{
    {KeyFrame::Frame10, 4335, kMouse},
    {KeyFrame::Frame9, 4215, kMedia},
    {KeyFrame::Frame6, 2775, kLaunch},
    {KeyFrame::Frame7, 3255, kCommands},
    {KeyFrame::Frame8, 4455, kBrowser},
    {KeyFrame::Frame2, 8775, kDelays},
    {KeyFrame::Frame5, 855, kZoom},
    {KeyFrame::Frame3, 735, kSleep},
}};

constexpr std::array<Row, 6> kKeyboard{{
    {KeyFrame::Frame4, 240, kRow1},
    {KeyFrame::Frame4, 720, kRow2},
    {KeyFrame::Frame4, 1200, kRow3},
    {KeyFrame::Frame4, 1680, kRow4},
    {KeyFrame::Frame4, 2160, kRow5},
    {KeyFrame::Frame4, 2640, kRow6},
}};

constexpr int16_t kStripTop = 240;

int16_t ToWholePixels(int twips) {
    return static_cast<int16_t>(Px(twips) * kTwipsPerPixel);
}

void PlaceStrip(const Strip& strip, std::array<KeyButton, kKeyButtons>& out, std::size_t& n) {
    int used = 0;
    for (const RowKey& key : strip.keys) {
        used += key.width;
    }
    const int count = static_cast<int>(strip.keys.size());
    const int gap = ToWholePixels((strip.frameWidth - used) / (count + 1));
    int left = ToWholePixels((strip.frameWidth - used - (count - 1) * gap) / 2);
    for (const RowKey& key : strip.keys) {
        out[n++] = {key.code,  key.caption, strip.frame, static_cast<int16_t>(left),
                    kStripTop, key.width,   key.height,  true};
        left += key.width + gap;
    }
}

void PlaceRow(const Row& row, std::array<KeyButton, kKeyButtons>& out, std::size_t& n) {
    int left = 0;
    for (const RowKey& key : row.keys) {
        if (key.left != kNext) {
            left = key.left;
        }
        out[n++] = {key.code, key.caption, row.frame,  static_cast<int16_t>(left),
                    row.top,  key.width,   key.height, key.smallFont};
        left += key.width;
    }
}

std::array<KeyButton, kKeyButtons> PlaceAll() {
    std::array<KeyButton, kKeyButtons> buttons{};
    std::size_t n = 0;
    for (const Strip& strip : kStrips) {
        PlaceStrip(strip, buttons, n);
    }
    for (const Row& row : kKeyboard) {
        PlaceRow(row, buttons, n);
    }
    return buttons;
}

std::array<const char*, 256> CaptionsByCode() {
    std::array<const char*, 256> captions{};
    for (const KeyButton& button : KeyButtons()) {
        captions[static_cast<std::size_t>(button.code)] = button.caption;
    }
    return captions;
}

}  // namespace

std::span<const KeyButton> KeyButtons() {
    static const std::array<KeyButton, kKeyButtons> buttons = PlaceAll();
    return buttons;
}

const char* KeyButtonCaption(int32_t code) {
    static const std::array<const char*, 256> captions = CaptionsByCode();
    if (code < 0 || code > 255) {
        return nullptr;
    }
    return captions[static_cast<std::size_t>(code)];
}

std::string StepCaption(int32_t code) {
    if (const char* caption = KeyButtonCaption(code)) {
        return caption;
    }
    return Concat({"<", std::to_string(code), ">"});
}

}  // namespace qv
