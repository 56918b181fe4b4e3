#pragma once

namespace test_support {

// Creates the process's QApplication on first use; tests that paint with
// Qt or make widgets call it first.
void EnsureQtApplication();

}  // namespace test_support
