// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_hints.h"

#include <QGuiApplication>
#include <QWindow>
#include <array>
#include <cmath>
#include <cstdint>

// --- Platform guard: X11 only, where Qt was built for it and the build found libxcb. ---
#if defined(REEDFALL_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>
#define REEDFALL_X11_HINTS 1
#endif

namespace reedfall::app {

namespace {

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

#if defined(REEDFALL_X11_HINTS)
// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr std::uint32_t kMwmHintsFunctions = 1U << 0U;
constexpr std::uint32_t kMwmHintsDecorations = 1U << 1U;
constexpr std::uint32_t kMwmFuncMove = 1U << 2U;
constexpr std::uint32_t kMwmFuncClose = 1U << 5U;
constexpr std::uint32_t kMwmDecorBorder = 1U << 1U;
constexpr std::uint32_t kMwmDecorTitle = 1U << 3U;
constexpr std::uint32_t kMwmDecorMenu = 1U << 4U;

void SetMotifHints(QWindow* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) {
    return;
  }
  xcb_connection_t* connection = x11->connection();
  constexpr std::string_view kName = "_MOTIF_WM_HINTS";
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(
          connection,
          xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(kName.size()), kName.data()),
          nullptr),
      &std::free);
  if (!atom) {
    return;
  }
  // A border, a title and the window menu, no resize handle; moving and closing, nothing else.
  const std::array<std::uint32_t, 5> hints{kMwmHintsFunctions | kMwmHintsDecorations,
                                           kMwmFuncMove | kMwmFuncClose,
                                           kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                      atom->atom, atom->atom, 32, static_cast<std::uint32_t>(hints.size()),
                      hints.data());
  xcb_flush(connection);
}
#endif

}  // namespace

void OfferMoveAndCloseOnly(QWindow* window) {
  if (window == nullptr || !OnX11()) {
    return;
  }
#if defined(REEDFALL_X11_HINTS)
  SetMotifHints(window);
#endif
}

QPoint PointerHotSpot(QPoint logical, qreal scale) {
  if (!OnX11()) {
    return logical;
  }
  const auto scaled = [scale](int at) { return static_cast<int>(std::floor((at + 0.5) * scale)); };
  return {scaled(logical.x()), scaled(logical.y())};
}

}  // namespace reedfall::app
