// The Config.ini that ships with the skin: folders, window size, both presentations, the manual
// viewer's page size and one [ImageN] section per skin image, placed at its design rectangle.
#pragma once

#include <QString>

namespace gorvo::assets {

struct ConfigChoices {
    QString backdrop_file;  // in Graphics\Backdrops\ ; empty = none
    QString logo_file;      // likewise
    bool backdrop_stretch = true;
    unsigned background_bgr = 0;  // fullscreen background colour, 0x00BBGGRR
};

QString config_ini_text(const ConfigChoices& choices);

// Writes the text to `path`; error text or empty.
QString write_config_ini(const QString& path, const ConfigChoices& choices);

}  // namespace gorvo::assets
