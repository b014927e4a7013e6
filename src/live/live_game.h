// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a host that plays it in real time runs it: the Qt window and the web page alike.
// It answers the game's seams (a box that the host shows, random numbers seeded from the wall
// clock, the end of the program), takes the player's events and the host's wake-ups, brings the
// game up to the host's clock before each without catching up missed ticks, keeps the view of
// what the host shows (live/view.h), and says after each what the host is to do.
#pragma once

#include <cstdint>
#include <optional>

#include "frmmain/frmmain.h"
#include "live/view.h"
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

// An event of the player's, or a wake-up of the host's.
struct HostEvent {
  enum class Kind : std::uint8_t {
    Press,        // a press of the button at (x, y), in pixels of the client area
    DoubleClick,  // the second press of a double-click: to the control that took the first
    NewGame,      // File > New Game
    End,          // File > End
    Close,        // the window's close button: the program ends whatever is running
    BoxClosed,    // the round-end box has been closed
    Wake,         // the host's wake-up: every tick that fell due runs
  };
  Kind kind = Kind::Wake;
  double x = 0;
  double y = 0;

  static constexpr HostEvent Press(double x, double y) { return {Kind::Press, x, y}; }
  static constexpr HostEvent Of(Kind kind) { return {kind}; }
};

// What the host does after an event: shows what the view says changed, opens the box, if any,
// and sleeps until the next wake-up; or, once, takes the window away for good.
struct Settled {
  enum class State : std::uint8_t {
    Playing,   // the game goes on: the host shows what changed
    EndedNow,  // the program ended with this event: the host takes the window away, for good
    Over,      // it had ended before: nothing to do
  };
  State state = State::Playing;
  // The box that a round end opened: the host shows it, and sends BoxClosed when the player
  // closes it.
  std::optional<MessageBoxText> box;
  // When to wake next: at the next tick that can act, but a countdown tick waits for a duck
  // tick that follows it closely. None while nothing can act.
  std::optional<std::int64_t> nextWake;
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
  // What the host shows; it takes the changes from it after each event.
  [[nodiscard]] View& view() { return view_; }
  [[nodiscard]] const View& view() const { return view_; }

  // Takes an event at `now`, milliseconds on the host's clock (which starts at 0 with the game):
  // first brings the game up to `now`, without catching up the ticks a late wake-up missed.
  // After the end nothing is taken, and nothing more is to be done.
  Settled Handle(std::int64_t now, HostEvent event);

  // When to wake next, as the last event's answer said.
  [[nodiscard]] std::optional<std::int64_t> NextWake() const;

 private:
  void ShowMessageBox(std::string_view text, std::string_view title) override;
  void EndProgram() override;
  // Runs every tick that fell due up to `now`; a timer that fell behind ticks once.
  void CatchUp(std::int64_t now);
  void Take(std::int64_t now, HostEvent event);

  ClockSeededRandom ownRandom_;
  frmMain game_;
  View view_;
  std::optional<Control> lastPressed_;
  std::optional<MessageBoxText> box_;
  bool ended_ = false;
};

}  // namespace reedfall
