#pragma once

#include "app/infoform.h"
#include "app/mainform.h"

namespace app {

// The program's windows, created once at start. The information window comes
// first because the main window shows it on request.
struct TProgramWindows {
  TInfoForm informationWindow;
  TMainForm mainWindow{informationWindow};
};

// The whole program: reads the command line and does what it asks; without
// options of ours it opens the main window and runs until it is closed.
int RunProgram(int argc, char** argv);

}  // namespace app
