#pragma once

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

// The pictures side by side at their own size, each over its name, on grey: for looking at the
// four visual tables together.
QImage DrawContactSheet(const std::vector<std::pair<QString, QImage>>& pictures);
