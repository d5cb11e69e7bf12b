#include "SeedLooks.h"

namespace {

// Fields in declaration order: shape, length, width, headQ, tailQ, headPower,
// tailPower, taper, bend, lumps, sizeSpread, body, mark, hueSpread, satSpread,
// valueSpread, gloss, relief, maxTilt, marks, scar, ownScar.
const std::array<SeedLook, SeedCount> Looks = {{
    // 0 broad bean: large, flat, oblong with squarish ends, black scar across one end
    {.length = 14.5, .width = 10.5, .headQ = 0.42, .tailQ = 0.42, .headPower = 2.8, .tailPower = 2.8,
     .bend = 0.03, .lumps = 0.03, .body = {166, 126, 84}, .mark = {28, 22, 18}, .hueSpread = 5,
     .valueSpread = 0.10, .gloss = 0.15, .relief = 0.45, .marks = MarkHilumEnd | MarkWrinkles},
    // 1 chickpea, ram's head type
    {.shape = SeedShape::RamHead, .length = 9.5, .width = 8.4, .lumps = 0.03, .body = {216, 182, 130},
     .mark = {150, 112, 66}, .valueSpread = 0.06, .gloss = 0.05, .relief = 0.9,
     .marks = MarkDimples | MarkFurrow},
    // 2 sweet sorghum: small glossy red-brown ball, dark glumes at the base
    {.length = 4.4, .width = 3.9, .headQ = 0.5, .tailQ = 0.56, .taper = 0.05, .body = {164, 82, 46},
     .mark = {42, 28, 22}, .hueSpread = 6, .valueSpread = 0.12, .gloss = 0.45, .relief = 0.8,
     .marks = MarkGlumes | MarkGerm},
    // 3 lentil: khaki lens with fine darker dots
    {.length = 6.2, .width = 6.0, .headPower = 2.2, .tailPower = 2.2, .body = {152, 142, 90},
     .mark = {98, 88, 52}, .hueSpread = 6, .valueSpread = 0.10, .gloss = 0.10, .relief = 0.35,
     .maxTilt = 0.45, .marks = MarkSpeckles | MarkRim},
    // 4 hulled lentil: orange-red lens
    {.length = 5.0, .width = 4.9, .headPower = 2.2, .tailPower = 2.2, .body = {232, 112, 58},
     .mark = {250, 160, 112}, .hueSpread = 4, .valueSpread = 0.06, .gloss = 0.15, .relief = 0.4,
     .maxTilt = 0.45, .marks = MarkRim},
    // 5 common bean: kidney, cream with wine-red streaks, pale hilum on the inner curve
    {.length = 13.0, .width = 7.8, .headQ = 0.52, .tailQ = 0.5, .taper = 0.05, .bend = 0.16,
     .body = {224, 198, 172}, .mark = {140, 46, 52}, .valueSpread = 0.06, .gloss = 0.3,
     .relief = 0.8, .marks = MarkStreaks | MarkHilum, .scar = {244, 238, 226}, .ownScar = true},
    // 6 marrowfat pea: wrinkled, dimpled, olive green
    {.length = 8.0, .width = 7.4, .lumps = 0.10, .body = {124, 146, 82}, .mark = {84, 104, 56},
     .hueSpread = 5, .valueSpread = 0.08, .gloss = 0.05, .relief = 0.9, .marks = MarkDimples | MarkHilum},
    // 7 green field pea: smooth round
    {.length = 7.4, .width = 7.1, .lumps = 0.035, .body = {128, 168, 92}, .mark = {206, 214, 168},
     .hueSpread = 4, .valueSpread = 0.07, .gloss = 0.25, .relief = 1.0, .marks = MarkHilum},
    // 8 yellow field pea: smooth round
    {.length = 7.4, .width = 7.1, .lumps = 0.035, .body = {228, 198, 112}, .mark = {186, 150, 84},
     .hueSpread = 3, .valueSpread = 0.06, .gloss = 0.2, .relief = 1.0, .marks = MarkHilum},
    // 9 field pea (peluška): smaller, grey-brown, dark speckled, a little angular
    {.length = 5.6, .width = 5.3, .lumps = 0.08, .body = {130, 114, 88}, .mark = {58, 46, 38},
     .hueSpread = 6, .valueSpread = 0.10, .gloss = 0.12, .relief = 0.9, .marks = MarkSpeckles | MarkHilum},
    // 10 two-row barley: symmetric hulled grain with pointed ends and husk nerves
    {.length = 9.2, .width = 3.9, .headQ = 0.85, .tailQ = 0.75, .body = {214, 186, 122},
     .mark = {156, 128, 74}, .hueSpread = 3, .valueSpread = 0.06, .gloss = 0.15, .relief = 0.7,
     .marks = MarkHuskLines},
    // 11 six-row barley: like it, but the side grains are bent and twisted
    {.length = 8.6, .width = 3.7, .headQ = 0.85, .tailQ = 0.75, .bend = 0.09, .sizeSpread = 0.12,
     .body = {204, 182, 130}, .mark = {148, 124, 76}, .hueSpread = 3, .valueSpread = 0.07,
     .gloss = 0.15, .relief = 0.7, .marks = MarkHuskLines},
    // 12 dent maize: wedge with a flat, pale, dented crown
    {.length = 11.5, .width = 8.0, .headQ = 0.3, .tailQ = 0.45, .headPower = 5, .taper = 0.25,
     .body = {236, 184, 60}, .mark = {248, 234, 180}, .hueSpread = 3, .valueSpread = 0.06,
     .gloss = 0.2, .relief = 0.55, .marks = MarkDent | MarkKernelGerm},
    // 13 flint maize: rounded, glassy orange
    {.length = 9.5, .width = 8.8, .headQ = 0.5, .tailQ = 0.65, .taper = 0.3, .body = {222, 126, 40},
     .mark = {246, 192, 112}, .hueSpread = 4, .valueSpread = 0.07, .gloss = 0.65, .relief = 0.7,
     .marks = MarkKernelGerm},
    // 14 popcorn: small pointed glossy kernel
    {.length = 7.8, .width = 5.2, .headQ = 0.95, .tailQ = 0.6, .taper = 0.15, .body = {240, 210, 112},
     .mark = {252, 236, 184}, .hueSpread = 3, .valueSpread = 0.06, .gloss = 0.7, .relief = 0.8,
     .marks = MarkKernelGerm},
    // 15 amaranth: tiny shiny pale-gold lens with a light rim
    {.length = 1.3, .width = 1.2, .body = {222, 194, 138}, .mark = {242, 226, 186}, .hueSpread = 4,
     .valueSpread = 0.08, .gloss = 0.85, .relief = 0.6, .maxTilt = 0.35, .marks = MarkRim},
    // 16 white lupin: flat, squarish round, creamy, notch with the hilum
    {.length = 10.0, .width = 9.0, .headQ = 0.42, .tailQ = 0.42, .headPower = 2.8, .tailPower = 2.8,
     .body = {232, 222, 192}, .mark = {150, 118, 78}, .valueSpread = 0.05, .gloss = 0.2,
     .relief = 0.45, .marks = MarkHilumNotch},
    // 17 hulled oats: long slender husk with a fine pointed tip
    {.length = 12.5, .width = 3.3, .headQ = 1.15, .tailQ = 0.7, .taper = -0.15, .body = {226, 206, 150},
     .mark = {172, 148, 94}, .hueSpread = 3, .valueSpread = 0.05, .gloss = 0.3, .relief = 0.5,
     .marks = MarkHuskLines},
    // 18 naked oats: slender hairy groat
    {.length = 7.8, .width = 2.6, .headQ = 0.7, .tailQ = 0.65, .body = {212, 188, 134},
     .mark = {148, 122, 78}, .hueSpread = 3, .valueSpread = 0.06, .gloss = 0.05, .relief = 0.7,
     .marks = MarkCrease | MarkBrush | MarkHairs},
    // 19 buckwheat: three-sided, pointed, dark grey-brown
    {.length = 6.0, .width = 4.6, .headQ = 1.0, .tailQ = 0.35, .taper = -0.25, .body = {92, 74, 60},
     .mark = {58, 44, 36}, .hueSpread = 6, .valueSpread = 0.10, .gloss = 0.35, .relief = 0.6,
     .marks = MarkFacets},
    // 20 proso millet: small glossy cream-yellow egg
    {.length = 2.9, .width = 2.3, .tailQ = 0.56, .taper = 0.05, .body = {232, 200, 116},
     .mark = {196, 156, 80}, .hueSpread = 4, .valueSpread = 0.06, .gloss = 0.75, .relief = 0.85,
     .marks = MarkGerm},
    // 21 grey millet: the same, grey
    {.length = 2.9, .width = 2.3, .tailQ = 0.56, .taper = 0.05, .body = {152, 150, 138},
     .mark = {108, 106, 96}, .hueSpread = 4, .satSpread = 0.03, .valueSpread = 0.07, .gloss = 0.7,
     .relief = 0.85, .marks = MarkGerm},
    // 22 wheat: plump red-golden grain with a crease and a brush
    {.length = 6.6, .width = 3.6, .headQ = 0.55, .tailQ = 0.62, .taper = 0.08, .body = {192, 132, 72},
     .mark = {118, 74, 40}, .hueSpread = 4, .valueSpread = 0.07, .gloss = 0.12, .relief = 0.9,
     .marks = MarkCrease | MarkGerm | MarkBrush},
    // 23 rice: slender translucent white grain, chalky spot
    {.length = 6.6, .width = 2.5, .headQ = 0.45, .tailQ = 0.45, .headPower = 2.2, .tailPower = 2.2,
     .body = {234, 232, 222}, .mark = {252, 252, 248}, .hueSpread = 3, .valueSpread = 0.03,
     .gloss = 0.5, .relief = 0.35, .marks = MarkChalk},
    // 24 sesame: small flat pale drop with a rim
    {.length = 3.3, .width = 2.0, .headQ = 0.5, .tailQ = 0.85, .taper = 0.1, .body = {236, 222, 186},
     .mark = {200, 182, 144}, .hueSpread = 3, .valueSpread = 0.05, .gloss = 0.15, .relief = 0.35,
     .maxTilt = 0.3, .marks = MarkRim},
    // 25 soya: yellow ball with a brown hilum
    {.length = 7.2, .width = 6.5, .lumps = 0.03, .body = {228, 198, 122}, .mark = {124, 82, 48},
     .hueSpread = 3, .valueSpread = 0.06, .gloss = 0.3, .relief = 1.0, .marks = MarkHilum},
    // 26 triticale: long, wrinkled, grey-red grain with a crease
    {.length = 8.0, .width = 3.5, .headQ = 0.6, .tailQ = 0.7, .sizeSpread = 0.1, .body = {180, 128, 88},
     .mark = {112, 74, 46}, .hueSpread = 5, .valueSpread = 0.08, .gloss = 0.08, .relief = 0.85,
     .marks = MarkCrease | MarkGerm | MarkWrinkles | MarkBrush},
    // 27 common vetch: small flattened dark mottled ball
    {.length = 4.6, .width = 4.3, .lumps = 0.05, .body = {78, 66, 56}, .mark = {134, 116, 94},
     .hueSpread = 8, .valueSpread = 0.12, .gloss = 0.3, .relief = 0.7, .maxTilt = 0.3,
     .marks = MarkSpeckles | MarkHilum},
    // 28 rye: slender grey-green grain, blunt end, crease
    {.length = 7.6, .width = 2.7, .headQ = 0.5, .tailQ = 0.62, .headPower = 2.2, .taper = 0.05, .sizeSpread = 0.1,
     .body = {142, 142, 102}, .mark = {92, 92, 64}, .hueSpread = 14, .valueSpread = 0.10,
     .gloss = 0.15, .relief = 0.8, .marks = MarkCrease | MarkBrush | MarkGerm},
    // 29 camelina: tiny oblong orange-brown seed with a groove
    {.length = 1.9, .width = 1.05, .headQ = 0.55, .tailQ = 0.6, .body = {190, 118, 48},
     .mark = {132, 76, 28}, .hueSpread = 5, .valueSpread = 0.08, .gloss = 0.3, .relief = 0.7,
     .marks = MarkGroove},
    // 30 rape: small dark ball with a fine net
    {.length = 2.0, .width = 1.95, .lumps = 0.04, .body = {64, 44, 38}, .mark = {36, 26, 24},
     .hueSpread = 6, .valueSpread = 0.12, .gloss = 0.45, .relief = 1.0, .marks = MarkNet},
    // 31 safflower: white, hard, angular, truncated top
    {.length = 7.6, .width = 4.6, .headQ = 0.3, .tailQ = 0.8, .headPower = 4, .taper = 0.3,
     .body = {240, 236, 224}, .mark = {196, 190, 174}, .hueSpread = 3, .valueSpread = 0.03,
     .gloss = 0.65, .relief = 0.55, .marks = MarkRidges},
    // 32 white mustard: small pale yellow ball
    {.length = 2.3, .width = 2.2, .lumps = 0.03, .body = {230, 204, 140}, .mark = {196, 166, 108},
     .hueSpread = 3, .valueSpread = 0.06, .gloss = 0.15, .relief = 0.9, .marks = MarkHilum},
    // 33 flax: flat glossy brown drop with a bent beak
    {.length = 4.6, .width = 2.4, .headQ = 0.5, .tailQ = 0.95, .taper = 0.1, .bend = 0.1,
     .body = {150, 84, 40}, .mark = {106, 58, 26}, .hueSpread = 4, .valueSpread = 0.08, .gloss = 1.0,
     .relief = 0.45},
    // 34 poppy: tiny blue-grey kidney with a net
    {.length = 1.15, .width = 0.95, .bend = 0.12, .body = {118, 128, 150}, .mark = {86, 94, 116},
     .hueSpread = 5, .valueSpread = 0.08, .gloss = 0.15, .relief = 0.7, .marks = MarkNet},
    // 35 oil radish: irregular light red-brown seed
    {.length = 3.6, .width = 3.0, .headQ = 0.55, .tailQ = 0.55, .lumps = 0.13, .body = {172, 122, 84},
     .mark = {126, 84, 56}, .hueSpread = 6, .valueSpread = 0.10, .gloss = 0.1, .relief = 0.8,
     .marks = MarkNet | MarkHilum},
    // 36 sunflower: flat black drop with grey-white stripes
    {.length = 11.0, .width = 5.6, .headQ = 0.5, .tailQ = 0.9, .taper = 0.12, .body = {38, 36, 36},
     .mark = {206, 206, 200}, .hueSpread = 2, .satSpread = 0.02, .valueSpread = 0.05, .gloss = 0.35,
     .relief = 0.45, .marks = MarkStripes},
    // 37 hemp: glossy grey-green egg with a dark net of veins
    {.length = 4.3, .width = 3.5, .headQ = 0.55, .tailQ = 0.6, .taper = 0.05, .body = {150, 152, 114},
     .mark = {82, 84, 58}, .hueSpread = 5, .valueSpread = 0.07, .gloss = 0.65, .relief = 0.85,
     .marks = MarkVeins},
    // 38 crambe: ball in a ribbed husk with a stalk stub
    {.length = 3.8, .width = 3.6, .lumps = 0.03, .body = {178, 166, 118}, .mark = {118, 108, 72},
     .hueSpread = 5, .valueSpread = 0.08, .gloss = 0.05, .relief = 0.8, .marks = MarkRibs | MarkStub},
}};

} // namespace

const std::array<SeedLook, SeedCount>& SeedLooks()
{
    return Looks;
}
