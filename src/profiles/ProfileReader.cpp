#include "profiles/ProfileReader.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <system_error>

#include "model/Windows1252.h"

namespace qv {

namespace {

// Ends a read at the first fault; caught in ReadProfile.
struct Refusal {
    int line;
    std::string what;
};

std::string SlotText(int mode, int slot) {
    return "mode " + std::to_string(mode) + ", slot " + std::to_string(slot);
}

class LineReader final {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // Empty lines at the very end are the end too: an editor's or a mailer's trailing line must
    // not refuse an old profile that ends before its optional items.
    bool AtEnd() const { return text_.find_first_not_of("\r\n", pos_) == std::string_view::npos; }
    int Line() const { return line_; }

    // The next line without its LF or CR LF; nothing at the end of the text.
    std::optional<std::string_view> Next() {
        if (AtEnd()) {
            return std::nullopt;
        }
        const size_t end = std::min(text_.find('\n', pos_), text_.size());
        std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++line_;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return line;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 0;
};

class Reader final {
public:
    explicit Reader(std::string_view text) : lines_(text) {}

    Profile Read() {
        Profile profile;
        for (const ProfileItem& item : ProfileItems()) {
            if (item.item == Item::Blocks) {
                for (int mode = 0; mode < kModes; ++mode) {
                    for (int slot = 0; slot < kSlots; ++slot) {
                        profile.blocks[mode][slot] = Block(mode, slot);
                    }
                }
            } else if (!item.whenAbsent || !lines_.AtEnd()) {
                const int value = Ranged(item.name, item.low, item.high);
                if (item.limit != nullptr) {
                    profile.limits.*item.limit = static_cast<int16_t>(value);
                } else {
                    profile.*item.value = value;
                }
            }
        }
        return profile;
    }

private:
    int16_t Value(const std::string& expected) {
        const std::optional<std::string_view> line = lines_.Next();
        if (!line) {
            throw Refusal{lines_.Line() + 1, "the file ends before " + expected};
        }
        if (line->empty()) {
            throw Refusal{lines_.Line(), "an empty line where a number belongs"};
        }
        // from_chars takes a minus sign but neither a plus sign nor blanks, as the format wants.
        int64_t value = 0;
        const char* end = line->data() + line->size();
        const auto [stop, error] = std::from_chars(line->data(), end, value);
        if (error == std::errc::result_out_of_range ||
            (error == std::errc{} && stop == end && (value < INT16_MIN || value > INT16_MAX))) {
            throw Refusal{lines_.Line(), "a number outside -32768..32767"};
        }
        if (error != std::errc{} || stop != end) {
            throw Refusal{lines_.Line(), "not a decimal integer"};
        }
        return static_cast<int16_t>(value);
    }

    int Ranged(const std::string& name, int low, int high) {
        const int value = Value(name);
        if (value < low || value > high) {
            throw Refusal{lines_.Line(), name + " must lie within " + std::to_string(low) + ".." +
                                             std::to_string(high) + ", not " +
                                             std::to_string(value)};
        }
        return value;
    }

    ProfileBlock Block(int mode, int slot) {
        ProfileBlock block;
        const std::string keys = "the key list of " + SlotText(mode, slot) + " is complete";
        for (int step = 0;; ++step) {
            if (step == kMaxKeyListValues) {
                throw Refusal{lines_.Line() + 1,
                              "a key list of more than 255 values (" + SlotText(mode, slot) + ")"};
            }
            const int value = Value(keys);
            if (value == INT16_MIN) {
                throw Refusal{lines_.Line(), "-32768 in a key list (" + SlotText(mode, slot) + ")"};
            }
            block.steps.push_back({value < 0 ? -value : value, value < 0});
            if (step >= 1 && value == 0) {
                break;
            }
        }
        const std::string label = "the label of " + SlotText(mode, slot) + " is complete";
        std::string codes;
        for (int value = Value(label); value != 0; value = Value(label)) {
            if (value > 255) {
                throw Refusal{lines_.Line(),
                              "a label value above 255 (" + SlotText(mode, slot) + ")"};
            }
            if (value > 0) {
                codes += static_cast<char>(value);
            }
        }
        block.label = Windows1252ToUtf8(codes);
        return block;
    }

    LineReader lines_;
};

}  // namespace

std::string ProfileError::Message() const {
    return line > 0 ? "line " + std::to_string(line) + ": " + what : what;
}

ProfileReadResult ReadProfile(std::string_view text) {
    try {
        return {Reader(text).Read(), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, {refusal.line, refusal.what}};
    }
}

ProfileReadResult ReadProfileFile(const std::filesystem::path& path) {
    const auto close = [](std::FILE* file) { std::fclose(file); };
    const std::unique_ptr<std::FILE, decltype(close)> file(std::fopen(path.c_str(), "rb"), close);
    if (!file) {
        return {std::nullopt, {0, "can't be opened: " + std::generic_category().message(errno)}};
    }
    std::string text;
    char buffer[4096];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, count);
    }
    if (std::ferror(file.get())) {
        return {std::nullopt, {0, "can't be read: " + std::generic_category().message(errno)}};
    }
    return ReadProfile(text);
}

}  // namespace qv
