#pragma once

#include <cstdint>

// A small seeded generator (SplitMix64) for the scattered details of the
// artwork. Its sequence is fixed by its seed on every platform and library,
// which the standard distributions do not promise, so the artwork comes out
// byte for byte the same on every build.
class ArtworkRandom {
public:
    explicit ArtworkRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [low, high).
    double Uniform(double low, double high)
    {
        return low + (high - low) * static_cast<double>(Next() >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t state_;
};

// A value in [-1, 1] that depends only on the pixel position: film grain that
// needs no state and gives the same picture whatever order pixels are visited.
inline double GrainAt(std::uint32_t x, std::uint32_t y, std::uint32_t salt)
{
    std::uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ salt * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<double>(h) / 2147483647.5 - 1.0;
}
