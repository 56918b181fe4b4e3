#include "app/platformstart.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace app {
namespace {

std::string Variable(const char* name) { return qEnvironmentVariable(name).toStdString(); }

// The platform name without its options ("xcb:option=..." is "xcb").
std::string PlatformName(const std::string& platform) {
  return platform.substr(0, platform.find(':'));
}

// What the toolkit says while it opens the platform: kept until it is known
// whether the start failed, then either dropped for the program's own
// message or passed on as usual.
// The context's strings are the toolkit's literals, which outlive the start.
struct HeldMessage {
  QtMsgType type;
  const char* file;
  int line;
  const char* function;
  const char* category;
  QString text;
};

ScreenEnvironment startingEnvironment;
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage>* heldMessages = nullptr;

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    heldMessages->push_back(
        {type, context.file, context.line, context.function, context.category, text});
    return;
  }
  // The toolkit aborts after a fatal message; the program ends first.
  const std::string message = NoScreenMessage(UnreachableScreen(startingEnvironment));
  std::fputs(message.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

ScreenEnvironment CurrentScreenEnvironment() {
  return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

std::string MissingScreen(const ScreenEnvironment& environment) {
  const std::string platform = PlatformName(environment.platform);
  if (platform == "offscreen" || platform == "minimal") {
    return "the platform '" + platform +
           "' (QT_QPA_PLATFORM) draws off screen, where the window could not be seen or closed";
  }
  if (!platform.empty() && platform != "xcb" && platform != "wayland") return {};
  if (platform == "xcb" ? environment.display.empty()
                        : environment.display.empty() && environment.waylandDisplay.empty()) {
    return "no display is set (neither DISPLAY nor WAYLAND_DISPLAY)";
  }
  return {};
}

std::string UnreachableScreen(const ScreenEnvironment& environment) {
  const std::string platform = PlatformName(environment.platform);
  if (!platform.empty() && platform != "xcb" && platform != "wayland") {
    return "cannot open the platform '" + environment.platform + "' (QT_QPA_PLATFORM)";
  }
  std::vector<std::string> displays;
  if (!environment.display.empty() && platform != "wayland") {
    displays.push_back("the display '" + environment.display + "' (DISPLAY)");
  }
  if (!environment.waylandDisplay.empty() && platform != "xcb") {
    displays.push_back("the Wayland display '" + environment.waylandDisplay + "' (WAYLAND_DISPLAY)");
  }
  if (displays.empty()) return "no display is set (neither DISPLAY nor WAYLAND_DISPLAY)";
  std::string reason = "cannot open " + displays[0];
  if (displays.size() > 1) reason += " nor " + displays[1];
  return reason;
}

std::string NoScreenMessage(const std::string& reason) {
  return "stillwise: " + reason +
         ".\n"
         "Start it from a graphical session, or save a picture of the window:\n"
         "  stillwise --screenshot stillwise.png 1000 1 20 15\n";
}

std::unique_ptr<widgets::TApplication> StartApplication(int& argc, char** argv) {
  std::vector<HeldMessage> held;
  startingEnvironment = CurrentScreenEnvironment();
  heldMessages = &held;
  previousHandler = qInstallMessageHandler(HoldStartMessage);
  auto application = std::make_unique<widgets::TApplication>(argc, argv);
  qInstallMessageHandler(previousHandler);
  heldMessages = nullptr;
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(message.file, message.line, message.function,
                                     message.category);
    qt_message_output(message.type, context, message.text);
  }
  return application;
}

}  // namespace app
