// Random draws given on the command line as a list (the seeded ones come from the program's
// own generator, replay/generator.h).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports.h"

namespace gorvo::sim {

struct DrawsParse {
    std::vector<std::string> values;  // decimal digits, any length
    std::string error;                // empty when the text is valid
    bool ok() const { return error.empty(); }
};

// Whitespace-separated non-negative integers (ASCII digits only).
DrawsParse parse_draws(std::string_view text);

// Thrown by ListedDraws when the game asks for one draw more than the list holds; the
// simulator catches it and stops the run.
class DrawsExhausted : public std::runtime_error {
  public:
    DrawsExhausted() : std::runtime_error("the random draws ran out") {}
};

// The k-th draw with argument n yields the k-th value modulo n.
class ListedDraws : public RandomSource {
  public:
    explicit ListedDraws(std::vector<std::string> values) : values_(std::move(values)) {}
    int draw(int n) override;
    std::size_t used() const { return next_; }

  private:
    std::vector<std::string> values_;
    std::size_t next_ = 0;
};

// A decimal number of any length modulo n (n >= 1).
int decimal_mod(std::string_view digits, int n);

}  // namespace gorvo::sim
