// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QList>
#include <algorithm>

#ifdef REEDFALL_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "app/client_area.h"
#include "app/identity.h"
#include "app/qt_pictures.h"
#include "pictures/pictures.h"

namespace reedfall::app {

std::jthread StartDecoding() {
  // The pictures are decoded once, on first use, behind a thread-safe static. Only the shared
  // pictures, without Qt: QGuiApplication sets up QImage's conversions as it starts, and a
  // QImage converted meanwhile on another thread races with it (seen: a window that never
  // painted, in 5 starts of 60). The window wraps them in QImage as it builds itself.
  return std::jthread([] {
#ifdef REEDFALL_HAS_FONTCONFIG
    // Fontconfig loads its configuration and its caches once for the whole program, whoever
    // asks first; Qt asks as the first font is needed, on the GUI thread. Asked here, it is
    // loaded meanwhile (Linux and the BSDs, where Qt finds its fonts through fontconfig).
    (void)FcInit();
#endif
    (void)pictures::SceneryTop();
  });
}

void LoadFonts() {
  for (const QFont& font : {QApplication::font("QMenuBar"), StatusFont(), MessageFont()}) {
    (void)QFontMetrics(font).height();
  }
}

QByteArray WholeScreenFactors(const QByteArray& spec) {
  QList<QByteArray> factors = spec.split(';');
  for (QByteArray& factor : factors) {
    // Either "1.5" or "name=1.5"; the name may hold '=' itself, the factor not.
    const qsizetype equals = factor.lastIndexOf('=');
    bool ok = false;
    const double value = factor.mid(equals + 1).toDouble(&ok);
    if (ok && value > 0) {
      factor = factor.left(equals + 1) + QByteArray::number(std::max(qRound(value), 1));
    }
  }
  return factors.join(';');
}

void PrepareHighDpi() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  // Qt 6.8 rounds the factors that the desktop sets as well; 6.4 took them as they were. A
  // player who asks for a policy of their own gets Qt's.
  if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR_ROUNDING_POLICY")) {
    const QByteArray factors = qgetenv("QT_SCREEN_SCALE_FACTORS");
    if (!factors.isEmpty()) {
      qputenv("QT_SCREEN_SCALE_FACTORS", WholeScreenFactors(factors));
    }
  }
}

Startup::Startup(int& argc, char** argv)
    : highDpiPrepared_((PrepareHighDpi(), true)),
      pictures_(StartDecoding()),
      windowSystem_(std::in_place, *argv, argc, argv),
      application_(argc, argv) {
  windowSystem_.reset();
  LoadFonts();
  PrepareApplication();
}

Startup::~Startup() {
  if (pictures_.joinable()) {
    pictures_.join();
  }
}

void PrepareApplication() {
  NameApplication();
  QApplication::setWindowIcon(WindowIcons());
}

}  // namespace reedfall::app
