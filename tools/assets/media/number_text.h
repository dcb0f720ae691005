// A decimal number written as text in the media descriptions, read whole or not at all.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <string>

namespace gorvo::media {

inline bool to_number(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtod(text.c_str(), &end);
    return errno == 0 && end == text.c_str() + text.size();
}

}  // namespace gorvo::media
