#pragma once

#include <QImage>

// The disk-use help pictures: where each iTunes version keeps "Enable disk use", drawn as
// simplified windows with the steps marked by numbered rings. Each is as large as the help
// sheet's picture canvas, 398 x 305, on the sheet's white; the top stays clear for the help text
// above it and the left edge for the version popup beside it.
inline constexpr int kDiskUseHelpWidth = 398;
inline constexpr int kDiskUseHelpHeight = 305;

// iTunes 4: the iPod in the source list, the iPod options button, then the check box.
QImage DrawDiskUseHelpITunes4();
// iTunes 6: Preferences, the iPod pane, then the check box.
QImage DrawDiskUseHelpITunes6();
// iTunes 7 or 8: the iPod under Devices, the Summary tab, the check box under Options, Apply.
QImage DrawDiskUseHelpITunes7();
