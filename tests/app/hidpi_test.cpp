// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a 144 dpi screen: the scale factor 1.5 is rounded to 2, and every art pixel
// becomes a 2 x 2 block of device pixels, never a blur.
#include <QApplication>
#include <QTemporaryFile>
#include <QTest>

#include "app/look.h"
#include "app/startup.h"
#include "reedfall_assets.h"
#include "window_fixture.h"

using reedfall::DuckColour;
using reedfall::TimerId;
using reedfall::app::PixelRect;
using reedfall::app::testing::WindowFixture;

class HiDpiTest final : public QObject {
  Q_OBJECT

 private slots:
  void artPixelsCoverTwoByTwoDevicePixels();
};

void HiDpiTest::artPixelsCoverTwoByTwoDevicePixels() {
  WindowFixture f;
  QCOMPARE(f.window.devicePixelRatio(), 2.0);
  f.window.newGameAction()->trigger();
  const reedfall::frmMain& g = f.game();
  QRect duck;
  for (int step = 0; step < 2000 && !QRect(0, 0, 487, 200).contains(duck); ++step) {
    QVERIFY(f.Step());
    duck = g.Enabled(TimerId::timDuck) ? PixelRect(g.world().controls.imgDuck) : QRect();
  }
  QVERIFY(QRect(0, 0, 487, 200).contains(duck));

  const QImage shot = f.window.field()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(shot.size(), QSize(2 * 487, 2 * 372));

  // No smoothing anywhere on the field: each 2 x 2 block is one colour.
  for (int y = 0; y < shot.height(); y += 2) {
    for (int x = 0; x < shot.width(); x += 2) {
      const QRgb p = shot.pixel(x, y);
      if (shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p || shot.pixel(x + 1, y + 1) != p) {
        QFAIL(qPrintable(QStringLiteral("blended block at %1,%2").arg(x).arg(y)));
      }
    }
  }
  // ...and the duck's blocks are its frame's pixels.
  const QImage art =
      reedfall::assets::DuckFrame(DuckColour::Blue, g.world().controls.imgDuck.frame);
  for (int y = 0; y < art.height(); ++y) {
    for (int x = 0; x < art.width(); ++x) {
      if (qAlpha(art.pixel(x, y)) == 255) {
        QCOMPARE(shot.pixel(2 * (duck.left() + x), 2 * (duck.top() + y)), art.pixel(x, y));
      }
    }
  }
}

int main(int argc, char** argv) {
  // A screen of 144 dpi against the 96 that Qt counts as a scale factor of 1.
  QTemporaryFile config;
  if (!config.open()) {
    return 2;
  }
  config.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600, "height": 1200,)"
               R"( "logicalDpi": 144}]})");
  config.flush();
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.fileName().toUtf8());
  reedfall::app::PrepareHighDpi();
  QApplication application(argc, argv);
  HiDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
