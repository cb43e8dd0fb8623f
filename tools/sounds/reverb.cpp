// Reverb in the Schroeder manner: combs set the decay, all-passes thicken the echoes into a wash.
#include "reverb.h"

#include <array>
#include <cmath>
#include <vector>

namespace sounds {
namespace {

// Mutually prime delays in samples, so echoes of different combs rarely coincide.
constexpr std::array<std::size_t, 6> kCombDelays{557, 593, 641, 677, 709, 743};
constexpr std::array<std::size_t, 3> kAllPassDelays{277, 219, 171};
constexpr double kAllPassFeedback = 0.5;

// A feedback comb with a one-pole low-pass in its loop.
class DampedComb {
  public:
    DampedComb(std::size_t delay, double feedback, double damping)
        : line_(delay, 0.0), feedback_(feedback), damping_(damping) {}

    double Process(double input) {
        double output = line_[position_];
        filtered_ = output * (1 - damping_) + filtered_ * damping_;
        line_[position_] = input + filtered_ * feedback_;
        position_ = (position_ + 1) % line_.size();
        return output;
    }

  private:
    std::vector<double> line_;
    double feedback_;
    double damping_;
    double filtered_ = 0;
    std::size_t position_ = 0;
};

class AllPass {
  public:
    explicit AllPass(std::size_t delay) : line_(delay, 0.0) {}

    double Process(double input) {
        double delayed = line_[position_];
        double output = delayed - input;
        line_[position_] = input + delayed * kAllPassFeedback;
        position_ = (position_ + 1) % line_.size();
        return output;
    }

  private:
    std::vector<double> line_;
    std::size_t position_ = 0;
};

}  // namespace

Signal Reverb(const Signal &dry, const Room &room) {
    std::vector<DampedComb> combs;
    for (std::size_t delay : kCombDelays) {
        double feedback = std::pow(10.0, -3.0 * delay / (room.decaySeconds * kSampleRate));
        combs.emplace_back(delay, feedback, room.damping);
    }
    std::vector<AllPass> allPasses(kAllPassDelays.begin(), kAllPassDelays.end());
    Signal output(dry.size() + SamplesFor(room.decaySeconds), 0.0);
    double combGain = 1.0 / static_cast<double>(combs.size());
    for (std::size_t i = 0; i < output.size(); ++i) {
        double input = i < dry.size() ? dry[i] : 0.0;
        double wash = 0;
        for (DampedComb &comb : combs) wash += comb.Process(input);
        wash *= combGain;
        for (AllPass &allPass : allPasses) wash = allPass.Process(wash);
        output[i] = input + room.wet * wash;
    }
    return output;
}

}  // namespace sounds
