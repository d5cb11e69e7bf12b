#pragma once

#include <array>
#include <cstdint>

#include "SeedCatalogue.h"

// How each seed of the catalogue is drawn in the demo pictures: outline, size,
// colour and its spread, and the marks on its surface. Sizes are millimetres of
// the real seed, so pictures drawn at one scale show the seeds' true relations.

enum class SeedShape : std::uint8_t {
    Profile, ///< outline from the half-width profile below
    RamHead, ///< chickpea: a lumpy ball with a beak
};

// Surface marks; a seed may carry several.
enum SeedMark : std::uint32_t {
    MarkCrease = 1u << 0,     ///< groove along the belly (wheat, rye), seen on half the grains
    MarkGerm = 1u << 1,       ///< embryo patch at the base, on the other half
    MarkBrush = 1u << 2,      ///< tuft of hairs at the tip
    MarkHuskLines = 1u << 3,  ///< longitudinal nerves of a husk
    MarkStripes = 1u << 4,    ///< light stripes along a dark hull (sunflower)
    MarkHilum = 1u << 5,      ///< oval scar on the side (peas, soya, beans)
    MarkHilumEnd = 1u << 6,   ///< black scar across one end (broad bean)
    MarkHilumNotch = 1u << 7, ///< small notch with a dark scar at the rim (lupin)
    MarkSpeckles = 1u << 8,   ///< small dots of the mark colour
    MarkStreaks = 1u << 9,    ///< elongated blotches (speckled beans)
    MarkVeins = 1u << 10,     ///< net of dark veins (hemp)
    MarkDimples = 1u << 11,   ///< wrinkled, dimpled skin
    MarkFurrow = 1u << 12,    ///< deep curved furrow (chickpea)
    MarkFacets = 1u << 13,    ///< three-sided: a ridge with one shaded face (buckwheat)
    MarkRibs = 1u << 14,      ///< meridian ribs of a round husk (crambe)
    MarkStub = 1u << 15,      ///< stalk stub at the base
    MarkDent = 1u << 16,      ///< soft pale crown with a dent (dent maize)
    MarkKernelGerm = 1u << 17,///< maize embryo on the face, seen on half the kernels
    MarkRim = 1u << 18,       ///< ring along the edge of a flat seed
    MarkNet = 1u << 19,       ///< fine honeycomb surface (poppy, rape)
    MarkGroove = 1u << 20,    ///< one groove along the side (camelina)
    MarkChalk = 1u << 21,     ///< chalky white spot in a translucent grain (rice)
    MarkGlumes = 1u << 22,    ///< dark glumes clasping the base (sorghum)
    MarkHairs = 1u << 23,     ///< fine hairs over the surface (naked oats)
    MarkWrinkles = 1u << 24,  ///< shallow longitudinal wrinkles
    MarkRidges = 1u << 25,    ///< fine longitudinal ridges on a hard hull (safflower)
};

struct Rgb {
    std::uint8_t r, g, b;
};

struct SeedLook {
    SeedShape shape = SeedShape::Profile;
    double length = 5;  ///< mm along the long axis
    double width = 3;   ///< mm across, seen flat
    // Half width at position u in [-1, 1] along the length, in units of width / 2:
    // (1 - |u|^power)^q, with head values for u > 0 and tail values for u < 0,
    // times (1 + taper * u); bend lifts the middle by bend * width (kidney, twist).
    double headQ = 0.5;
    double tailQ = 0.5;
    double headPower = 2;
    double tailPower = 2;
    double taper = 0;
    double bend = 0;
    double lumps = 0.02;      ///< random lumpiness of the outline, relative
    double sizeSpread = 0.08; ///< relative size variation between seeds
    Rgb body{};
    Rgb mark{};
    double hueSpread = 3;     ///< degrees
    double satSpread = 0.05;
    double valueSpread = 0.06;
    double gloss = 0.2;       ///< 0 matte .. 1 shiny
    double relief = 0.7;      ///< 0 flat .. 1 fully rounded
    double maxTilt = 0;       ///< up to this fraction of flat seeds lie on edge (lenses)
    std::uint32_t marks = 0;
    Rgb scar{};               ///< hilum colour when it differs from the mark colour
    bool ownScar = false;
};

const std::array<SeedLook, SeedCount>& SeedLooks();
