// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_hints.h"

// Qt's Wayland client before 6.8 (measured: 6.4) holds every size that a compositor configures to
// the window's own minimum and maximum, and nothing public loosens that bound without telling
// the compositor too. Only such a Qt needs the window's private side, and a program built
// against it is bound to that exact Qt (the .deb says so: packaging/Package.cmake).
#ifdef REEDFALL_UNBOUND_CONFIGURED_SIZES
#include <QtGui/private/qwindow_p.h>
#endif

#include <QGuiApplication>
#include <QLatin1String>
#include <QWindow>
#include <array>
#include <cmath>
#include <cstdint>

#include "app/x11_property.h"

namespace reedfall::app {

namespace {

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr std::uint32_t kMwmHintsFunctions = 1U << 0U;
constexpr std::uint32_t kMwmHintsDecorations = 1U << 1U;
constexpr std::uint32_t kMwmFuncMove = 1U << 2U;
constexpr std::uint32_t kMwmFuncClose = 1U << 5U;
constexpr std::uint32_t kMwmDecorBorder = 1U << 1U;
constexpr std::uint32_t kMwmDecorTitle = 1U << 3U;
constexpr std::uint32_t kMwmDecorMenu = 1U << 4U;

}  // namespace

void OfferMoveAndCloseOnly(QWindow* window) {
  if (window == nullptr) {
    return;
  }
  // A border, a title and the window menu, no resize handle; moving and closing, nothing else.
  const std::array<std::uint32_t, 5> hints{kMwmHintsFunctions | kMwmHintsDecorations,
                                           kMwmFuncMove | kMwmFuncClose,
                                           kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu, 0, 0};
  SetX11Property(window->winId(), "_MOTIF_WM_HINTS", "_MOTIF_WM_HINTS", 32, hints.data(),
                 static_cast<std::uint32_t>(hints.size()));
}

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void FollowCompositorSizes([[maybe_unused]] QWindow* window) {
#ifdef REEDFALL_UNBOUND_CONFIGURED_SIZES
  if (window == nullptr || !OnWayland()) {
    return;
  }
  // The compositor hears the window's minimum and maximum sizes when the window's surface is
  // made, as it is shown, and whenever they change; after that only Qt's own bound on the sizes
  // a configure may give the window goes. QWindow::setMaximumSize would tell the compositor too.
  const auto unbound = [window] {
    QWindowPrivate::get(window)->maximumSize = QSize(QWINDOWSIZE_MAX, QWINDOWSIZE_MAX);
  };
  QObject::connect(window, &QWindow::maximumWidthChanged, window, unbound);
  QObject::connect(window, &QWindow::maximumHeightChanged, window, unbound);
  unbound();
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
