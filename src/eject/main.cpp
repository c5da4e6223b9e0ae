// EjectIpod.app: started by the installer without arguments, it finds the one attached iPod by
// the installer's own scan and unmounts it. It tells what went wrong on standard error and exits
// with 0 only when the iPod can be disconnected.
#include <QCoreApplication>
#include <iostream>

#include "install/iPodEjector.h"

namespace {

void PrintReport(const EjectOutcome& outcome) {
  for (const std::string& line : outcome.report) std::cerr << "EjectIpod: " << line << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  iPodEjector ejector;
  const EjectOutcome outcome = ejector.EjectAttachediPod();
  PrintReport(outcome);
  return outcome.ejected ? 0 : 1;
}
