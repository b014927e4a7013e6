// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_hints.h"

#include <QGuiApplication>
#include <cmath>

namespace reedfall::app {

namespace {

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

}  // namespace

QPoint PointerHotSpot(QPoint logical, qreal scale) {
  if (!OnX11()) {
    return logical;
  }
  const auto scaled = [scale](int at) { return static_cast<int>(std::floor((at + 0.5) * scale)); };
  return {scaled(logical.x()), scaled(logical.y())};
}

}  // namespace reedfall::app
