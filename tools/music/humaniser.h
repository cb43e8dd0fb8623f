// A small seeded generator that varies velocities a little, the same way on every run.
#pragma once

#include <cstdint>
#include <string_view>

namespace music {

class Humaniser {
  public:
    // The same seed text always gives the same sequence.
    explicit Humaniser(std::string_view seed);

    // A whole number in -spread..spread.
    int Vary(int spread);

  private:
    std::uint32_t state_;
};

}  // namespace music
