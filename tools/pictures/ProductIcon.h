#pragma once

#include <QImage>

// The product's icon: a rounded tile in which three electron orbits circle a musical note, the
// product's chemistry and music in one sign. Drawn at any size.
enum class IconLook {
  kBright,  // under the mouse
  kDim,     // at rest: the same drawing, muted
};

// The face on a transparent ground, outside the tile fully transparent.
QImage DrawProductIcon(int size, IconLook look);
// The mask of the face: black where the face shows, white where it is transparent, grey on
// the soft edge (255 minus the face's opacity).
QImage DrawProductIconMask(int size);
// The bright face on a black ground.
QImage DrawProductIconOnBlack(int size);
