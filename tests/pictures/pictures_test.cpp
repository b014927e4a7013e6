// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared pictures without Qt: the XPM reader on good and broken text, the compiled-in
// pictures, and the scaler of pixel art. That they equal what Qt reads and derives is checked
// in tests/assets/.
#include "pictures/pictures.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/art_scale.h"
#include "pictures/embedded.h"
#include "pictures/scenery.h"
#include "pictures/xpm.h"

namespace reedfall::pictures {
namespace {

constexpr Rgba kClear{};
constexpr Rgba kBlack = Opaque(0, 0, 0);
constexpr Rgba kWhite = Opaque(255, 255, 255);
constexpr Rgba kRed = Opaque(255, 0, 0);

// Two chars a pixel, a hot spot, comments between the strings and a key with a space in it.
constexpr std::string_view kGood =
    "/* XPM */\n"
    "static const char *const good[] = {\n"
    "/* columns rows colours chars-per-pixel */\n"
    "\"3 2 3 2 1 1\",\n"
    "\". c None\",\n"
    "\"ab c #FF0000\",\n"
    "\"Zz  s dark c #000000\",\n"
    "/* pixels */\n"
    "\". abZz\",\n"
    "\"Zz. ab\"\n"
    "};\n";

TEST(Xpm, ReadsKeysOfSeveralCharsAndTransparency) {
  const DecodedXpm decoded = DecodeXpm(kGood);
  ASSERT_TRUE(decoded.ok()) << decoded.error;
  ASSERT_EQ(decoded.image.width(), 3);
  ASSERT_EQ(decoded.image.height(), 2);
  const std::vector<Rgba> expected{kClear, kRed, kBlack, kBlack, kClear, kRed};
  EXPECT_EQ(std::vector<Rgba>(decoded.image.Pixels().begin(), decoded.image.Pixels().end()),
            expected);
  // The bytes a canvas takes: R, G, B, A.
  const std::span<const std::uint8_t> bytes = decoded.image.Bytes();
  ASSERT_EQ(bytes.size(), 4U * 3 * 2);
  EXPECT_EQ((std::vector<int>{bytes[4], bytes[5], bytes[6], bytes[7]}),
            (std::vector<int>{255, 0, 0, 255}));
}

std::string Replaced(std::string_view what, std::string_view by) {
  std::string text(kGood);
  const std::size_t at = text.find(what);
  EXPECT_NE(at, std::string::npos) << what;
  return text.replace(at, what.size(), by);
}

struct Broken {
  const char* name;
  std::string text;
  std::string_view reason;  // a part of the error
};

TEST(Xpm, RefusesBrokenTextWithAReason) {
  const std::vector<Broken> cases{
      {"not XPM", "static char* x[] = {\"1 1 1 1\"};", "does not start with /* XPM */"},
      {"cut in a string", std::string(kGood.substr(0, kGood.find("abZz"))), "does not end"},
      {"cut after a string", std::string(kGood.substr(0, kGood.rfind('}'))), "does not end"},
      {"no semicolon", std::string(kGood.substr(0, kGood.rfind(';'))), "no semicolon"},
      {"comment never ends", Replaced("/* pixels */", "/* pixels"), "comment does not end"},
      {"escape", Replaced("\". abZz\"", "\". \\\"bZz\""), "escape"},
      {"a row missing", Replaced("\"3 2 3 2 1 1\"", "\"3 3 3 2\""), "truncated"},
      {"a row too many", Replaced("\"3 2 3 2 1 1\"", "\"3 1 3 2\""), "more strings"},
      {"values not numbers", Replaced("\"3 2 3 2 1 1\"", "\"3 2 x 2\""), "not a whole number"},
      {"too few values", Replaced("\"3 2 3 2 1 1\"", "\"3 2 3\""), "values line"},
      {"zero width", Replaced("\"3 2 3 2 1 1\"", "\"0 2 3 2\""), "a size from 1"},
      {"huge width", Replaced("\"3 2 3 2 1 1\"", "\"99999 2 3 2\""), "a size from 1"},
      {"chars per pixel", Replaced("\"3 2 3 2 1 1\"", "\"3 2 3 9\""), "chars per pixel"},
      {"bad hex digit", Replaced("#FF0000", "#FF00G0"), "neither #RRGGBB nor None"},
      {"short colour", Replaced("#FF0000", "#F00"), "neither #RRGGBB nor None"},
      {"colour by name", Replaced("#FF0000", "red"), "neither #RRGGBB nor None"},
      {"no c key", Replaced("ab c #FF0000", "ab m #FF0000"), "no colour for a colour screen"},
      {"no key at all", Replaced("ab c #FF0000", "ab #FF0000"), "no key of a colour"},
      {"key twice", Replaced("Zz  s dark", "ab  s dark"), "stands twice"},
      {"row too short", Replaced("\". abZz\"", "\". ab\""), "row 0: 4 chars, not 6"},
      {"row too long", Replaced("\"Zz. ab\"", "\"Zz. abab\""), "row 1: 8 chars, not 6"},
      {"unknown pixel", Replaced("\"Zz. ab\"", "\"Zz. aX\""), "row 1, column 2"},
      {"text after", std::string(kGood) + "x", "text after the array"},
  };
  for (const Broken& c : cases) {
    const DecodedXpm decoded = DecodeXpm(c.text);
    EXPECT_FALSE(decoded.ok()) << c.name;
    EXPECT_NE(decoded.error.find(c.reason), std::string::npos)
        << c.name << ": \"" << decoded.error << "\" says nothing of \"" << c.reason << "\"";
    EXPECT_TRUE(decoded.image.IsEmpty()) << c.name;
  }
}

// Every cut short of the end is refused, and none reads beyond the text (the sanitizers' run).
TEST(Xpm, RefusesTheTextCutAnywhere) {
  const std::size_t end = kGood.rfind(';') + 1;
  for (std::size_t size = 0; size < end; ++size) {
    EXPECT_FALSE(DecodeXpm(std::string(kGood.substr(0, size))).ok()) << size << " bytes";
  }
  EXPECT_TRUE(DecodeXpm(kGood.substr(0, end)).ok());
}

// ---- the pictures compiled in --------------------------------------------------------------

TEST(Pictures, EveryCompiledInFileReads) {
  ASSERT_EQ(EmbeddedFiles().size(), 10U);
  for (const EmbeddedFile& file : EmbeddedFiles()) {
    const DecodedXpm decoded = DecodeXpm(file.text);
    EXPECT_TRUE(decoded.ok()) << file.name << ": " << decoded.error;
    EXPECT_EQ(EmbeddedText(file.name), file.text);
  }
  EXPECT_TRUE(EmbeddedText("ducks/blue-2.xpm").empty()) << "a mirror, never drawn";
}

TEST(Pictures, HaveTheSizesOfTheFrameTableAndTheControls) {
  for (const DuckColour colour : {DuckColour::Blue, DuckColour::Red}) {
    for (int index = 0; index < kFrameCount; ++index) {
      const FrameSize size = FrameSizePx(colour, index);
      EXPECT_EQ(DuckFrame(colour, index).Rect(), (Box{0, 0, size.width, size.height})) << index;
    }
    EXPECT_TRUE(DuckFrame(colour, -1).IsEmpty());
    EXPECT_TRUE(DuckFrame(colour, kFrameCount).IsEmpty());
  }
  const Box top = SceneryTopPlace();
  EXPECT_EQ(SceneryTop().Rect(), (Box{0, 0, top.width, top.height}));
  for (int e = 0; e < kSceneryPieceCount; ++e) {
    const Box place = SceneryPiecePlace(e);
    EXPECT_EQ(SceneryPiece(e).Rect(), (Box{0, 0, place.width, place.height})) << e;
  }
  EXPECT_TRUE(SceneryPiece(kSceneryPieceCount).IsEmpty());
  EXPECT_EQ(WindowIcon().Rect(), (Box{0, 0, 32, 32}));
  EXPECT_EQ(SmallWindowIcon().Rect(), (Box{0, 0, 16, 16}));
  EXPECT_EQ(Crosshair().Pixel(kCrosshairHotSpot.x, kCrosshairHotSpot.y), kRed);
  EXPECT_EQ(&DuckFrame(DuckColour::Red, 3), &DuckFrame(DuckColour::Red, 3)) << "made once";
}

// ---- the scaler ----------------------------------------------------------------------------

Image Row(std::vector<Rgba> pixels) {
  Image image(static_cast<int>(pixels.size()), 1);
  for (std::size_t x = 0; x < pixels.size(); ++x) {
    image.SetPixel(static_cast<int>(x), 0, pixels[x]);
  }
  return image;
}

std::vector<Rgba> FirstRow(const Image& image) {
  std::vector<Rgba> row;
  for (int x = 0; x < image.width(); ++x) {
    row.push_back(image.Pixel(x, 0));
  }
  return row;
}

TEST(ArtScale, WholeFactorsMakeEvenBlocks) {
  const Image art = Row({kBlack, kWhite});
  const Image scaled = ScaleArt(art, 2, {}, {0, 0, 4, 2});
  for (const int y : {0, 1}) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(scaled.Pixel(x, y), x < 2 ? kBlack : kWhite) << x << "," << y;
    }
  }
}

