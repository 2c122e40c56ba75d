#pragma once

#include <string>

namespace qv {

// The start-up failure without the controller. The line breaks are carriage returns; a
// message box shows them as line breaks, a terminal needs StartupFailureLines.
inline constexpr const char* kInitErrorTitle = "Quorvane Initialization Error";
inline constexpr const char* kInitErrorText =
    "Unable to open Strategic Commander device\r\r"
    "Please remove and re-insert Strategic Commander\r"
    "and run 'Quorvane' to try again.";

// The start-up failure's text: for a controller whose node the user may not open, what gives
// access; without a node, the controller is missing.
std::string StartupFailureText(const std::string& deniedNode);

// Title and text as plain lines with line feeds, for stderr.
std::string StartupFailureLines(const std::string& text = kInitErrorText);

}  // namespace qv
