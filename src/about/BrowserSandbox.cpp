#include "about/BrowserSandbox.h"

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string_view>

namespace qv {

namespace {

constexpr char kFlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr char kNoSandbox[] = "--no-sandbox";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Tried in a child, so that this process stays in its own namespaces.
bool CanMakeUserNamespaces() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(unshare(CLONE_NEWUSER | CLONE_NEWPID | CLONE_NEWNET) == 0 ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace

std::string SandboxOffReason(const SandboxFacts& facts) {
    if (facts.alreadyOff) {
        return {};
    }
    if (facts.root) {
        return "the program runs as root";
    }
    if (!facts.userNamespaces) {
        return "this system lets the program make no user namespaces";
    }
    return {};
}

SandboxFacts CurrentSandboxFacts() {
    SandboxFacts facts;
    facts.root = geteuid() == 0;
    facts.alreadyOff = !Environment("QTWEBENGINE_DISABLE_SANDBOX").empty() ||
                       Environment(kFlagsVariable).find(kNoSandbox) != std::string::npos;
    facts.userNamespaces = facts.root || facts.alreadyOff || CanMakeUserNamespaces();
    return facts;
}

void SettleBrowserSandbox() {
    const std::string why = SandboxOffReason(CurrentSandboxFacts());
    if (why.empty()) {
        return;
    }
    std::string flags = Environment(kFlagsVariable);
    flags += flags.empty() ? kNoSandbox : std::string(" ") + kNoSandbox;
    setenv(kFlagsVariable, flags.c_str(), 1);
    std::cerr << "Quorvane: web pages open without the browser's sandbox, as " << why << "."
              << std::endl;
}

}  // namespace qv
