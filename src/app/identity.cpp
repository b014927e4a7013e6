// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"

#include <QtGui/qtguiglobal.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLatin1String>
#include <QString>
#include <QWidget>

// Platform guard: the X11 part below builds only where Qt has its X11 platform and libxcb is
// found (Linux and the BSDs); elsewhere TieToDesktopEntry() does nothing.
#if defined(REEDFALL_HAS_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#define REEDFALL_TIE_ON_X11 1
#endif

namespace reedfall::app {

void NameApplication() {
  // No display name: Qt would append it to every title, the round-end boxes' too.
  QCoreApplication::setApplicationName(QStringLiteral("Reedfall"));
  QCoreApplication::setApplicationVersion(QStringLiteral(REEDFALL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(REEDFALL_APP_ID));
}

#ifdef REEDFALL_TIE_ON_X11
namespace {

// The two properties that KDE and GNOME read to find a window's desktop entry, then their
// type. The X11 platform of Qt 6.4, Debian 12's, does not set them; where a later Qt does, it
// writes the same values.
constexpr std::array<const char*, 3> kAtomNames{"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID",
                                                "UTF8_STRING"};
constexpr std::size_t kPropertyCount = 2;
constexpr std::size_t kTypeAtom = 2;

// Interns the names with one round trip to the X server.
std::array<xcb_atom_t, kAtomNames.size()> InternAtoms(xcb_connection_t* connection) {
  std::array<xcb_intern_atom_cookie_t, kAtomNames.size()> cookies{};
  for (std::size_t i = 0; i < kAtomNames.size(); ++i) {
    const char* name = kAtomNames[i];
    cookies[i] = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  }
  std::array<xcb_atom_t, kAtomNames.size()> atoms{};
  for (std::size_t i = 0; i < kAtomNames.size(); ++i) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
    atoms[i] = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  }
  return atoms;
}

}  // namespace

void TieToDesktopEntry(QWidget& window) {
  // Qt's offscreen platform offers the X11 interface too, with no connection behind it.
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
      x11->connection() == nullptr) {
    return;  // another window system
  }
  xcb_connection_t* connection = x11->connection();
  const auto atoms = InternAtoms(connection);
  const QByteArray entry = QGuiApplication::desktopFileName().toUtf8();
  const auto id = static_cast<xcb_window_t>(window.winId());
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atoms[i], atoms[kTypeAtom], 8,
                        static_cast<uint32_t>(entry.size()), entry.constData());
  }
  xcb_flush(connection);
}
#else
void TieToDesktopEntry(QWidget& /*window*/) {}
#endif

}  // namespace reedfall::app