// At 1.5 the middle one of three device pixels lies half on each art pixel.
TEST(ArtScale, FractionalFactorsAverageByCoveredShare) {
  EXPECT_EQ(FirstRow(ScaleArt(Row({kBlack, kWhite}), 1.5, {}, {0, 0, 3, 1})),
            (std::vector<Rgba>{kBlack, Opaque(128, 128, 128), kWhite}));
  // Premultiplied: half-covered clear and red is half red at half alpha.
  EXPECT_EQ(FirstRow(ScaleArt(Row({kClear, kRed}), 1.5, {}, {0, 0, 3, 1})),
            (std::vector<Rgba>{kClear, Rgba{128, 0, 0, 128}, kRed}));
  // A straight pixel given by mistake still comes out premultiplied: no colour above alpha.
  EXPECT_EQ(FirstRow(ScaleArt(Row({Rgba{200, 50, 0, 100}}), 1, {}, {0, 0, 1, 1})),
            (std::vector<Rgba>{Rgba{100, 50, 0, 100}}));
  // 1.25: device pixel 1 covers art [0.8, 1.6): a quarter black, three quarters white.
  EXPECT_EQ(FirstRow(ScaleArt(Row({kBlack, kWhite}), 1.25, {}, {0, 0, 3, 1})),
            (std::vector<Rgba>{kBlack, Opaque(191, 191, 191), kWhite}));
}

