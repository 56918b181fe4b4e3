#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>

namespace app::test {

// Runs `action`, answering every message box it opens with OK; returns each
// box as "caption|icon|buttons|text".
QStringList AnswerMessageBoxes(const std::function<void()>& action);

// The same, and every file dialog is answered with `file`, or cancelled
// when it is empty; a dialog is returned as "file dialog|caption".
QStringList AnswerDialogs(const std::function<void()>& action, const QString& file);

// Lets the event loop run until `done` holds, for at most 60 s; whether it
// came to hold.
bool WaitUntil(const std::function<bool()>& done);

// A box as the program shows its errors: the stop icon and one OK button.
QString StopBox(const QString& text);

}  // namespace app::test

// Shows texts in test failures as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
