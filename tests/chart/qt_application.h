#pragma once

namespace chart::testing {

// Creates the process's QApplication on first use; tests that paint with
// Qt or make widgets call it first.
void EnsureQtApplication();

}  // namespace chart::testing
