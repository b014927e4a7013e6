// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A game on a fake host for the core's tests: draws come from a queue, boxes and the end of
// the program are recorded.
#pragma once

#include <cmath>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "flight/duck.h"
#include "frmmain/frmmain.h"
#include "world/random.h"

namespace reedfall {

// The tests put the world into states that play reaches only after minutes.
struct FrmMainTestAccess {
  static World& Of(frmMain& form) { return form.world_; }
};

}  // namespace reedfall

namespace reedfall::testing {

struct FakeHost final : MessageBoxHost, RandomSource, ProgramHost {
  void ShowMessageBox(std::string_view text, std::string_view title) override {
    boxes.push_back({std::string(title), std::string(text)});
  }
  void Randomize() override { ++reseeds; }
  double Next() override {
    ++draws;
    if (queue.empty()) {
      return generator.NextUnit();
    }
    const double r = queue.front();
    queue.pop_front();
    return r;
  }
  void EndProgram() override { ++ends; }

  struct Box {
    std::string title;
    std::string text;
  };
  std::vector<Box> boxes;
  std::deque<double> queue;
  Pcg32 generator{7};
  int reseeds = 0;
  int draws = 0;
  int ends = 0;
};

class TestGame {
 public:
  TestGame() : game(Platform{host, host, host}) {}

  FakeHost host;
  frmMain game;

  World& world() { return FrmMainTestAccess::Of(game); }
  GameState& s() { return world().state; }
  MainWindowControls& w() { return world().controls; }
  DuckPicture& blue() { return w().imgDuck; }
  DuckPicture& red() { return w().imgRedD; }
  std::string caption(LabelId id) { return w().label(id).Caption; }
  bool visible(LabelId id) { return w().label(id).Visible; }
  void Enable(TimerId id) { world().timers.Enable(id); }
  void Disable(TimerId id) { world().timers.Disable(id); }

  void Draws(std::initializer_list<double> draws) { host.queue.insert(host.queue.end(), draws); }
  void Wait(std::int64_t ms) { game.AdvanceTo(game.Now() + ms); }

  // The start prompt, with the blue duck's first launch drawn from `draws`.
  void StartFromPrompt(std::initializer_list<double> draws = {0.75, 0, 0}) {
    Draws(draws);
    game.Click(3650, 2000);
  }

  // A click in the middle of a duck's picture, the way a player aims.
  std::optional<Control> ClickMiddleOf(const DuckPicture& duck) {
    return game.Click(std::floor(duck.Left) + duck.Width / 2,
                      std::floor(duck.Top) + duck.Height / 2);
  }

  // Puts the blue duck in open sky, flying, the way a launch would, without drawing.
  void PlaceBlueInOpenSky(float left = 3000, float top = 1000) {
    s().DuckDir = 1;
    s().DuckSpeed = 1;
    s().DuckFrame = -1;
    s().DuckDown = false;
    blue().Left = left;
    blue().Top = top;
    Enable(TimerId::timDuck);
    Disable(TimerId::timDead);
  }
};

}  // namespace reedfall::testing
