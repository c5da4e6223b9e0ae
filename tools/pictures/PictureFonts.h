#pragma once

#include <QFont>

// The typeface of every picture the tool draws: DejaVu Sans Condensed, loaded from its files so
// that a picture comes out the same wherever the tool runs. Throws std::runtime_error, naming the
// Debian package to install, when the files are missing.
QFont PictureFont(int pixelSize, bool bold = false);
