// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/shots.h"

#include "flight/duck.h"
#include "game/rules.h"
#include "world/status_text.h"
#include "world/world.h"

namespace reedfall {

namespace {

void ShowOutOfAmmo(World& w) {
  Label& message = w.controls.label(LabelId::lblMessage);
  message.Caption = kOutOfAmmo;
  message.Visible = true;
}

void CountShot(World& w) {
  AddSaturating(w.state.ShotsUsed, 1);
  AddSaturating(w.state.ShotsLeft, -1);
}

void WriteHighScoreAfterHit(World& w) {
  w.controls.label(LabelId::lblHS).Caption = StatusText(kHighScoreHitPrefix, w.state.Score);
}

// The hit frame, the counters, the labels, flight stopped and fall started.
void FinishHit(World& w, const Duck& duck) {
  using enum LabelId;
  duck.down = true;
  duck.frame = kHitFrame;
  ShowFrame(duck.picture, kHitFrame);
  AddSaturating(w.state.DucksKilled, 1);
  CountShot(w);
  w.timers.Disable(duck.flightTimer);
  w.controls.label(lblDK).Caption = StatusText(kDucksKilledPrefix, w.state.DucksKilled);
  w.controls.label(lblS).Caption = StatusText(kShotUsedHitPrefix, w.state.ShotsUsed);
  w.controls.label(lblsl).Caption = StatusText(kShotsLeftPrefix, w.state.ShotsLeft);
  w.timers.Enable(duck.fallTimer);
}

}  // namespace

void MissHandler(World& w) {
  if (w.state.ShotsLeft > 0) {
    ShotMissed(w);
  } else {
    ShowOutOfAmmo(w);
  }
}

void ShotMissed(World& w) {
  using enum LabelId;
  AddSaturating(w.state.ShotsMissed, 1);
  CountShot(w);
  w.controls.label(lblS).Caption = StatusText(kShotsUsedPrefix, w.state.ShotsUsed);
  w.controls.label(lblsl).Caption = StatusText(kShotsLeftPrefix, w.state.ShotsLeft);
  w.controls.label(lblsm).Caption = StatusText(kShotsMissedPrefix, w.state.ShotsMissed);
}

void DuckHit(World& w) { FinishHit(w, BlueDuck(w)); }

void RedDuckHit(World& w) { FinishHit(w, RedDuck(w)); }

void imgDuck_Click(World& w) {
  if (w.state.ShotsLeft < 1) {
    ShowOutOfAmmo(w);
    return;
  }
  if (w.state.DuckDown) {
    return;
  }
  w.state.Score += kBlueDuckScore;
  WriteHighScoreAfterHit(w);
  // The hit frame, the counters and the timers: all of it in DuckHit.
  DuckHit(w);
}

void imgRedD_Click(World& w) {
  if (w.state.ShotsLeft < 1) {
    ShowOutOfAmmo(w);
    return;
  }
  if (w.state.RedDown) {
    return;
  }
  w.state.Score += kRedDuckScore;
  WriteHighScoreAfterHit(w);
  RedDuckHit(w);
}

void imgDuck_DblClick(World& w) { MissHandler(w); }
void imgRedD_DblClick(World& w) { MissHandler(w); }
// The element number makes no difference: every piece of scenery is a miss.
void Image1_Click(World& w, Int16 /*index*/) { MissHandler(w); }
void Image1_DblClick(World& w, Int16 /*index*/) { MissHandler(w); }
void imgTop_Click(World& w) { MissHandler(w); }
void imgTop_DblClick(World& w) { MissHandler(w); }
void imgback_Click(World& w) { MissHandler(w); }
void imgback_DblClick(World& w) { MissHandler(w); }

}  // namespace reedfall
