#pragma once

#include <QImage>
#include <QRect>

#include "framework/Picture.h"

// Making and drawing into pictures. Drawing a nil picture (a missing resource) draws nothing.

// A new picture of width x height, 32 bits deep, wholly transparent; a null image when none can
// be made.
QImage NewPicture(int width, int height);

// Draws picture into target with its top-left corner at left, top, at its own size.
void DrawPicture(QImage& target, const Picture& picture, int left, int top);
// Draws the source rectangle of picture into the destination rectangle of target, scaled.
void DrawPicture(QImage& target, const Picture& picture, QRect destination, QRect source);

// Draws mask into the mask of target from its top-left corner, at the mask's own size: where the
// mask is black the picture shows as drawn, where it is white the picture is transparent, and
// greys lie between. What was never drawn stays transparent, and outside the mask's rectangle
// target is left as it is.
void DrawMask(QImage& target, const Picture& mask);
