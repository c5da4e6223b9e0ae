#pragma once

#include <memory>

class QImage;

// A picture of the resource file; nil (an empty pointer) when there is none. Copies share one
// image, so two reads of a cached picture give the same object.
using Picture = std::shared_ptr<const QImage>;
