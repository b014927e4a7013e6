// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_pictures.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "pictures/embedded.h"
#include "pictures/scenery.h"
#include "pictures/xpm.h"
#include "world/controls.h"
#include "world/sprites.h"

namespace reedfall::app {
namespace {

bool Opaque(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) != 0; }

QSet<QRgb> OpaqueColours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Opaque(image, x, y)) {
        colours.insert(image.pixel(x, y));
      }
    }
  }
  return colours;
}

struct Frame {
  DuckColour colour;
  int index;
};

std::string Name(Frame f) {
  return std::string(f.colour == DuckColour::Blue ? "blue " : "red ") + std::to_string(f.index);
}

std::vector<Frame> AllFrames() {
  std::vector<Frame> frames;
  for (const DuckColour colour : {DuckColour::Blue, DuckColour::Red}) {
    for (int index = 0; index < kFrameCount; ++index) {
      frames.push_back({colour, index});
    }
  }
  return frames;
}

QImage Get(Frame f) { return DuckFrame(f.colour, f.index); }

// ---- duck frames ---------------------------------------------------------------------------

TEST(DuckFrames, HaveTheSizesOfTheCoreFrameTable) {
  for (const Frame f : AllFrames()) {
    const QImage image = Get(f);
    const FrameSize size = FrameSizePx(f.colour, f.index);
    ASSERT_FALSE(image.isNull()) << Name(f);
    EXPECT_EQ(image.size(), QSize(size.width, size.height)) << Name(f);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied) << Name(f);
  }
  // The blue duck's level-flight frames are the short ones, as the table says.
  EXPECT_EQ(DuckFrame(DuckColour::Blue, 0).height(), 29);
  EXPECT_EQ(DuckFrame(DuckColour::Blue, 5).height(), 31);
  EXPECT_EQ(DuckFrame(DuckColour::Red, 0).height(), 31);
}

TEST(DuckFrames, StandOnATransparentBackgroundWithSolidPixels) {
  for (const Frame f : AllFrames()) {
    const QImage image = Get(f);
    const int r = image.width() - 1;
    const int b = image.height() - 1;
    EXPECT_FALSE(Opaque(image, 0, 0) || Opaque(image, r, 0) || Opaque(image, 0, b) ||
                 Opaque(image, r, b))
        << Name(f);
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const int alpha = qAlpha(image.pixel(x, y));
        EXPECT_TRUE(alpha == 0 || alpha == 255) << Name(f) << " at " << x << "," << y;
        drawn += alpha == 255 ? 1 : 0;
      }
    }
    // A duck, not a speck and not a filled box.
    EXPECT_GT(drawn, image.width() * image.height() / 5) << Name(f);
    EXPECT_LT(drawn, image.width() * image.height() * 3 / 4) << Name(f);
  }
}

TEST(DuckFrames, IndexOutsideTheTableHasNoFrame) {
  EXPECT_TRUE(DuckFrame(DuckColour::Blue, -1).isNull());
  EXPECT_TRUE(DuckFrame(DuckColour::Blue, kFrameCount).isNull());
  EXPECT_TRUE(DuckFrame(DuckColour::Red, kFrameCount).isNull());
}

struct Mirror {
  DuckColour colour;
  int frame;
  int mirrors;
};

