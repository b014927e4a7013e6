// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/field.h"

#include <algorithm>
#include <cstddef>

#include "pictures/art_scale.h"
#include "pictures/pictures.h"

namespace reedfall::web {

namespace {

using pictures::Box;
using pictures::Image;
using pictures::Point;
using pictures::Rgba;

constexpr Box kFieldBox{0, 0, kClientWidthPx, kFieldHeightPx};
constexpr Rgba kBlack = pictures::Opaque(0, 0, 0);
constexpr Rgba kClear{};

Box Intersect(const Box& a, const Box& b) {
  const int left = std::max(a.x, b.x);
  const int top = std::max(a.y, b.y);
  const int right = std::min(a.x + a.width, b.x + b.width);
  const int bottom = std::min(a.y + a.height, b.y + b.height);
  if (right <= left || bottom <= top) {
    return {};
  }
  return {left, top, right - left, bottom - top};
}

Box BoxOf(const PixelBounds& bounds) {
  return {bounds.left, bounds.top, bounds.width, bounds.height};
}

void Fill(Image& onto, const Box& box, Rgba colour) {
  const Box area = Intersect(box, onto.Rect());
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      onto.SetPixel(x, y, colour);
    }
  }
}

// Pixel art: a drawn pixel covers what lies below it, a clear one leaves it showing.
void Draw(Image& onto, const Image& picture, Point at, const Box& clip) {
  const Box area =
      Intersect(Intersect({at.x, at.y, picture.width(), picture.height()}, clip), onto.Rect());
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      const Rgba pixel = picture.Pixel(x - at.x, y - at.y);
      if (pixel.a != 0) {
        onto.SetPixel(x, y, pixel);
      }
    }
  }
}

// The canvas takes straight colours; the averaged art comes premultiplied.
void Unpremultiply(Image& image, const Box& box) {
  const Box area = Intersect(box, image.Rect());
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      Rgba p = image.Pixel(x, y);
      if (p.a != 0 && p.a != 255) {
        const auto straight = [a = p.a](std::uint8_t c) {
          return static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
        };
        p = {straight(p.r), straight(p.g), straight(p.b), p.a};
        image.SetPixel(x, y, p);
      }
    }
  }
}

// One picture's art, where it meets `clip`.
void DrawPicture(Image& onto, const PictureView& picture, const Box& clip) {
  const Box place = BoxOf(picture.place);
  switch (picture.art.shows) {
    case Shows::Sky:
      // One flat colour, stretched over the control's rectangle.
      Fill(onto, Intersect(place, clip), pictures::kSkyColour);
      break;
    case Shows::Scenery:
      Draw(onto, pictures::SceneryTop(), {place.x, place.y}, clip);
      break;
    case Shows::SceneryPiece:
      Draw(onto, pictures::SceneryPiece(picture.art.index), {place.x, place.y}, clip);
      break;
    case Shows::DuckFrames:
      Draw(onto, pictures::DuckFrame(static_cast<DuckColour>(picture.art.index), picture.frame),
           {place.x, place.y}, clip);
      break;
    case Shows::Label:
      break;  // the page's own text, between the layers
  }
}

}  // namespace

Field::Field(const View& view)
    : view_(view), below_(kClientWidthPx, kFieldHeightPx), above_(kClientWidthPx, kFieldHeightPx) {
  DrawLayer(below_, Layer::BelowMessage, kFieldBox);
  DrawLayer(above_, Layer::AboveMessage, kFieldBox);
  changed_.push_back(kFieldBox);
}

void Field::DrawLayer(Image& onto, Layer layer, const Box& clip) const {
  // Where no picture lies the window's black shows; above the message, the page's text.
  Fill(onto, clip, layer == Layer::BelowMessage ? kBlack : kClear);
  // Up the stack, from the sky to the message, or from the message to the top.
  const std::size_t bottom = layer == Layer::BelowMessage ? kControlCount : kMessageLayer;
  const std::size_t top = layer == Layer::BelowMessage ? kMessageLayer + 1 : 0;
  for (std::size_t i = bottom; i-- > top;) {
    DrawPicture(onto, view_.pictures().at(i), clip);
  }
}

void Field::SetFactor(double factor) {
  factor_ = factor < 1 ? factor : 1;
  changed_.clear();
  belowChanged_ = true;
  if (factor_ < 1) {
    const Box device = pictures::DeviceRect(kFieldBox, factor_);
    belowScaled_ = pictures::ScaleArt(below_, factor_, {}, device);
    aboveScaled_ = pictures::ScaleArt(above_, factor_, {}, device);
    Unpremultiply(belowScaled_, belowScaled_.Rect());
    Unpremultiply(aboveScaled_, aboveScaled_.Rect());
  } else {
    belowScaled_ = Image();
    aboveScaled_ = Image();
  }
  changed_.push_back({0, 0, width(), height()});
}

void Field::Redraw(const std::vector<PixelBounds>& places) {
  for (const PixelBounds& place : places) {
    RedrawAbove(BoxOf(place));
  }
}

void Field::RedrawAbove(const Box& art) {
  const Box area = Intersect(art, kFieldBox);
  if (area.IsEmpty()) {
    return;
  }
  DrawLayer(above_, Layer::AboveMessage, area);
  if (factor_ >= 1) {
    changed_.push_back(area);
    return;
  }
  const Box device = Intersect(pictures::DeviceRect(area, factor_), aboveScaled_.Rect());
  const Image scaled = pictures::ScaleArt(above_, factor_, {}, device);
  for (int y = 0; y < device.height; ++y) {
    for (int x = 0; x < device.width; ++x) {
      aboveScaled_.SetPixel(device.x + x, device.y + y, scaled.Pixel(x, y));
    }
  }
  Unpremultiply(aboveScaled_, device);
  changed_.push_back(device);
}

std::vector<Box> Field::TakeChanged() {
  belowChanged_ = false;
  std::vector<Box> changed;
  changed.swap(changed_);
  return changed;
}

const Image& Field::Pixels(Layer layer) const {
  if (factor_ < 1) {
    return layer == Layer::BelowMessage ? belowScaled_ : aboveScaled_;
  }
  return layer == Layer::BelowMessage ? below_ : above_;
}

int Field::width() const { return Pixels(Layer::BelowMessage).width(); }

int Field::height() const { return Pixels(Layer::BelowMessage).height(); }

}  // namespace reedfall::web
