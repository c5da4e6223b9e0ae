#include "framework/FontConfigurationLoad.h"

#include <fontconfig/fontconfig.h>

FontConfigurationLoad::FontConfigurationLoad() : thread_([] { FcInit(); }) {}

FontConfigurationLoad::~FontConfigurationLoad() { Wait(); }

void FontConfigurationLoad::Wait() {
  if (thread_.joinable()) thread_.join();
}
