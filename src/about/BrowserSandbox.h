#pragma once

#include <string>

namespace qv {

// What decides whether the browser can run its sandbox.
struct SandboxFacts {
    bool root = false;
    // Whether this process may make user namespaces, which the sandbox needs without root.
    bool userNamespaces = true;
    // Whether the user already switched the sandbox off.
    bool alreadyOff = false;
};

// Why the sandbox must be switched off for the browser to start at all, or "" when it needn't
// be (it can run, or it is off already). The browser refuses to start as root with it, and
// ends the whole process when it cannot set it up.
std::string SandboxOffReason(const SandboxFacts& facts);

SandboxFacts CurrentSandboxFacts();

// Switches the sandbox off, when it must be, before the web engine starts, and says so in one
// line on stderr.
void SettleBrowserSandbox();

}  // namespace qv
