// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_system.h"

#include <QByteArray>
#include <QFileInfo>
#include <QMessageLogContext>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace reedfall::app {

namespace {

struct Held {
  QtMsgType type;
  QByteArray category;
  QString text;
};

// The line's reason, from what Qt said before it gave up.
QString Explain(const std::vector<Held>& held, bool platformChosen) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  // Platform guard: X11 and Wayland name their display in these variables.
  if (!platformChosen && !qEnvironmentVariableIsSet("DISPLAY") &&
      !qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
    return QStringLiteral(
        "no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)");
  }
#else
  static_cast<void>(platformChosen);
#endif
  // Qt's first word on the window system says what went wrong: no such plugin, or no server.
  for (const Held& message : held) {
    if (message.category.startsWith("qt.qpa")) {
      return QStringLiteral("cannot open the window: %1").arg(message.text.simplified());
    }
  }
  return QStringLiteral("cannot open the window: no window system could be reached");
}

// Only one guard stands at a time, on the thread that starts the application, before any other
// thread runs: Qt calls the handler from there.
struct GuardState {
  std::vector<Held> held;
  QByteArray program;
  bool platformChosen = false;
};
GuardState* active = nullptr;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // No window system: Qt would abort after this. The program has done nothing yet that
    // needs undoing, so it ends here, at once.
    const QString line = QStringLiteral("%1: %2\n")
                             .arg(QString::fromLocal8Bit(active->program),
                                  Explain(active->held, active->platformChosen));
    const QByteArray bytes = line.toLocal8Bit();
    static_cast<void>(
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr));
    static_cast<void>(std::fflush(stderr));
    std::_Exit(EXIT_FAILURE);
  }
  active->held.push_back(
      {type, QByteArray(context.category != nullptr ? context.category : ""), text});
}

}  // namespace

WindowSystemGuard::WindowSystemGuard(const char* program, int argc, char** argv) {
  static GuardState state;
  state = GuardState{};
  state.program = QFileInfo(QString::fromLocal8Bit(program)).fileName().toLocal8Bit();
  state.platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg =
        argv[i];  // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
    state.platformChosen = state.platformChosen || arg == "-platform" || arg == "--platform" ||
                           arg.starts_with("-platform=") || arg.starts_with("--platform=");
  }
  active = &state;
  previous_ = qInstallMessageHandler(Hold);
}

WindowSystemGuard::~WindowSystemGuard() {
  qInstallMessageHandler(previous_);
  for (const Held& message : active->held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  active->held.clear();
  active = nullptr;
}

}  // namespace reedfall::app
