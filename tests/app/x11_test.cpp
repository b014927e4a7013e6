// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as an X11 window manager sees it, on the X server that DISPLAY names (CTest starts
// an Xvfb of the test's own with xvfb-run): the hints it reads before it maps the
// window, and what a window manager does to it. Skipped (status 77) without an X server.
#include <xcb/xcb.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "window_fixture.h"

using reedfall::app::testing::WindowFixture;

namespace {

constexpr int kSkipped = 77;

xcb_connection_t* Connection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t Atom(std::string_view name) {
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(
          Connection(),
          xcb_intern_atom(Connection(), 0, static_cast<std::uint16_t>(name.size()), name.data()),
          nullptr),
      &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

}  // namespace

class X11Test final : public QObject {
  Q_OBJECT

 private slots:
  void windowManagerIsOfferedMoveAndCloseOnly();
  void aMaximizeLeavesTheWindowItsSizeAndTheGameRunning();
  void aWindowLargerThanItsScreenKeepsItsTopLeftOnIt();
};

void X11Test::windowManagerIsOfferedMoveAndCloseOnly() {
  WindowFixture f;
  const xcb_atom_t hints = Atom("_MOTIF_WM_HINTS");
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(
          Connection(),
          xcb_get_property(Connection(), 0, static_cast<xcb_window_t>(f.window.winId()), hints,
                           hints, 0, 5),
          nullptr),
      &std::free);
  QVERIFY(reply != nullptr);
  QCOMPARE(xcb_get_property_value_length(reply.get()), 5 * 4);
  const auto* value = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  // Flags: functions and decorations given.
  QCOMPARE(value[0] & 3U, 3U);
  // Functions: move (4) and close (32); no resize (2), minimise (8) or maximise (16).
  QCOMPARE(value[1], 0x24U);
  // Decorations: no resize handle (4), no minimise (32) or maximise (64) button.
  QCOMPARE(value[2] & (4U | 32U | 64U), 0U);
}

void X11Test::aMaximizeLeavesTheWindowItsSizeAndTheGameRunning() {
  WindowFixture f;
  f.window.newGameAction()->trigger();
  const QSize size = f.window.size();
  const auto window = static_cast<xcb_window_t>(f.window.winId());
  // What a window manager does that maximizes the window after all: the state on the window,
  // and the window as large as the screen.
  const std::array<xcb_atom_t, 2> maximized{Atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                                            Atom("_NET_WM_STATE_MAXIMIZED_HORZ")};
  xcb_change_property(Connection(), XCB_PROP_MODE_REPLACE, window, Atom("_NET_WM_STATE"),
                      XCB_ATOM_ATOM, 32, maximized.size(), maximized.data());
  const std::array<std::uint32_t, 4> screen{0, 0, 1024, 768};
  xcb_configure_window(Connection(), window,
                       XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                           XCB_CONFIG_WINDOW_HEIGHT,
                       screen.data());
  xcb_flush(Connection());
  QTRY_VERIFY(f.window.windowState().testFlag(Qt::WindowMaximized) || f.window.size() != size);
  // Back at its size, on the server too, and the game goes on.
  QTRY_COMPARE(f.window.size(), size);
  const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
      xcb_get_geometry_reply(Connection(), xcb_get_geometry(Connection(), window), nullptr),
      &std::free);
  QVERIFY(geometry != nullptr);
  QCOMPARE(QSize(geometry->width, geometry->height), size * f.window.devicePixelRatio());
  const auto timeLeft = f.game().world().state.TimeLeft;
  f.Run(1200);
  QCOMPARE(f.game().world().state.TimeLeft, timeLeft - 2);
  QVERIFY(f.ShootBlueDuck());
}

void X11Test::aWindowLargerThanItsScreenKeepsItsTopLeftOnIt() {
  WindowFixture f;
  const QRect available = f.window.screen()->availableGeometry();
  const QRect placed = f.window.frameGeometry();
  if (available.contains(QRect(placed.topLeft(), f.window.frameSize()))) {
    QVERIFY(std::abs((placed.center() - available.center()).manhattanLength()) <= 2);
  } else {
    // Three times over on a screen of 1024 x 768 the window cannot be centred: its title bar
    // and menu stay on the screen.
    QCOMPARE(placed.topLeft(), available.topLeft());
  }
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::puts("SKIP: no X server (DISPLAY is not set)");
    return kSkipped;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  X11Test test;
  return QTest::qExec(&test, argc, argv);
}

#include "x11_test.moc"
