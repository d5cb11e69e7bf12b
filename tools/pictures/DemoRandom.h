#pragma once

#include <cmath>
#include <cstdint>

// SplitMix64 with its own conversions to ranges: the standard distributions
// give different numbers on different library versions, and the demo folder
// must come out byte for byte the same wherever it is built.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

    // An independent stream for one purpose of one picture, e.g. (seed, view, 7).
    static DemoRandom For(std::uint64_t a, std::uint64_t b, std::uint64_t c = 0)
    {
        DemoRandom mix(0x5eed5eed5eedULL ^ (a * 0x9E3779B97F4A7C15ULL));
        mix.state_ ^= mix.Next() + b * 0xD1B54A32D192ED03ULL;
        mix.state_ ^= mix.Next() + c * 0x8CB92BA72F3D8DD7ULL;
        return DemoRandom(mix.Next());
    }

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // [0, 1) with 53 random bits.
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Symmetric spread around zero: [-amount, amount).
    double Spread(double amount) { return Range(-amount, amount); }
    // 0 .. n-1; n must be positive. The modulo bias is far below anything visible.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool Chance(double p) { return Unit() < p; }
    // Roughly normal (sum of four uniforms), mean 0, standard deviation about 1.
    double Bell()
    {
        return (Unit() + Unit() + Unit() + Unit() - 2.0) * 1.7320508075688772;
    }

private:
    std::uint64_t state_;
};
