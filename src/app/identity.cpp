// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLatin1String>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string_view>

#include "app/x11_property.h"

namespace reedfall::app {

void NameApplication() {
  // No display name: Qt would append it to every title, the round-end boxes' too.
  QCoreApplication::setApplicationName(QStringLiteral("Reedfall"));
  QCoreApplication::setApplicationVersion(QStringLiteral(REEDFALL_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(REEDFALL_APP_ID));
}

void TieToDesktopEntry(QWidget& window) {
  // KDE and GNOME read these two to find a window's desktop entry. Qt 6.4's X11 platform, Debian
  // 12's, writes neither; where a later Qt does, it writes the same values.
  const QByteArray entry = QGuiApplication::desktopFileName().toUtf8();
  for (const std::string_view name : {"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"}) {
    SetX11Property(window.winId(), name, "UTF8_STRING", 8, entry.constData(),
                   static_cast<std::uint32_t>(entry.size()));
  }
}

}  // namespace reedfall::app
