#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "profiles/ProfileReader.h"

namespace qv::test {

// Profile text from values, one CR LF line each.
inline std::string Lines(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) {
        text += std::to_string(value) + "\r\n";
    }
    return text;
}

// Items 1 to 12 of a plain profile.
inline std::string Head() {
    return Lines({-512, 512, -512, 512, -512, 512, 100, 100, 0, 0, 1, 450});
}

// `count` blocks of empty slots with empty labels.
inline std::string EmptyBlocks(int count) {
    std::string text;
    for (int block = 0; block < count; ++block) {
        text += Lines({0, 0, 0});
    }
    return text;
}

// The profile that `text` holds; a failed read fails the test and gives an empty profile.
inline Profile ReadValid(const std::string& text) {
    ProfileReadResult result = ReadProfile(text);
    EXPECT_TRUE(result.profile) << result.error.Message();
    if (!result.profile) {
        // Not `return {};`: clang 14 crashes generating a value-initialised Profile.
        Profile empty;
        return empty;
    }
    return std::move(*result.profile);
}

}  // namespace qv::test
