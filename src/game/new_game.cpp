// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/new_game.h"

#include "flight/launch.h"
#include "game/rules.h"
#include "world/status_text.h"
#include "world/world.h"

namespace reedfall {

namespace {

// Where a new game parks the red duck: beyond the right edge, out of reach of every click.
constexpr float kRedParkLeft = 7800;
constexpr float kRedParkTop = 465;

}  // namespace

void Form_Load(World& w) {
  w.GameStarted = false;
  w.state.Round = 1;
  w.state.RedFrame = 0;
  w.state.TimeLeft = kRound1TimeLimit;
  w.state.ShotsLeft = kShotsPerRound;
}

void lblMessage_Click(World& w) {
  if (w.GameStarted) {
    return;
  }
  w.GameStarted = true;
  NewGame(w);
}

void mnuNewGame_Click(World& w) { NewGame(w); }

void mnuEnd_Click(World& w) { EndProgram(w); }

void WriteRoundCounterLabels(World& w) {
  const GameState& s = w.state;
  MainWindowControls& c = w.controls;
  using enum LabelId;
  c.label(lblDK).Caption = StatusText(kDucksKilledPrefix, s.DucksKilled);
  c.label(lblS).Caption = StatusText(kShotsUsedPrefix, s.ShotsUsed);
  c.label(lblsl).Caption = StatusText(kShotsLeftPrefix, s.ShotsLeft);
  c.label(lblsm).Caption = StatusText(kShotsMissedPrefix, s.ShotsMissed);
  c.label(lbldm).Caption = StatusText(kDucksMissedPrefix, s.DucksMissed);
}

void NewGame(World& w) {
  GameState& s = w.state;
  MainWindowControls& c = w.controls;
  using enum LabelId;
  using enum TimerId;

  s.Round = 1;
  s.TimeLeft = kRound1TimeLimit;
  s.ShotsMissed = 0;
  s.ShotsUsed = 0;
  s.ShotsLeft = kShotsPerRound;
  s.DucksKilled = 0;
  s.DucksMissed = 0;
  s.RedFrame = 0;
  s.Score = 0;
  s.TargetScore = kRound1Target;
  c.label(lblMessage).Caption.clear();

  // The time label keeps its old text until the countdown's first tick.
  c.label(lblRound).Caption = StatusText(kRoundPrefix, s.Round);
  c.label(lblHS).Caption = StatusText(kHighScoreNewGamePrefix, s.Score);
  WriteRoundCounterLabels(w);

  w.timers.Disable(timRdead);
  w.timers.Disable(timRDuck);

  c.label(lbltime).Visible = true;
  c.label(lblMessage).Visible = false;
  for (const LabelId id : {lblDK, lbldm, lblHS, lblRound, lblsl, lblsm}) {
    c.label(id).Visible = true;
  }

  c.imgRedD.Top = kRedParkTop;
  c.imgRedD.Left = kRedParkLeft;
  c.label(lblS).Visible = true;

  w.timers.Enable(timDuck);
  w.timers.Enable(timleft);
  LaunchDuck(w);
}

}  // namespace reedfall
