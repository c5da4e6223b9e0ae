#include "person/PersonAtScreen.h"

#include <sstream>
#include <vector>

#include "support/ChildProcess.h"

bool PersonAtScreen::Run(const std::vector<std::string>& arguments) const {
  ChildProcess xdotool("xdotool", arguments,
                       {.environment = {{"DISPLAY", displayName_}}, .output = "/dev/null"});
  return xdotool.Started() && xdotool.Finish(std::chrono::seconds(60)) && xdotool.ExitedNormally() &&
         xdotool.ExitCode() == 0;
}

bool PersonAtScreen::ClickAt(QPoint screenPoint) const {
  return Run({"mousemove", "--sync", std::to_string(screenPoint.x()), std::to_string(screenPoint.y()),
              "click", "1"});
}

bool PersonAtScreen::TypeInto(unsigned long window, const std::string& keys) const {
  std::vector<std::string> arguments = {"windowfocus", std::to_string(window), "key", "--clearmodifiers"};
  std::istringstream names(keys);
  for (std::string name; names >> name;) arguments.push_back(name);
  return Run(arguments);
}

bool PersonAtScreen::Type(const std::string& keys) const {
  std::vector<std::string> arguments = {"key", "--clearmodifiers"};
  std::istringstream names(keys);
  for (std::string name; names >> name;) arguments.push_back(name);
  return Run(arguments);
}

bool PersonAtScreen::ScrollDown(QPoint screenPoint, int notches) const {
  // Button 5 is the wheel turned towards the person.
  return Run({"mousemove", "--sync", std::to_string(screenPoint.x()), std::to_string(screenPoint.y()),
              "click", "--repeat", std::to_string(notches), "--delay", "1", "5"});
}