TEST(DuckFrames, RightwardFramesMirrorLeftwardOnesPixelForPixel) {
  const Mirror mirrors[] = {
      {DuckColour::Blue, 6, 4}, {DuckColour::Blue, 7, 5}, {DuckColour::Blue, 10, 9},
      {DuckColour::Blue, 3, 0}, {DuckColour::Blue, 2, 1}, {DuckColour::Red, 6, 4},
      {DuckColour::Red, 7, 5},  {DuckColour::Red, 10, 9}, {DuckColour::Red, 2, 0},
      {DuckColour::Red, 3, 1},
  };
  for (const Mirror m : mirrors) {
    const QImage frame = DuckFrame(m.colour, m.frame);
    const QImage source = DuckFrame(m.colour, m.mirrors);
    ASSERT_EQ(frame.size(), source.size()) << Name({m.colour, m.frame});
    int differ = 0;
    for (int y = 0; y < frame.height(); ++y) {
      for (int x = 0; x < frame.width(); ++x) {
        differ += frame.pixel(x, y) != source.pixel(frame.width() - 1 - x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(differ, 0) << Name({m.colour, m.frame}) << " against the mirror of " << m.mirrors;
  }
}

// The red duck flies the blue duck's poses, drawn 31 high throughout, but beats its wings in
// the opposite phase when flying slowly to the right: its 2 and 3 are the blue duck's 3 and 2.
TEST(DuckFrames, RedDuckTakesTheBlueDucksPosesWithFrames2And3Swapped) {
  for (int index = 0; index < kFrameCount; ++index) {
    const int pose = index == 2 ? 3 : index == 3 ? 2 : index;
    const QImage red = DuckFrame(DuckColour::Red, index);
    const QImage blue = DuckFrame(DuckColour::Blue, pose);
    ASSERT_EQ(red.width(), blue.width());
    for (int y = 0; y < red.height(); ++y) {
      for (int x = 0; x < red.width(); ++x) {
        const bool shouldBeDrawn = y < blue.height() && Opaque(blue, x, y);
        ASSERT_EQ(Opaque(red, x, y), shouldBeDrawn) << "red " << index << " at " << x << "," << y;
      }
    }
  }
}

TEST(DuckFrames, WearTheirDucksColours) {
  const QRgb blueBody = qRgb(0, 0, 128);
  const QRgb purpleHead = qRgb(160, 0, 128);
  const QRgb redBody = qRgb(128, 0, 0);
  const QRgb blackHead = qRgb(0, 0, 0);
  const QRgb bill = qRgb(255, 128, 64);
  const QRgb feet = qRgb(255, 96, 64);
  const QRgb white = qRgb(255, 255, 255);
  for (const Frame f : AllFrames()) {
    const QSet<QRgb> colours = OpaqueColours(Get(f));
    EXPECT_TRUE(colours.contains(bill) && colours.contains(feet)) << Name(f) << ": bill and feet";
    EXPECT_TRUE(colours.contains(white)) << Name(f) << ": white feathers";
    if (f.colour == DuckColour::Blue) {
      EXPECT_TRUE(colours.contains(blueBody) && colours.contains(purpleHead)) << Name(f);
      EXPECT_FALSE(colours.contains(redBody)) << Name(f);
    } else {
      EXPECT_TRUE(colours.contains(redBody) && colours.contains(blackHead)) << Name(f);
      EXPECT_FALSE(colours.contains(blueBody) || colours.contains(purpleHead)) << Name(f);
    }
  }
}

// Poses that differ must be different pictures: one frame copied everywhere would pass every
// size and mirror check.
TEST(DuckFrames, EveryFrameIsADifferentPicture) {
  const std::vector<Frame> frames = AllFrames();
  for (std::size_t i = 0; i < frames.size(); ++i) {
    for (std::size_t j = i + 1; j < frames.size(); ++j) {
      EXPECT_NE(Get(frames[i]), Get(frames[j])) << Name(frames[i]) << " and " << Name(frames[j]);
    }
  }
}

TEST(DuckFrames, AreLoadedOnceAndShared) {
  EXPECT_EQ(DuckFrame(DuckColour::Red, 5).cacheKey(), DuckFrame(DuckColour::Red, 5).cacheKey());
  EXPECT_EQ(SceneryTop().cacheKey(), SceneryTop().cacheKey());
}

// ---- scenery -------------------------------------------------------------------------------

TEST(Scenery, TopShowsSkyAboveAndSoilAlongTheBottom) {
  const QImage top = SceneryTop();
  ASSERT_EQ(top.size(), QSize(489, 164));
  EXPECT_EQ(top.format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_FALSE(Opaque(top, 244, 0)) << "the sky shows between the trees";
  EXPECT_FALSE(Opaque(top, 244, 60));
  EXPECT_TRUE(Opaque(top, 20, 40)) << "the left-hand tree";
  EXPECT_TRUE(Opaque(top, 470, 40)) << "the right-hand tree";
  for (int x = 0; x < top.width(); ++x) {
    const QRgb soil = top.pixel(x, top.height() - 1);
    ASSERT_EQ(qAlpha(soil), 255) << "column " << x;
    EXPECT_TRUE(qRed(soil) > qGreen(soil) && qGreen(soil) > qBlue(soil))
        << "brown soil at column " << x;
  }
}

// Each piece shows the top's art where the controls place it, the right-hand tree two pixels
// left of where the top has it and the grass band four pixels higher.
TEST(Scenery, PiecesShowTheTopShiftedAsTheGameDrawsThem) {
  const QPoint leftAndUp[kSceneryPieceCount] = {{0, 0}, {2, 0}, {0, 4}};
  const QImage top = SceneryTop();
  const QPoint topAt = ToQRect(pictures::SceneryTopPlace()).topLeft();
  for (int e = 0; e < kSceneryPieceCount; ++e) {
    const QImage piece = SceneryPiece(e);
    const QRect place = ToQRect(pictures::SceneryPiecePlace(e));
    ASSERT_EQ(piece.size(), place.size()) << "piece " << e;
    EXPECT_EQ(piece.format(), QImage::Format_ARGB32_Premultiplied);
    const QPoint from = place.topLeft() - topAt + leftAndUp[e];
    for (int y = 0; y < piece.height(); ++y) {
      for (int x = 0; x < piece.width(); ++x) {
        ASSERT_EQ(piece.pixel(x, y), top.pixel(from + QPoint(x, y)))
            << "piece " << e << " at " << x << "," << y;
      }
    }
  }
  EXPECT_TRUE(SceneryPiece(-1).isNull());
  EXPECT_TRUE(SceneryPiece(kSceneryPieceCount).isNull());
}

// The window draws the pieces above the blue duck, two pixels left of (the right-hand tree)
// and four pixels above (the grass band) where the top has them. Wherever the top has a pixel
// on screen the pieces must cover it: otherwise the duck would fly in front of that bit of
// tree or grass, and the edge of the top would show beside the edge of its shifted copy. The
// two columns at the right edge above the band lie outside every piece and cannot be covered.
TEST(Scenery, PiecesCoverAllOfTheTopThatLiesBeneathThem) {
  const QImage top = SceneryTop();
  const QPoint topAt = ToQRect(pictures::SceneryTopPlace()).topLeft();
  const QRect rightTree = ToQRect(pictures::SceneryPiecePlace(1));
  const QRect band = ToQRect(pictures::SceneryPiecePlace(2));
  const int clientWidth = kClientWidth / kTwipsPerPixel;
  int uncovered = 0;
  // The soil below the band shows only in the top.
  for (int y = topAt.y(); y <= band.bottom(); ++y) {
    for (int x = 0; x < clientWidth; ++x) {
      const bool outOfReach = x > rightTree.right() && y < band.top();
      if (outOfReach || !Opaque(top, x - topAt.x(), y - topAt.y())) {
        continue;
      }
      bool covered = false;
      for (int e = 0; e < kSceneryPieceCount && !covered; ++e) {
        const QImage piece = SceneryPiece(e);
        const QPoint p = QPoint(x, y) - ToQRect(pictures::SceneryPiecePlace(e)).topLeft();
        covered = piece.rect().contains(p) && Opaque(piece, p.x(), p.y());
      }
      if (!covered && uncovered++ < 20) {
        ADD_FAILURE() << "scenery in front of the blue duck at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(uncovered, 0);
}

TEST(Scenery, SkyIsOneExactColour) {
  EXPECT_EQ(SkyColour(), QColor(32, 160, 255));
  EXPECT_EQ(SkyColour().alpha(), 255);
  EXPECT_EQ(kSkyRgb, qRgb(32, 160, 255));
}

// ---- one reader and one derivation for every host -----------------------------------------

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// A picture as Qt's own XPM reader reads the file in the source tree.
QImage ReadByQt(const QString& name) {
  return QImage(QStringLiteral(REEDFALL_ASSETS_DIR "/") + name)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(SharedPictures, ReadEveryFileAsQtsOwnReaderDoes) {
  QStringList onDisk;
  for (QDirIterator it(QStringLiteral(REEDFALL_ASSETS_DIR), {QStringLiteral("*.xpm")}, QDir::Files,
                       QDirIterator::Subdirectories);
       it.hasNext();) {
    onDisk.append(QDir(QStringLiteral(REEDFALL_ASSETS_DIR)).relativeFilePath(it.next()));
  }
  QStringList compiledIn;
  for (const pictures::EmbeddedFile& file : pictures::EmbeddedFiles()) {
    const QString name = Name(file.name);
    compiledIn.append(name);
    QFile disk(QStringLiteral(REEDFALL_ASSETS_DIR "/") + name);
    ASSERT_TRUE(disk.open(QIODevice::ReadOnly)) << name.toStdString();
    EXPECT_EQ(disk.readAll(),
              QByteArray(file.text.data(), static_cast<qsizetype>(file.text.size())))
        << name.toStdString() << " is compiled in byte for byte";
    const pictures::DecodedXpm decoded = pictures::DecodeXpm(file.text);
    ASSERT_TRUE(decoded.ok()) << name.toStdString() << ": " << decoded.error;
    const QImage byQt = ReadByQt(name);
    ASSERT_FALSE(byQt.isNull()) << name.toStdString();
    EXPECT_EQ(ToQImage(decoded.image), byQt) << name.toStdString();
  }
  onDisk.sort();
  EXPECT_EQ(compiledIn, onDisk) << "every picture file is compiled in";
}

// What the window made with QImage before every host shared one derivation.
QImage Flipped(const QImage& image) { return image.mirrored(true, false); }

QImage Recoloured(const QImage& blue) {
  const std::array<std::pair<QRgb, QRgb>, 3> blueToRed{{
      {qRgb(0, 0, 128), qRgb(128, 0, 0)},
      {qRgb(160, 0, 128), qRgb(0, 0, 0)},
      {qRgb(40, 80, 200), qRgb(200, 48, 40)},
  }};
  QImage red = blue.copy(0, 0, blue.width(), 31);
  for (int y = 0; y < red.height(); ++y) {
    for (int x = 0; x < red.width(); ++x) {
      for (const auto& [from, to] : blueToRed) {
        if (red.pixel(x, y) == from) {
          red.setPixel(x, y, to);
        }
      }
    }
  }
  return red;
}

TEST(SharedPictures, DeriveWhatQImageDerives) {
  std::array<QImage, kFrameCount> blue;
  std::array<QImage, kFrameCount> red;
  for (const std::size_t pose : {0, 1, 4, 5, 8, 9}) {
    blue[pose] = ReadByQt(QStringLiteral("ducks/blue-%1.xpm").arg(pose));
    red[pose] = Recoloured(blue[pose]);
  }
  blue[2] = Flipped(blue[1]);
  blue[3] = Flipped(blue[0]);
  red[2] = Flipped(red[0]);
  red[3] = Flipped(red[1]);
  for (auto* frames : {&blue, &red}) {
    (*frames)[6] = Flipped((*frames)[4]);
    (*frames)[7] = Flipped((*frames)[5]);
    (*frames)[10] = Flipped((*frames)[9]);
  }
  for (int index = 0; index < kFrameCount; ++index) {
    const auto i = static_cast<std::size_t>(index);
    EXPECT_EQ(DuckFrame(DuckColour::Blue, index), blue[i]) << "blue " << index;
    EXPECT_EQ(DuckFrame(DuckColour::Red, index), red[i]) << "red " << index;
  }
  const QImage top = ReadByQt(QStringLiteral("scenery/top.xpm"));
  EXPECT_EQ(SceneryTop(), top);
  for (int e = 0; e < kSceneryPieceCount; ++e) {
    EXPECT_EQ(SceneryPiece(e), top.copy(ToQRect(pictures::SceneryPieceCut(e)))) << "piece " << e;
  }
  EXPECT_EQ(WindowIcon(), ReadByQt(QStringLiteral("icon/reedfall.xpm")));
  EXPECT_EQ(SmallWindowIcon(), ReadByQt(QStringLiteral("icon/reedfall-16.xpm")));
  EXPECT_EQ(Crosshair(), ReadByQt(QStringLiteral("cursor/crosshair.xpm")));
}

// ---- icon and pointer ----------------------------------------------------------------------

TEST(Icon, IsTheBlueDuckAt32By32InAtMost256Colours) {
  const QImage icon = WindowIcon();
  ASSERT_EQ(icon.size(), QSize(32, 32));
  EXPECT_TRUE(icon.hasAlphaChannel());
  QSet<QRgb> colours;
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      colours.insert(icon.pixel(x, y));
    }
  }
  EXPECT_LE(colours.size(), 256);
  EXPECT_FALSE(Opaque(icon, 0, 0) || Opaque(icon, 31, 0) || Opaque(icon, 0, 31) ||
               Opaque(icon, 31, 31));
  EXPECT_TRUE(colours.contains(qRgb(0, 0, 128)) && colours.contains(qRgb(160, 0, 128)));
  // Facing the player: the hit pose is the same on both sides.
  EXPECT_EQ(icon, icon.mirrored(true, false));
}

TEST(Crosshair, HotSpotIsTheMiddleOfTheRedDotInsideTheRing) {
  const QImage cursor = Crosshair();
  const QPoint hot = CrosshairHotSpot();
  ASSERT_EQ(cursor.size(), QSize(32, 32));
  EXPECT_EQ(hot, kCrosshairHotSpot);
  ASSERT_TRUE(cursor.rect().contains(hot));
  EXPECT_EQ(cursor.pixel(hot), qRgb(255, 0, 0));

  QRect dot;
  int black = 0;
  for (int y = 0; y < cursor.height(); ++y) {
    for (int x = 0; x < cursor.width(); ++x) {
      const QRgb p = cursor.pixel(x, y);
      if (p == qRgb(255, 0, 0)) {
        dot |= QRect(x, y, 1, 1);
      } else if (p == qRgb(0, 0, 0)) {
        ++black;
        // The ring and its ticks are centred on the dot.
        const QPoint opposite = 2 * hot - QPoint(x, y);
        EXPECT_TRUE(cursor.rect().contains(opposite) && cursor.pixel(opposite) == p)
            << x << "," << y;
      } else {
        EXPECT_EQ(qAlpha(p), 0) << "only black, red and clear at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(dot.center(), hot);
  EXPECT_LE(dot.width(), 5);
  EXPECT_GT(black, 40);
  // Ticks point outwards beyond the ring, straight above and to the left of the dot.
  EXPECT_EQ(cursor.pixel(hot.x(), hot.y() - 13), qRgb(0, 0, 0));
  EXPECT_EQ(cursor.pixel(hot.x() - 13, hot.y()), qRgb(0, 0, 0));
  EXPECT_EQ(qAlpha(cursor.pixel(hot.x() - 12, hot.y() - 12)), 0);
}

}  // namespace
}  // namespace reedfall::app
