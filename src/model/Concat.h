#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qv {

// The pieces one after the other. Text that starts with a literal is built here rather than
// with "literal" + std::string, on which GCC 12 at -O3 warns falsely (-Wrestrict).
inline std::string Concat(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

}  // namespace qv
