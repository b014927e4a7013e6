// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the game sees it: its pictures and labels, where they lie, in which order
// they stack, and which one takes a click. Positions are twips of the client area (15 to a
// pixel, origin top-left, Top growing downward), kept exactly as the routines write them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "world/sprites.h"

namespace reedfall {

inline constexpr int kClientWidth = 7305;   // twips: 487 pixels
inline constexpr int kClientHeight = 7140;  // twips: 476 pixels

// The play field's controls, topmost first: the order in which they take clicks, and the
// reverse of the order in which they are drawn. Each has a row in kControls below.
enum class Control : std::uint8_t {
  imgRedD,
  Image1_2,
  Image1_1,
  Image1_0,
  imgDuck,
  lblMessage,
  imgTop,
  imgback,
};

inline constexpr int kControlCount = 8;

// A windowless picture. Width and Height follow the picture it shows (the sky is stretched).
struct Picture {
  float Left = 0;
  float Top = 0;
  int Width = 0;   // twips
  int Height = 0;  // twips
};

// A duck's picture also tells which frame of its colour it shows.
struct DuckPicture : Picture {
  DuckColour colour = DuckColour::Blue;
  int frame = 0;
};

struct Rect {
  double left;
  double top;
  double width;
  double height;

  [[nodiscard]] constexpr bool Contains(double x, double y) const {
    return left <= x && x < left + width && top <= y && y < top + height;
  }
};

constexpr Rect RectOf(const Picture& picture) {
  return {picture.Left, picture.Top, static_cast<double>(picture.Width),
          static_cast<double>(picture.Height)};
}

// Shows frame `index` of the duck's colour: the rectangle takes the frame's size and keeps its
// Left and Top. There is no frame outside 0 to 10; such an index leaves the picture alone.
void ShowFrame(DuckPicture& duck, int index);

struct Label {
  std::string Caption;
  bool Visible = false;
};

// In the order in which the driver's dump lists them.
enum class LabelId : std::uint8_t {
  lbltime,
  lblRound,
  lblHS,
  lblDK,
  lbldm,
  lblS,
  lblsl,
  lblsm,
  lblMessage,
};

inline constexpr int kLabelCount = 9;

struct LabelSpec {
  LabelId id;
  std::string_view name;
  Rect rect;  // twips
  std::string_view captionAtLoad;
  bool visibleAtLoad;
};

// The eight status labels lie below the play field in three columns; lblMessage lies across
// the middle of the field.
inline constexpr std::array<LabelSpec, kLabelCount> kLabelTable{{
    {LabelId::lbltime, "lbltime", {120, 6000, 1935, 255}, "Time Left: 120", false},
    {LabelId::lblRound, "lblRound", {5280, 6000, 1815, 255}, "Round: 1", false},
    {LabelId::lblHS, "lblHS", {5280, 6360, 1815, 255}, "HighScore: 0000", false},
    {LabelId::lblDK, "lblDK", {120, 6360, 1935, 255}, "Ducks Killed: 0", false},
    {LabelId::lbldm, "lbldm", {120, 6720, 1575, 255}, "Ducks Missed: 0", false},
    {LabelId::lblS, "lblS", {2160, 6360, 1575, 255}, "Shot Used: 0", false},
    {LabelId::lblsl, "lblsl", {2160, 6000, 1575, 255}, "Shots Left: 35", false},
    {LabelId::lblsm, "lblsm", {2160, 6720, 1575, 255}, "Shots Missed: 0", false},
    {LabelId::lblMessage,
     "lblMessage",
     {0, 1800, 7335, 615},
     "Click Here To Start The Game!!!",
     true},
}};

constexpr const LabelSpec& Spec(LabelId id) { return kLabelTable.at(static_cast<std::size_t>(id)); }

// Where the duck pictures lie when the window opens: beyond the right edge of the client area.
inline constexpr float kBlueDuckLeftAtLoad = 7800;
inline constexpr float kBlueDuckTopAtLoad = 4680;
inline constexpr float kRedDuckLeftAtLoad = 7800;
inline constexpr float kRedDuckTopAtLoad = 4080;

// The scenery and the sky never move. The three Image1 pieces repeat parts of imgTop so that
// they can lie above the blue duck: it flies behind the trees and the grass band.
inline constexpr Picture kImage1_0{0, 3120, 1020, 2460};
inline constexpr Picture kImage1_1{6240, 3120, 1035, 2460};
inline constexpr Picture kImage1_2{0, 4440, 7335, 1080};
inline constexpr Picture kImgTop{0, 3120, 7335, 2460};
inline constexpr Picture kImgBack{0, -360, 7335, 5895};  // the sky, stretched

// The window's controls with their current state.
struct MainWindowControls {
  MainWindowControls();

