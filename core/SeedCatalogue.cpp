#include "SeedCatalogue.h"

const std::array<std::string_view, SeedCount> SeedNames = {
    "Bob koňský",                       // 0
    "Cizrna beraní",                    // 1
    "Čirok cukrový",                    // 2
    "Čočka jedlá",                      // 3
    "Čočka loupaná",                    // 4
    "Fazol obecný",                     // 5
    "Hrách dřeňový",                    // 6
    "Hrách setý polní zelenosemenný",   // 7
    "Hrách setý polní žlutosemenný",    // 8
    "Hrách setý rolní peluška",         // 9
    "Ječmen dvouřadý",                  // 10
    "Ječmen víceřadý",                  // 11
    "Kukuřice koňský zub",              // 12
    "Kukuřice obecná",                  // 13
    "Kukuřice pukancová",               // 14
    "Laskavec",                         // 15
    "Lupina",                           // 16
    "Oves pluchatý",                    // 17
    "Oves nahý",                        // 18
    "Pohanka jedlá",                    // 19
    "Proso seté",                       // 20
    "Proso šedé",                       // 21
    "Pšenice obecná",                   // 22
    "Rýže setá",                        // 23
    "Sezam",                            // 24
    "Sója luštinatá",                   // 25
    "Tritikale",                        // 26
    "Vikev setá",                       // 27
    "Žito seté",                        // 28
    "Lenička setá",                     // 29
    "Řepka olejná",                     // 30
    "Světlice barvířská",               // 31
    "Hořčice bílá",                     // 32
    "Len setý",                         // 33
    "Mák setý",                         // 34
    "Ředkev olejná",                    // 35
    "Slunečnice",                       // 36
    "Konopí seté",                      // 37
    "Kramve",                           // 38
};

// Czech alphabetical order (ch after h, č after c, ř after r, š after s, ž last),
// stored as it is shown rather than sorted at run time.
const std::array<std::string_view, SeedCount> PickList = {
    "Bob koňský",
    "Cizrna beraní",
    "Čirok cukrový",
    "Čočka jedlá",
    "Čočka loupaná",
    "Fazol obecný",
    "Hořčice bílá",
    "Hrách dřeňový",
    "Hrách setý polní zelenosemenný",
    "Hrách setý polní žlutosemenný",
    "Hrách setý rolní peluška",
    "Ječmen dvouřadý",
    "Ječmen víceřadý",
    "Konopí seté",
    "Kramve",
    "Kukuřice koňský zub",
    "Kukuřice obecná",
    "Kukuřice pukancová",
    "Laskavec",
    "Len setý",
    "Lenička setá",
    "Lupina",
    "Mák setý",
    "Oves nahý",
    "Oves pluchatý",
    "Pohanka jedlá",
    "Proso seté",
    "Proso šedé",
    "Pšenice obecná",
    "Rýže setá",
    "Ředkev olejná",
    "Řepka olejná",
    "Sezam",
    "Slunečnice",
    "Sója luštinatá",
    "Světlice barvířská",
    "Tritikale",
    "Vikev setá",
    "Žito seté",
};

const std::int32_t PickListHigh = 38;

const std::array<std::int32_t, SeedCount> HasViews01 = {
    1, 1, 1, 1, 0, 1, 0, 0, 0, 1,  //  0.. 9
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 10..19
    1, 0, 1, 0, 0, 1, 0, 1, 1, 1,  // 20..29
    1, 1, 1, 1, 1, 0, 1, 1, 0,     // 30..38
};

const std::array<std::int32_t, SeedCount> HasView2 = {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  //  0.. 9
    1, 1, 1, 1, 1, 1, 1, 0, 1, 1,  // 10..19
    1, 0, 1, 0, 0, 0, 1, 0, 0, 1,  // 20..29
    0, 0, 1, 1, 1, 0, 0, 1, 0,     // 30..38
};

namespace {

std::string Join(std::string_view a, std::string_view b)
{
    std::string path(a);
    path += PathSeparator;
    path += b;
    return path;
}

std::string ViewPath(int view, std::int32_t seed)
{
    return Join(Join(PictureFolder, std::to_string(view)), std::to_string(seed) + ".jpg");
}

} // namespace

PicturePaths SeedPicturePaths(std::int32_t seed, std::int32_t views01Flag, std::int32_t view2Flag)
{
    // Only the value 1 means "present": any other flag value selects the placeholder.
    const std::string placeholder01 = Join(PictureFolder, Placeholder01);
    return {
        views01Flag == 1 ? ViewPath(0, seed) : placeholder01,
        views01Flag == 1 ? ViewPath(1, seed) : placeholder01,
        view2Flag == 1 ? ViewPath(2, seed) : Join(PictureFolder, Placeholder2),
        ViewPath(3, seed),
    };
}

PicturePaths SeedPicturePaths(std::int32_t seed)
{
    return SeedPicturePaths(seed, HasViews01[static_cast<std::size_t>(seed)],
                            HasView2[static_cast<std::size_t>(seed)]);
}
