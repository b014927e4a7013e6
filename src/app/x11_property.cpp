// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/x11_property.h"

#include <QGuiApplication>
#include <QLatin1String>

// --- Platform guard: X11 only, where Qt was built for it and the build found libxcb. ---
#if defined(REEDFALL_HAS_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <memory>
#define REEDFALL_X11 1  // NOLINT(cppcoreguidelines-macro-usage): chooses code, not a value
#endif

namespace reedfall::app {

#ifdef REEDFALL_X11
namespace {

xcb_connection_t* Connection() {
  // Qt's offscreen platform offers the X11 interface too, with no connection behind it.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr) {
    return nullptr;
  }
  return x11->connection();
}

}  // namespace

bool OnX11() { return Connection() != nullptr; }

bool SetX11Property(WId window, std::string_view name, std::string_view type, int format,
                    const void* data, std::uint32_t count) {
  xcb_connection_t* connection = Connection();
  if (connection == nullptr) {
    return false;
  }
  // Both names in one round trip to the server.
  const std::array<std::string_view, 2> names{name, type};
  std::array<xcb_intern_atom_cookie_t, 2> cookies{};
  for (std::size_t i = 0; i < names.size(); ++i) {
    cookies.at(i) = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(names.at(i).size()),
                                    names.at(i).data());
  }
  std::array<xcb_atom_t, 2> atoms{};
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookies.at(i), nullptr), &std::free);
    if (!reply) {
      return false;
    }
    atoms.at(i) = reply->atom;
  }
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                      atoms[0], atoms[1], static_cast<std::uint8_t>(format), count, data);
  xcb_flush(connection);
  return true;
}
#else
bool OnX11() { return false; }

bool SetX11Property(WId /*window*/, std::string_view /*name*/, std::string_view /*type*/,
                    int /*format*/, const void* /*data*/, std::uint32_t /*count*/) {
  return false;
}
#endif

}  // namespace reedfall::app
