#pragma once

#include <memory>
#include <string>

#include "widgets/application.h"

namespace app {

// The environment that decides where a window can appear.
struct ScreenEnvironment {
  std::string platform;        // QT_QPA_PLATFORM, empty when unset
  std::string display;         // DISPLAY
  std::string waylandDisplay;  // WAYLAND_DISPLAY
};

ScreenEnvironment CurrentScreenEnvironment();

// Why no window can be shown with this environment before anything is
// tried, or empty: no display is named at all, or the platform draws only
// off screen, where nobody could see or close the window.
std::string MissingScreen(const ScreenEnvironment& environment);

// The first line of the message when the platform named by the
// environment could not be opened.
std::string UnreachableScreen(const ScreenEnvironment& environment);

// The full message for the user: the reason, then what to do instead.
std::string NoScreenMessage(const std::string& reason);

// Creates the application object. When the platform cannot be opened the
// toolkit would abort; instead the program prints NoScreenMessage and ends
// with status 1.
std::unique_ptr<widgets::TApplication> StartApplication(int& argc, char** argv);

}  // namespace app