  DuckPicture imgDuck;
  DuckPicture imgRedD;
  std::array<Label, kLabelCount> labels;

  [[nodiscard]] const DuckPicture& duck(DuckColour colour) const {
    return colour == DuckColour::Red ? imgRedD : imgDuck;
  }
  Label& label(LabelId id) { return labels.at(static_cast<std::size_t>(id)); }
  [[nodiscard]] const Label& label(LabelId id) const {
    return labels.at(static_cast<std::size_t>(id));
  }
};

// What a control shows: the kinds of art that a host's painter draws.
enum class Shows : std::uint8_t {
  Sky,           // one flat colour over the control's whole rectangle
  Scenery,       // the scenery in front of the sky
  SceneryPiece,  // a piece of the scenery that lies above the blue duck; `index`: which piece
  DuckFrames,    // the frame that the duck's picture shows; `index`: the DuckColour
  Label,         // a label's text; `index`: the LabelId
};

struct Art {
  Shows shows;
  int index = 0;
  friend constexpr bool operator==(const Art&, const Art&) = default;
};

// One row per control of the play field, in stacking order: what it is called, what it shows
// and where it lies. Click routing, the driver's names and the hosts' painters read it; frmMain
// wires each control's handlers beside it (frmmain/wiring.h).
struct ControlRow {
  Control id;
  std::string_view name;  // as the driver's scripts name it
  Art art;
  // Where it lies now, in twips, shown or not; a hidden control takes no clicks.
  Rect (*rect)(const MainWindowControls& controls);
  bool (*shown)(const MainWindowControls& controls);
};

namespace detail {
constexpr bool Always(const MainWindowControls& /*controls*/) { return true; }
template <const Picture& kPlace>
constexpr Rect Fixed(const MainWindowControls& /*controls*/) {
  return RectOf(kPlace);
}
inline Rect BlueDuckRect(const MainWindowControls& c) { return RectOf(c.imgDuck); }
inline Rect RedDuckRect(const MainWindowControls& c) { return RectOf(c.imgRedD); }
inline Rect MessageRect(const MainWindowControls& /*c*/) { return Spec(LabelId::lblMessage).rect; }
inline bool MessageShown(const MainWindowControls& c) {
  return c.label(LabelId::lblMessage).Visible;
}
constexpr Art DuckArt(DuckColour colour) { return {Shows::DuckFrames, static_cast<int>(colour)}; }
constexpr Art PieceArt(int piece) { return {Shows::SceneryPiece, piece}; }
constexpr Art LabelArt(LabelId id) { return {Shows::Label, static_cast<int>(id)}; }
}  // namespace detail

inline constexpr std::array<ControlRow, kControlCount> kControls{{
    {Control::imgRedD, "imgRedD", detail::DuckArt(DuckColour::Red), detail::RedDuckRect,
     detail::Always},
    {Control::Image1_2, "Image1(2)", detail::PieceArt(2), detail::Fixed<kImage1_2>, detail::Always},
    {Control::Image1_1, "Image1(1)", detail::PieceArt(1), detail::Fixed<kImage1_1>, detail::Always},
    {Control::Image1_0, "Image1(0)", detail::PieceArt(0), detail::Fixed<kImage1_0>, detail::Always},
    {Control::imgDuck, "imgDuck", detail::DuckArt(DuckColour::Blue), detail::BlueDuckRect,
     detail::Always},
    {Control::lblMessage, "lblMessage", detail::LabelArt(LabelId::lblMessage), detail::MessageRect,
     detail::MessageShown},
    {Control::imgTop, "imgTop", {Shows::Scenery}, detail::Fixed<kImgTop>, detail::Always},
    {Control::imgback, "imgback", {Shows::Sky}, detail::Fixed<kImgBack>, detail::Always},
}};

constexpr const ControlRow& Row(Control id) { return kControls.at(static_cast<std::size_t>(id)); }

constexpr bool RowsInStackingOrder() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (static_cast<std::size_t>(kControls.at(i).id) != i) {
      return false;
    }
  }
  return true;
}
static_assert(RowsInStackingOrder(), "kControls lists each control at its place in the stack");

// The names by which the driver's scripts address the controls.
constexpr std::string_view ControlName(Control control) { return Row(control).name; }
constexpr std::optional<Control> ControlByName(std::string_view name) {
  for (const ControlRow& row : kControls) {
    if (row.name == name) {
      return row.id;
    }
  }
  return std::nullopt;
}

}  // namespace reedfall
