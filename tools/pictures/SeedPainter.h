#pragma once

class DemoRandom;
class QPainter;
struct SeedLook;

// Where and how large one seed lies in a picture.
struct SeedPose {
    double x = 0;        ///< centre, pixels
    double y = 0;
    double angle = 0;    ///< degrees, clockwise
    double pxPerMm = 10; ///< picture scale
    bool flip = false;   ///< mirrored across its long axis
    double tilt = 1;     ///< 1 flat; less when a flat seed stands on its edge
};

// Draws one seed with its shadow. Its own variation (size, colour, lumps,
// which side is up) comes from `random`, so a picture stays the same for the
// same stream.
void PaintSeed(QPainter& canvas, const SeedLook& look, const SeedPose& pose, DemoRandom& random);

// Half the seed's largest extent in pixels, before its own size variation.
double SeedRadius(const SeedLook& look, double pxPerMm);
