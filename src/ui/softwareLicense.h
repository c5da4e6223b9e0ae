#pragma once

#include "framework/widgets/Window.h"

class QPlainTextEdit;

// The licence agreement window: the agreement's text, read-only, in a field that keeps to the
// window's four edges with a 15-pixel strip free below it, wrapped at its width and scrolled
// vertically only. One instance at a time, reached through softwareLicense(); closing it ends
// the instance.
class softwareLicense : public Window {
 public:
  softwareLicense();

  QPlainTextEdit& EditField1() const;
};

// The one instance; the first use (and the first after a close) builds it. Callers show it.
class softwareLicense& softwareLicense();
