#pragma once

#include <functional>

class QWidget;

namespace widgets {

// The keys of the analysis windows that lay themselves out: Return and Enter
// run the window's action, Escape closes the window. Closing only hides it.
void BindWindowKeys(QWidget& window, const std::function<void()>& action);

}  // namespace widgets
