#pragma once

#include <cstdint>
#include <vector>

class QImage;

// The demo picture folder's artwork, drawn from the seed looks. Every picture is
// a pure function of its seed and view: the same pixels on every run.

// The picture of a seed in a view, at the size of the view's slot:
// view 0 several seeds close up on paper, view 1 one seed large on grey card,
// view 2 seeds beside a millimetre rule (laid out where the quiz window leaves
// that slot uncovered), view 3 a handful on linen at one scale for all seeds.
QImage DrawSeedPicture(int seed, int view);

enum class PlaceholderKind {
    Views01, ///< neni.jpg, for the 233 x 233 slots
    View2,   ///< neni2.jpg, for the 460 x 260 slot
    View3,   ///< stands in for a missing view 3 photograph in an imported folder
};

// "Bez fotografie" with a crossed-out camera, placed where the slot shows it.
// Needs a QGuiApplication (text).
QImage DrawPlaceholder(PlaceholderKind kind);

// Baseline JPEG of any QImage (alpha dropped), through the project's encoder.
std::vector<std::uint8_t> EncodeImageJpeg(const QImage& image, int quality = 85);
