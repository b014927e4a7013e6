// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/new_game.h"

#include "flight/launch.h"
#include "game/rules.h"
#include "screen/game.h"
#include "screen/status_text.h"

namespace reedfall {

namespace {

// Where a new game parks the red duck: beyond the right edge, out of reach of every click.
constexpr float kRedParkLeft = 7800;
constexpr float kRedParkTop = 465;

}  // namespace

void Form_Load(Game& g) {
  g.GameStarted = false;
  g.state.Round = 1;
  g.state.RedFrame = 0;
  g.state.TimeLeft = kRound1TimeLimit;
  g.state.ShotsLeft = kShotsPerRound;
}

void lblMessage_Click(Game& g) {
  if (g.GameStarted) {
    return;
  }
  g.GameStarted = true;
  NewGame(g);
}

void mnuNewGame_Click(Game& g) { NewGame(g); }

void mnuEnd_Click(Game& g) { g.EndProgram(); }

void WriteRoundCounterLabels(Game& g) {
  const GameState& s = g.state;
  MainWindowControls& w = g.frmMain;
  using enum LabelId;
  w.label(lblDK).Caption = StatusText(kDucksKilledPrefix, s.DucksKilled);
  w.label(lblS).Caption = StatusText(kShotsUsedPrefix, s.ShotsUsed);
  w.label(lblsl).Caption = StatusText(kShotsLeftPrefix, s.ShotsLeft);
  w.label(lblsm).Caption = StatusText(kShotsMissedPrefix, s.ShotsMissed);
  w.label(lbldm).Caption = StatusText(kDucksMissedPrefix, s.DucksMissed);
}

void NewGame(Game& g) {
  GameState& s = g.state;
  MainWindowControls& w = g.frmMain;
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
  w.label(lblMessage).Caption.clear();

  // The time label keeps its old text until the countdown's first tick.
  w.label(lblRound).Caption = StatusText(kRoundPrefix, s.Round);
  w.label(lblHS).Caption = StatusText(kHighScoreNewGamePrefix, s.Score);
  WriteRoundCounterLabels(g);

  g.Disable(timRdead);
  g.Disable(timRDuck);

  w.label(lbltime).Visible = true;
  w.label(lblMessage).Visible = false;
  for (const LabelId id : {lblDK, lbldm, lblHS, lblRound, lblsl, lblsm}) {
    w.label(id).Visible = true;
  }

  w.imgRedD.Top = kRedParkTop;
  w.imgRedD.Left = kRedParkLeft;
  w.label(lblS).Visible = true;

  g.Enable(timDuck);
  g.Enable(timleft);
  LaunchDuck(g);
}

}  // namespace reedfall
