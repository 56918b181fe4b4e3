#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "app/application.h"

namespace app::test {

// The one application object of the test program, created on first use.
TApplication& Application();

// Runs `action`, answering every message box it opens with OK; returns each
// box as "caption|icon|buttons|text".
QStringList AnswerMessageBoxes(const std::function<void()>& action);

// A box as the program shows its errors: the stop icon and one OK button.
QString StopBox(const QString& text);

}  // namespace app::test
