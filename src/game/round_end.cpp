// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/round_end.h"

#include "flight/launch.h"
#include "game/new_game.h"
#include "game/rules.h"
#include "world/status_text.h"
#include "world/world.h"

namespace reedfall {

namespace {

void OpenRoundEndBox(World& w, RoundEnd kind) {
  // Set before the box opens: the poll keeps ticking under it and must not end the round twice.
  w.roundEnd = kind;
  if (const std::optional<MessageBoxText> box = RoundEndBox(kind)) {
    w.platform.messageBox.ShowMessageBox(box->text, box->title);
  }
}

// The clock and the target of the round just entered.
void EnterRound(World& w) {
  GameState& s = w.state;
  using enum TimerId;
  switch (s.Round) {
    case 2:
      s.TimeLeft = kRound2TimeLimit;
      s.TargetScore = kRound2Target;
      break;
    case 3:
      s.TimeLeft = kRound3TimeLimit;
      s.TargetScore += kEarlyRoundTargetStep;
      break;
    case 4:
      s.TimeLeft = kRound4TimeLimit;
      s.TargetScore += kEarlyRoundTargetStep;
      break;
    case 5:
      s.TimeLeft = kRound5TimeLimit;
      s.TargetScore += kEarlyRoundTargetStep;
      break;
    default:
      if (s.Round >= kFirstLateRound) {
        s.TimeLeft = kLateRoundTimeLimit;
        s.TargetScore += static_cast<double>(s.Round) * kLateRoundTargetPerRound;
        // Only the late rounds restart the ducks and the clock here; rounds 2 to 5 wait for
        // the first blue fall to switch the countdown on.
        w.timers.Enable(timDuck);
        w.timers.Enable(timRDuck);
        w.timers.Enable(timleft);
      }
      break;
  }
}

}  // namespace

std::optional<MessageBoxText> RoundEndBox(RoundEnd kind) {
  switch (kind) {
    case RoundEnd::None:
      return std::nullopt;
    case RoundEnd::Lost:
      return MessageBoxText{kLostTitle, kLostText};
    case RoundEnd::Won:
      return MessageBoxText{kWonTitle, kWonText};
  }
  return std::nullopt;
}

void timleft_Timer(World& w) {
  AddSaturating(w.state.TimeLeft, -1);
  w.controls.label(LabelId::lbltime).Caption = StatusText(kTimeLeftPrefix, w.state.TimeLeft);
}

bool RoundCanEnd(const World& w) { return w.state.TimeLeft <= 0 && w.roundEnd == RoundEnd::None; }

void timWinLose_Timer(World& w) {
  if (!RoundCanEnd(w)) {
    return;
  }
  if (w.state.Score >= w.state.TargetScore) {
    RoundWon(w);
  } else {
    RoundLost(w);
  }
}

void RoundLost(World& w) {
  using enum TimerId;
  w.timers.Disable(timleft);
  w.timers.Disable(timDuck);
  w.timers.Disable(timDead);
  OpenRoundEndBox(w, RoundEnd::Lost);
}

void RoundLostAfterBox(World& w) {
  NewGame(w);
  w.timers.Enable(TimerId::timleft);
  w.timers.Enable(TimerId::timDuck);
}

void RoundWon(World& w) {
  using enum TimerId;
  w.controls.label(LabelId::lblMessage).Visible = false;
  w.timers.Disable(timleft);
  w.timers.Disable(timDuck);
  w.timers.Disable(timRDuck);
  OpenRoundEndBox(w, RoundEnd::Won);
}

void RoundWonAfterBox(World& w) {
  GameState& s = w.state;
  MainWindowControls& c = w.controls;
  using enum LabelId;

  AddSaturating(s.Round, 1);
  EnterRound(w);
  s.ShotsMissed = 0;
  s.ShotsUsed = 0;
  s.ShotsLeft = kShotsPerRound;
  s.DucksKilled = 0;
  s.DucksMissed = 0;

  // The score label keeps the text of the last hit.
  c.label(lbltime).Caption = StatusText(kTimeLeftPrefix, s.TimeLeft);
  c.label(lblRound).Caption = StatusText(kRoundPrefix, s.Round);
  WriteRoundCounterLabels(w);

  LaunchDuck(w);
  LaunchRedDuck(w);
}

}  // namespace reedfall
