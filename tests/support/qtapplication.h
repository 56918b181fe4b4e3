#pragma once

#include <functional>

namespace test_support {

// Creates the process's QApplication on first use; tests that paint with
// Qt or make widgets call it first.
void EnsureQtApplication();

// Lets the event loop run until `done` holds, for at most 60 s; whether it
// came to hold.
bool WaitUntil(const std::function<bool()>& done);

}  // namespace test_support
