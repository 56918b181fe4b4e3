#pragma once

#include <QString>

class QWidget;

namespace widgets {

// Makes a secondary window remember, across runs, its geometry and what
// its fields and choice boxes hold: they are restored now, and saved
// whenever the window is hidden, closed or destroyed while shown. `key`
// names the window's group in the settings. Values saved for another set of
// fields (an older version's) are left unused.
void RememberWindow(QWidget& window, const QString& key);

}  // namespace widgets
