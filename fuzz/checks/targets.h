// The readers that take outside input, each with the checks that tell a fault from a plain
// refusal. One table serves the fuzzer programs and the regression tests that replay what the
// fuzzers found, so both judge an input the same way.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "skin/pictures.h"

namespace gorvo::fuzz {

using Input = std::span<const std::uint8_t>;

// Empty when the reader behaved on the input; otherwise what it did wrong.
using Check = std::string (*)(Input);

struct Target {
    std::string_view name;
    Check check;
};

std::span<const Target> targets();
// Null for an unknown name.
const Target* find_target(std::string_view name);

std::string check_png(Input input);
std::string check_jpeg(Input input);
std::string check_bmp(Input input);
std::string check_ico(Input input);
std::string check_profile(Input input);
std::string check_script(Input input);
std::string check_replay(Input input);

// What is wrong with one decoder result: a refusal needs a reason, a picture must have a size
// within the limits, exactly its pixels' bytes, and opaque pixels when it claims no alpha.
std::string picture_result_problem(const skin::DecodeResult& result);

}  // namespace gorvo::fuzz
