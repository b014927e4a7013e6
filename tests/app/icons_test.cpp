// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The icons that the build makes for the desktop's icon theme, against the drawn ones.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>
#include <initializer_list>

#include "app/qt_pictures.h"

namespace reedfall::app {
namespace {

QImage Read(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

QImage Drawn(const char* name) { return Read(QStringLiteral(REEDFALL_DRAWN_ICONS "/") + name); }

QImage Themed(int size) {
  return Read(QStringLiteral(REEDFALL_ICON_DIR "/%1x%1/apps/" REEDFALL_APP_ID ".png").arg(size));
}

QSet<QRgb> Colours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  return colours;
}

struct Size {
  int pixels;
  const char* drawn;
  int factor;
};

// Each size is the larger drawing that divides it, so that every pixel stays square.
TEST(ThemeIcons, AreWholeNumberEnlargementsOfTheDrawnIcons) {
  for (const Size& s :
       {Size{16, "reedfall-16.xpm", 1}, Size{32, "reedfall.xpm", 1}, Size{48, "reedfall-16.xpm", 3},
        Size{64, "reedfall.xpm", 2}, Size{128, "reedfall.xpm", 4}, Size{256, "reedfall.xpm", 8}}) {
    SCOPED_TRACE(s.pixels);
    const QImage drawn = Drawn(s.drawn);
    const QImage icon = Themed(s.pixels);
    ASSERT_FALSE(drawn.isNull());
    ASSERT_EQ(icon.size(), QSize(s.pixels, s.pixels));
    int wrong = 0;
    for (int y = 0; y < icon.height(); ++y) {
      for (int x = 0; x < icon.width(); ++x) {
        wrong += icon.pixel(x, y) != drawn.pixel(x / s.factor, y / s.factor) ? 1 : 0;
      }
    }
    EXPECT_EQ(wrong, 0) << "pixels that are no copy of their drawn pixel";
  }
}

// The menu's icon and the window's are one picture.
TEST(ThemeIcons, The32IsTheWindowIcon) {
  EXPECT_EQ(Themed(32), WindowIcon().convertToFormat(QImage::Format_ARGB32));
}

// The 16 is drawn on its own, as the same duck: hit, facing the player, in the same colours.
TEST(ThemeIcons, The16IsTheWindowIconsDuckDrawnSmall) {
  const QImage small = Drawn("reedfall-16.xpm");
  ASSERT_EQ(small.size(), QSize(16, 16));
  EXPECT_EQ(small, small.mirrored(true, false));
  for (const int corner : {0, 15}) {
    EXPECT_EQ(qAlpha(small.pixel(corner, corner)), 0);
    EXPECT_EQ(qAlpha(small.pixel(15 - corner, corner)), 0);
  }
  const QSet<QRgb> colours = Colours(small);
  EXPECT_TRUE(Colours(Drawn("reedfall.xpm")).contains(colours));
  // Body, head, wing, belly and bill all show.
  for (const QRgb colour : {qRgb(0, 0, 128), qRgb(160, 0, 128), qRgb(40, 80, 200),
                            qRgb(255, 255, 255), qRgb(255, 128, 64)}) {
    EXPECT_TRUE(colours.contains(colour)) << std::hex << colour;
  }
}

}  // namespace
}  // namespace reedfall::app
