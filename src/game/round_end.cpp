// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/round_end.h"

#include "flight/launch.h"
#include "game/new_game.h"
#include "game/rules.h"
#include "screen/game.h"
#include "screen/status_text.h"

namespace reedfall {

namespace {

void OpenRoundEndBox(Game& g, RoundEnd kind) {
  // Set before the box opens: the poll keeps ticking under it and must not end the round twice.
  g.roundEnd = kind;
  const MessageBoxText box = *g.OpenBox();
  g.platform.messageBox.ShowMessageBox(box.text, box.title);
}

// The clock and the target of the round just entered.
void EnterRound(Game& g) {
  GameState& s = g.state;
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
        g.Enable(timDuck);
        g.Enable(timRDuck);
        g.Enable(timleft);
      }
      break;
  }
}

}  // namespace

void timleft_Timer(Game& g) {
  AddSaturating(g.state.TimeLeft, -1);
  g.frmMain.label(LabelId::lbltime).Caption = StatusText(kTimeLeftPrefix, g.state.TimeLeft);
}

void timWinLose_Timer(Game& g) {
  if (g.state.TimeLeft > 0 || g.roundEnd != RoundEnd::None) {
    return;
  }
  if (g.state.Score >= g.state.TargetScore) {
    RoundWon(g);
  } else {
    RoundLost(g);
  }
}

void RoundLost(Game& g) {
  using enum TimerId;
  g.Disable(timleft);
  g.Disable(timDuck);
  g.Disable(timDead);
  OpenRoundEndBox(g, RoundEnd::Lost);
}

void RoundLostAfterBox(Game& g) {
  NewGame(g);
  g.Enable(TimerId::timleft);
  g.Enable(TimerId::timDuck);
}

void RoundWon(Game& g) {
  using enum TimerId;
  g.frmMain.label(LabelId::lblMessage).Visible = false;
  g.Disable(timleft);
  g.Disable(timDuck);
  g.Disable(timRDuck);
  OpenRoundEndBox(g, RoundEnd::Won);
}

void RoundWonAfterBox(Game& g) {
  GameState& s = g.state;
  MainWindowControls& w = g.frmMain;
  using enum LabelId;

  AddSaturating(s.Round, 1);
  EnterRound(g);
  s.ShotsMissed = 0;
  s.ShotsUsed = 0;
  s.ShotsLeft = kShotsPerRound;
  s.DucksKilled = 0;
  s.DucksMissed = 0;

  // The score label keeps the text of the last hit.
  w.label(lbltime).Caption = StatusText(kTimeLeftPrefix, s.TimeLeft);
  w.label(lblRound).Caption = StatusText(kRoundPrefix, s.Round);
  WriteRoundCounterLabels(g);

  LaunchDuck(g);
  LaunchRedDuck(g);
}

}  // namespace reedfall
