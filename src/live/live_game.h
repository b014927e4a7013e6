// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a host that plays it in real time runs it: the Qt window and the web page alike.
// It answers the game's seams (a box that the host shows, random numbers seeded from the wall
// clock, the end of the program), brings the game up to the host's clock before every event and
// at every wake-up without catching up missed ticks, and says when the host should wake next.
#pragma once

#include <cstdint>
#include <optional>

#include "frmmain/frmmain.h"
#include "world/platform.h"
#include "world/random.h"

namespace reedfall {

// The live game's random numbers: reseeded from the wall clock whenever the game asks.
class ClockSeededRandom final : public RandomSource {
 public:
  ClockSeededRandom();
  void Randomize() override;
  double Next() override { return generator_.NextUnit(); }

 private:
  Pcg32 generator_;
};

class LiveGame final : private MessageBoxHost, private ProgramHost {
 public:
  // With no random source of its own the game reseeds from the wall clock at every launch.
  explicit LiveGame(RandomSource* random = nullptr);
  LiveGame(const LiveGame&) = delete;
  LiveGame& operator=(const LiveGame&) = delete;
  LiveGame(LiveGame&&) = delete;
  LiveGame& operator=(LiveGame&&) = delete;
  ~LiveGame() override = default;

  [[nodiscard]] const frmMain& game() const { return game_; }

  // --- The player's events and the host's wake-ups, each at `now`, milliseconds on the host's
  // clock (which starts at 0 with the game). ---

  // A press of the button at (x, y), in twips of the client area.
  void Press(std::int64_t now, double x, double y);
  // The second press of a double-click: it goes to the control that took the first.
  void DoubleClick(std::int64_t now);
  void NewGame(std::int64_t now);
  void End();
  // The window's close button; the program ends whatever is running.
  void Close();
  // The round-end box has been closed.
  void BoxClosed(std::int64_t now);
  // Runs every tick that fell due up to `now`; a timer that fell behind ticks once.
  void CatchUp(std::int64_t now);

  // --- What the host does after each of them. ---

  // The box that a round end opened since the last call, if any: the host shows it, and calls
  // BoxClosed() when the player closes it.
  std::optional<MessageBoxText> TakeBox();
  // The program has ended: the host shows nothing more and wakes no more.
  [[nodiscard]] bool Ended() const { return ended_; }
  // When to wake next: at the next tick that can act, but a countdown tick waits for a duck
  // tick that follows it closely. None while nothing can act.
  [[nodiscard]] std::optional<std::int64_t> NextWake() const;

 private:
  void ShowMessageBox(std::string_view text, std::string_view title) override;
  void EndProgram() override;

  ClockSeededRandom ownRandom_;
  frmMain game_;
  std::optional<Control> lastPressed_;
  std::optional<MessageBoxText> box_;
  bool ended_ = false;
};

}  // namespace reedfall
