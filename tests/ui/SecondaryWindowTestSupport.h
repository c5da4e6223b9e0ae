#pragma once

#include <gtest/gtest.h>

#include "data/ResourceCatalogue.h"
#include "support/widgets/OpenWindows.h"

// Shared set-up of the tests of the windows that show the resource file's texts and pictures:
// the texts and pictures are read afresh in each test, and no window stays open after it.
class SecondaryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseResourceCatalogue(); }
  void TearDown() override {
    CloseEveryWindow();
    ReleaseResourceCatalogue();
  }
};
