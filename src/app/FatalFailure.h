#pragma once

#include <string>

namespace qv {

// Tells a failure the program cannot live with, in its own words: one line on stderr for the
// terminal and the journal, then a message box for the user. Answers the exit status.
int TellFatalFailure(const std::string& why);

}  // namespace qv
