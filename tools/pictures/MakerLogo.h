#pragma once

#include <QImage>

// The maker's small logo on black, 120 x 110: a ring crossed by a brook over the words
// "HOLLOWBROOK" and "WORKS". The About window lays a grey "TM" label over the logo at left 44,
// top 81 (28 x 20), so "WORKS" ends just left of it.
QImage DrawMakerLogo();
