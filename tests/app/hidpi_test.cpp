// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a scaled screen. Run as it is, the screen has 144 dots an inch, a factor of 1.5
// that the game rounds to 2; run with QT_SCREEN_SCALE_FACTORS set, as desktops set it, the game
// rounds that factor too, on every Qt; run with QT_SCALE_FACTOR, which no one rounds, the factor
// stays fractional. REEDFALL_EXPECTED_SCALE says which scale the window must come out at.
// Whatever the factor, every art pixel of the field covers the same area of the screen (at a
// whole factor a sharp square of whole pixels), the window keeps its size in logical pixels,
// and the pointer takes the window's scale.
#include <QApplication>
#include <QTemporaryFile>
#include <QTest>
#include <cmath>

#include "app/pixel_rect.h"
#include "app/qt_pictures.h"
#include "app/startup.h"
#include "window_fixture.h"

using reedfall::app::testing::WindowFixture;

namespace {

// The factor the window is expected to have.
qreal ExpectedScale() {
  const QByteArray expected = qgetenv("REEDFALL_EXPECTED_SCALE");
  return expected.isEmpty() ? 2.0 : expected.toDouble();
}

// The widest and the highest number of whole art pixels from the top-left corner up to
// `size` that cover whole device pixels at `scale`.
QSize WholeDevicePixels(QSize size, qreal scale) {
  const auto whole = [scale](int n) {
    while (n > 0 && std::abs(n * scale - std::round(n * scale)) > 1e-6) {
      --n;
    }
    return n;
  };
  return {whole(size.width()), whole(size.height())};
}

int LargestChannelDifference(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace

class HiDpiTest final : public QObject {
  Q_OBJECT

 private slots:
  void everyArtPixelCoversTheSameArea();
  void paintingPieceByPieceMatchesAFullRepaint();
  void pointerTakesTheScreensScale();
};

void HiDpiTest::everyArtPixelCoversTheSameArea() {
  WindowFixture f;
  const qreal scale = ExpectedScale();
  QCOMPARE(f.window.devicePixelRatio(), scale);
  QCOMPARE(f.client().size(), QSize(487, 476));
  f.window.newGameAction()->trigger();
  QVERIFY(f.AwaitBlueDuckInOpenSky());
  QWidget* field = f.window.field();

  // The field at one device pixel per art pixel...
  QImage art(field->size(), QImage::Format_RGB32);
  field->render(&art);
  // ...and as the screen shows it.
  const QImage shown = field->grab().toImage().convertToFormat(QImage::Format_RGB32);

  // Each art pixel at the screen's scale: enlarged by the next whole factor, nearest-neighbour,
  // then averaged down to the real one by Qt's own smooth scaling. At a whole factor that is
  // the nearest-neighbour picture itself.
  const QSize artPart = WholeDevicePixels(art.size(), scale);
  const QSize devicePart(qRound(artPart.width() * scale), qRound(artPart.height() * scale));
  const int whole = static_cast<int>(std::ceil(scale));
  const QImage expected =
      art.copy(QRect(QPoint(), artPart))
          .scaled(artPart * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation)
          .scaled(devicePart, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
  QVERIFY(devicePart.width() > 0.9 * shown.width() && devicePart.height() <= shown.height());

  // Rounding apart, exact; a whole factor leaves no room at all.
  const int tolerance = std::abs(scale - whole) < 1e-6 ? 0 : 3;
  int worst = 0;
  QPoint worstAt;
  for (int y = 0; y < devicePart.height(); ++y) {
    for (int x = 0; x < devicePart.width(); ++x) {
      const int difference = LargestChannelDifference(shown.pixel(x, y), expected.pixel(x, y));
      if (difference > worst) {
        worst = difference;
        worstAt = QPoint(x, y);
      }
    }
  }

  QVERIFY2(worst <= tolerance,
           qPrintable(
               QStringLiteral("off by %1 at %2,%3").arg(worst).arg(worstAt.x()).arg(worstAt.y())));
}

void HiDpiTest::paintingPieceByPieceMatchesAFullRepaint() {
  WindowFixture f;
  const auto stale = f.StalePixelAfterPlay(300);
  QVERIFY2(!stale,
           qPrintable(QStringLiteral("stale pixel at %1,%2").arg(stale->x()).arg(stale->y())));
}

void HiDpiTest::pointerTakesTheScreensScale() {
  WindowFixture f;
  const qreal scale = ExpectedScale();
  const QCursor pointer = f.window.field()->cursor();
  const QPixmap picture = pointer.pixmap();
  const int side = qRound(32 * scale);
  QCOMPARE(picture.size(), QSize(side, side));
  QCOMPARE(picture.devicePixelRatio(), scale);
  // The hot spot, in the picture's logical pixels here, lies on the red dot.
  QCOMPARE(pointer.hotSpot(), reedfall::app::CrosshairHotSpot());
  const QImage image = picture.toImage();
  const QPoint dot(static_cast<int>((pointer.hotSpot().x() + 0.5) * scale),
                   static_cast<int>((pointer.hotSpot().y() + 0.5) * scale));
  const QColor atDot = image.pixelColor(dot);
  QVERIFY2(atDot.red() > 200 && atDot.green() < 80 && atDot.blue() < 80,
           "the hot spot is not on the red dot");
}

int main(int argc, char** argv) {
  // Without a factor of its own, a screen of 144 dpi against the 96 that Qt counts as 1.
  QTemporaryFile config;
  if (!config.open()) {
    return 2;
  }
  const bool factorSet = qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS") ||
                         qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
  const QByteArray dpi = factorSet ? "96" : "144";
  config.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600, "height": 1200,)"
               R"( "logicalDpi": )" +
               dpi + "}]}");
  config.flush();
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.fileName().toUtf8());
  reedfall::app::PrepareHighDpi();
  QApplication application(argc, argv);
  HiDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "hidpi_test.moc"
