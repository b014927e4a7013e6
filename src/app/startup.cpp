#include "app/startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include "reedfall_assets.h"

namespace reedfall::app {

void PrepareHighDpi() {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

void PrepareApplication() {
  // No display name: Qt would append it to every title, the round-end boxes' too.
  QApplication::setApplicationName(QStringLiteral("Reedfall"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(assets::WindowIcon())));
}

}  // namespace reedfall::app
