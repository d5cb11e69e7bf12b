#pragma once

// The embedded artwork, as the windows open it.

inline constexpr const char* FalconArtworkPath = ":/artwork/falcon.jpg";        ///< quiz background and intro photograph
inline constexpr const char* PanelArtworkPath = ":/artwork/panel.bmp";          ///< quiz window's right panel
inline constexpr const char* StartPageArtworkPath = ":/artwork/startpage.bmp";  ///< start page decoration
inline constexpr const char* IconArtworkPath = ":/artwork/sorvita.png";         ///< program icon, 256 x 256

// The icon at every size it is embedded in, largest first, for QIcon.
inline constexpr const char* IconArtworkSizes[] = {
    ":/artwork/sorvita.png",
    ":/artwork/sorvita-48.png",
    ":/artwork/sorvita-32.png",
    ":/artwork/sorvita-16.png",
};

// True when the artwork is registered in this executable.
bool ArtworkAvailable();
