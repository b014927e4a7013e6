// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>

#include "app/client_area.h"
#include "app/identity.h"
#include "reedfall_assets.h"

namespace reedfall::app {

std::jthread StartDecoding() {
  // The pictures are decoded once, on first use, behind a thread-safe static.
  return std::jthread([] { (void)assets::SceneryTop(); });
}

void LoadFonts() {
  for (const QFont& font : {QApplication::font("QMenuBar"), StatusFont(), MessageFont()}) {
    (void)QFontMetrics(font).height();
  }
}

void PrepareHighDpi() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

Startup::Startup(int& argc, char** argv)
    : highDpiPrepared_((PrepareHighDpi(), true)),
      windowSystem_(std::in_place, *argv, argc, argv),
      application_(argc, argv),
      pictures_(StartDecoding()) {
  windowSystem_.reset();
  LoadFonts();
  PrepareApplication();
}

void PrepareApplication() {
  NameApplication();
  QApplication::setWindowIcon(assets::WindowIcons());
}

}  // namespace reedfall::app
