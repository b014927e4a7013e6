// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/pictures.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "pictures/embedded.h"
#include "pictures/scenery.h"
#include "pictures/xpm.h"

namespace reedfall::pictures {
namespace {

// Every red frame is 31 pixels high; the poses drawn for the blue duck at 29 pixels get two
// empty rows at the bottom, so the red duck's body sits where the blue one's does.
constexpr int kRedFrameHeight = 31;

// The red duck is the blue duck in its own colours: its body is dark red where the blue one's
// is dark blue, its head black where the blue one's is purple, its wing a lighter red. Bill,
// feet, eyes and white feathers stay as they are.
constexpr std::array<std::pair<Rgba, Rgba>, 3> kBlueToRed{{
    {Opaque(0, 0, 128), Opaque(128, 0, 0)},
    {Opaque(160, 0, 128), Opaque(0, 0, 0)},
    {Opaque(40, 80, 200), Opaque(200, 48, 40)},
}};

Image Load(std::string_view name) {
  const std::string_view text = EmbeddedText(name);
  DecodedXpm decoded = DecodeXpm(text);
  if (!decoded.ok()) {
    // The pictures are compiled in and tested; an unreadable one means a broken build.
    const std::string message = "Reedfall: the picture " + std::string(name) +
                                " in the program is unreadable: " +
                                (text.empty() ? std::string("missing") : decoded.error) + "\n";
    static_cast<void>(std::fputs(message.c_str(), stderr));
    std::abort();
  }
  return std::move(decoded.image);
}

Image InRedColours(const Image& blue) {
  Image red = Copy(blue, {0, 0, blue.width(), kRedFrameHeight});  // new rows come out clear
  for (Rgba& pixel : red.Pixels()) {
    for (const auto& [from, to] : kBlueToRed) {
      if (pixel == from) {  // pixel art: every drawn pixel is fully opaque
        pixel = to;
        break;
      }
    }
  }
  return red;
}

using Frames = std::array<Image, kFrameCount>;

// Six poses are drawn; the rightward frames are their mirror images. The red duck beats its
// wings in the opposite phase to the blue one when it flies slowly to the right, so its frames
// 2 and 3 mirror 0 and 1 where the blue duck's mirror 1 and 0.
Frames BlueFrames() {
  Frames f;
  f[0] = Load("ducks/blue-0.xpm");
  f[1] = Load("ducks/blue-1.xpm");
  f[2] = Mirrored(f[1]);
  f[3] = Mirrored(f[0]);
  f[4] = Load("ducks/blue-4.xpm");
  f[5] = Load("ducks/blue-5.xpm");
  f[6] = Mirrored(f[4]);
  f[7] = Mirrored(f[5]);
  f[8] = Load("ducks/blue-8.xpm");
  f[9] = Load("ducks/blue-9.xpm");
  f[10] = Mirrored(f[9]);
  return f;
}

Frames RedFrames(const Frames& blue) {
  Frames f;
  for (const std::size_t pose : {0, 1, 4, 5, 8, 9}) {
    f.at(pose) = InRedColours(blue.at(pose));
  }
  f[2] = Mirrored(f[0]);
  f[3] = Mirrored(f[1]);
  f[6] = Mirrored(f[4]);
  f[7] = Mirrored(f[5]);
  f[10] = Mirrored(f[9]);
  return f;
}

// Each part is made once, on first use, whichever thread comes first; never changed after. They
// are made apart so that a host with one thread for everything (the web page) can take them one
// at a time between its other work (PreparePart), instead of in one long stop.
const Frames& Blue() {
  static const Frames frames = BlueFrames();
  return frames;
}

const Frames& Red() {
  static const Frames frames = RedFrames(Blue());
  return frames;
}

const Image& Top() {
  static const Image top = Load("scenery/top.xpm");
  return top;
}

const std::array<Image, kSceneryPieceCount>& Pieces() {
  static const std::array<Image, kSceneryPieceCount> pieces = [] {
    std::array<Image, kSceneryPieceCount> cut;
    for (int e = 0; e < kSceneryPieceCount; ++e) {
      cut.at(static_cast<std::size_t>(e)) = Copy(Top(), SceneryPieceCut(e));
    }
    return cut;
  }();
  return pieces;
}

struct Small {
  Image icon;
  Image smallIcon;
  Image crosshair;
};

const Small& Icons() {
  static const Small small{Load("icon/reedfall.xpm"), Load("icon/reedfall-16.xpm"),
                           Load("cursor/crosshair.xpm")};
  return small;
}

const Image& None() {
  static const Image none;
  return none;
}

}  // namespace

std::string_view EmbeddedText(std::string_view name) {
  const std::span<const EmbeddedFile> files = EmbeddedFiles();
  const auto found = std::lower_bound(
      files.begin(), files.end(), name,
      [](const EmbeddedFile& file, std::string_view key) { return file.name < key; });
  return found != files.end() && found->name == name ? found->text : std::string_view();
}

bool PreparePart(int part) {
  switch (part) {
    case 0:
      static_cast<void>(Blue());
      return true;
    case 1:
      static_cast<void>(Red());
      return true;
    case 2:
      static_cast<void>(Top());
      return true;
    case 3:
      static_cast<void>(Pieces());
      static_cast<void>(Icons());
      return true;
    default:
      return false;
  }
}

const Image& DuckFrame(DuckColour colour, int index) {
  if (!IsFrameIndex(index)) {
    return None();
  }
  const Frames& frames = colour == DuckColour::Red ? Red() : Blue();
  return frames.at(static_cast<std::size_t>(index));
}

const Image& SceneryTop() { return Top(); }

const Image& SceneryPiece(int element) {
  if (element < 0 || element >= kSceneryPieceCount) {
    return None();
  }
  return Pieces().at(static_cast<std::size_t>(element));
}

const Image& WindowIcon() { return Icons().icon; }

const Image& SmallWindowIcon() { return Icons().smallIcon; }

const Image& Crosshair() { return Icons().crosshair; }

}  // namespace reedfall::pictures