TEST(ArtScale, TheOriginMovesTheArtAndTheEdgeRepeatsIt) {
  // Device pixels 0 and 1 lie left of the art, which starts at device pixel 2.
  EXPECT_EQ(FirstRow(ScaleArt(Row({kRed, kWhite}), 1, {2, 0}, {0, 0, 5, 1})),
            (std::vector<Rgba>{kRed, kRed, kRed, kWhite, kWhite}));
  // A device rectangle inside the scaled art: only its pixels, from its corner.
  EXPECT_EQ(FirstRow(ScaleArt(Row({kBlack, kWhite, kRed}), 2, {}, {3, 0, 2, 1})),
            (std::vector<Rgba>{kWhite, kRed}));
  EXPECT_EQ(FirstRow(ScaleArt(Image(), 1.5, {}, {0, 0, 2, 1})),
            (std::vector<Rgba>{kClear, kClear}));
}

// A host's own buffer in its own channel order, here Qt's on a little-endian machine.
TEST(ArtScale, ReadsAndWritesEachChannelWhereTheViewSays) {
  constexpr ChannelOrder kBgra{2, 1, 0, 3};
  const std::vector<std::uint8_t> art{10, 20, 30, 255, 0, 0, 0, 0};  // B, G, R, A twice
  std::vector<std::uint8_t> out(4 * 3);
  ScaleArt({art, 2, 1, 8, kBgra}, 1.5, {}, {0, 0, 3, 1}, {out, 3, 1, 12, kBgra});
  EXPECT_EQ(out, (std::vector<std::uint8_t>{10, 20, 30, 255, 5, 10, 15, 128, 0, 0, 0, 0}));
  // Bytes too few for the view's size: nothing is written there, nothing read from there.
  const std::vector<std::uint8_t> before = out;
  ScaleArt({art, 2, 1, 8, kBgra}, 1.5, {}, {0, 0, 3, 1},
           {std::span(out).first(11), 3, 1, 12, kBgra});
  EXPECT_EQ(out, before);
  ScaleArt({std::span(art).first(7), 2, 1, 8, kBgra}, 1.5, {}, {0, 0, 3, 1},
           {out, 3, 1, 12, kBgra});
  EXPECT_EQ(out, std::vector<std::uint8_t>(12, 0));
}

TEST(ArtScale, DeviceRectTakesEveryDevicePixelTheArtTouches) {
  EXPECT_EQ(DeviceRect({1, 1, 1, 1}, 1.5), (Box{1, 1, 2, 2}));
  EXPECT_EQ(DeviceRect({0, 0, 1, 1}, 1.25), (Box{0, 0, 2, 2}));
  EXPECT_EQ(DeviceRect({2, 0, 2, 1}, 1.5), (Box{3, 0, 3, 2}));
  EXPECT_EQ(DeviceRect({0, 0, 487, 372}, 1.25), (Box{0, 0, 609, 465}));
  EXPECT_EQ(DeviceRect({5, 7, 3, 2}, 2), (Box{10, 14, 6, 4}));
}

TEST(ArtScale, WholeFactorsAreOneAndUp) {
  for (const double factor : {1.0, 2.0, 3.0, 2.0000001}) {
    EXPECT_TRUE(IsWholeFactor(factor)) << factor;
  }
  for (const double factor : {0.0, 0.5, 1.25, 1.5, 1.999}) {
    EXPECT_FALSE(IsWholeFactor(factor)) << factor;
  }
}

}  // namespace
}  // namespace reedfall::pictures
