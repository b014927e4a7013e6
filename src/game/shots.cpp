// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shots.h"

#include "flight/duck.h"
#include "game/rules.h"
#include "screen/game.h"
#include "screen/status_text.h"

namespace reedfall {

namespace {

void ShowOutOfAmmo(Game& g) {
  Label& message = g.frmMain.label(LabelId::lblMessage);
  message.Caption = kOutOfAmmo;
  message.Visible = true;
}

void CountShot(Game& g) {
  AddSaturating(g.state.ShotsUsed, 1);
  AddSaturating(g.state.ShotsLeft, -1);
}

void WriteHighScoreAfterHit(Game& g) {
  g.frmMain.label(LabelId::lblHS).Caption = StatusText(kHighScoreHitPrefix, g.state.Score);
}

// The hit frame, the counters, the labels, flight stopped and fall started.
void FinishHit(Game& g, const Duck& duck) {
  using enum LabelId;
  duck.down = true;
  duck.frame = kHitFrame;
  ShowFrame(duck.picture, kHitFrame);
  AddSaturating(g.state.DucksKilled, 1);
  CountShot(g);
  g.Disable(duck.flightTimer);
  g.frmMain.label(lblDK).Caption = StatusText(kDucksKilledPrefix, g.state.DucksKilled);
  g.frmMain.label(lblS).Caption = StatusText(kShotUsedHitPrefix, g.state.ShotsUsed);
  g.frmMain.label(lblsl).Caption = StatusText(kShotsLeftPrefix, g.state.ShotsLeft);
  g.Enable(duck.fallTimer);
}

}  // namespace

void MissHandler(Game& g) {
  if (g.state.ShotsLeft > 0) {
    ShotMissed(g);
  } else {
    ShowOutOfAmmo(g);
  }
}

void ShotMissed(Game& g) {
  using enum LabelId;
  AddSaturating(g.state.ShotsMissed, 1);
  CountShot(g);
  g.frmMain.label(lblS).Caption = StatusText(kShotsUsedPrefix, g.state.ShotsUsed);
  g.frmMain.label(lblsl).Caption = StatusText(kShotsLeftPrefix, g.state.ShotsLeft);
  g.frmMain.label(lblsm).Caption = StatusText(kShotsMissedPrefix, g.state.ShotsMissed);
}

void DuckHit(Game& g) { FinishHit(g, BlueDuck(g)); }

void RedDuckHit(Game& g) { FinishHit(g, RedDuck(g)); }

void imgDuck_Click(Game& g) {
  if (g.state.ShotsLeft < 1) {
    ShowOutOfAmmo(g);
    return;
  }
  if (g.state.DuckDown) {
    return;
  }
  g.state.Score += kBlueDuckScore;
  WriteHighScoreAfterHit(g);
  ShowFrame(g.frmMain.imgDuck, kHitFrame);
  DuckHit(g);
}

void imgRedD_Click(Game& g) {
  if (g.state.ShotsLeft < 1) {
    ShowOutOfAmmo(g);
    return;
  }
  if (g.state.RedDown) {
    return;
  }
  g.Disable(TimerId::timRDuck);
  g.state.Score += kRedDuckScore;
  WriteHighScoreAfterHit(g);
  g.state.RedFrame = kHitFrame;
  ShowFrame(g.frmMain.imgRedD, kHitFrame);
  RedDuckHit(g);
}

void imgDuck_DblClick(Game& g) { MissHandler(g); }
void imgRedD_DblClick(Game& g) { MissHandler(g); }
// The element number makes no difference: every piece of scenery is a miss.
void Image1_Click(Game& g, Int16 /*index*/) { MissHandler(g); }
void Image1_DblClick(Game& g, Int16 /*index*/) { MissHandler(g); }
void imgTop_Click(Game& g) { MissHandler(g); }
void imgTop_DblClick(Game& g) { MissHandler(g); }
void imgback_Click(Game& g) { MissHandler(g); }
void imgback_DblClick(Game& g) { MissHandler(g); }

}  // namespace reedfall
