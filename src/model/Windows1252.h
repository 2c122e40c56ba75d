#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The UTF-8 text of Windows-1252 codes. The five codes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so they survive a
// round trip.
std::string Windows1252ToUtf8(std::string_view codes);

// The Windows-1252 codes of UTF-8 text; nothing when the text is not valid UTF-8 or holds a
// character outside the code page (NUL included, which would end a label early).
std::optional<std::string> Utf8ToWindows1252(std::string_view text);

// Whether a label may hold `c`: the code page has a code for it, and it is not NUL.
bool Windows1252Holds(char32_t c);

}  // namespace qv
