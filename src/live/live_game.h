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
  // The box the host shows has closed without the player (a recorded game played back).
  bool boxClosed = false;
};

// What a real-time host plays and shows: a live game, or a recorded one played back.
class Player {
 public:
  virtual ~Player() = default;
  [[nodiscard]] virtual const frmMain& game() const = 0;
  // What the host shows; it takes the changes from it after each event.
  [[nodiscard]] virtual View& view() = 0;
  // Takes an event at `now`, milliseconds on the host's clock (which starts at 0 with the
  // game), and says what the host is to do.
  virtual Settled Handle(std::int64_t now, HostEvent event) = 0;
  // When to wake next, as the last event's answer said.
  [[nodiscard]] virtual std::optional<std::int64_t> NextWake() const = 0;

 protected:
  Player() = default;
  Player(const Player&) = default;
  Player(Player&&) = default;
  Player& operator=(const Player&) = default;
  Player& operator=(Player&&) = default;
};

// What a recorder hears of a live game, as it happens.
class LiveObserver {
 public:
  virtual ~LiveObserver() = default;
  // The game drew a random number.
  virtual void Drew(double r) = 0;
  // The game's clock went from `from` to `to`, running the ticks due on the way; `late`: a
  // timer that had fallen more than an interval behind ticked once for the intervals it missed.
  virtual void Advanced(std::int64_t from, std::int64_t to, bool late) = 0;
  // The player's event has run. A press took effect at (x, y) in whole twips; a double-click's
  // second press went to `control`, if a control took the first; a box's OK found a box open
  // (`taken`).
  struct Event {
    HostEvent::Kind kind = HostEvent::Kind::Wake;
    int x = 0;
    int y = 0;
    std::optional<Control> control;
    bool taken = true;
  };
  virtual void Took(const Event& event) = 0;

 protected:
  LiveObserver() = default;
  LiveObserver(const LiveObserver&) = default;
  LiveObserver(LiveObserver&&) = default;
  LiveObserver& operator=(const LiveObserver&) = default;
  LiveObserver& operator=(LiveObserver&&) = default;
};

class LiveGame final : public Player,
                       private MessageBoxHost,
                       private ProgramHost,
                       private RandomSource {
 public:
  // With no random source of its own the game reseeds from the wall clock at every launch.
  explicit LiveGame(RandomSource* random = nullptr);
  LiveGame(const LiveGame&) = delete;
  LiveGame& operator=(const LiveGame&) = delete;
  LiveGame(LiveGame&&) = delete;
  LiveGame& operator=(LiveGame&&) = delete;
  ~LiveGame() override = default;

  [[nodiscard]] const frmMain& game() const override { return game_; }
  [[nodiscard]] View& view() override { return view_; }
  [[nodiscard]] const View& view() const { return view_; }

  // First brings the game up to `now`, without catching up the ticks a late wake-up missed.
  // After the end nothing is taken, and nothing more is to be done. A press is taken at the
  // whole twip it lands in.
  Settled Handle(std::int64_t now, HostEvent event) override;
  [[nodiscard]] std::optional<std::int64_t> NextWake() const override;

  // Tells `observer` (none: nobody) of everything the game does from now on.
  void SetObserver(LiveObserver* observer) { observer_ = observer; }

 private:
  void ShowMessageBox(std::string_view text, std::string_view title) override;
  void EndProgram() override;
  // The random source the game sees: the host's, told to the observer.
  void Randomize() override { random_.Randomize(); }
  double Next() override;
  // Runs every tick that fell due up to `now`; a timer that fell behind ticks once.
  void CatchUp(std::int64_t now);
  void Take(std::int64_t now, HostEvent event);

  ClockSeededRandom ownRandom_;
  RandomSource& random_;
  frmMain game_;
  View view_;
  LiveObserver* observer_ = nullptr;
  std::optional<Control> lastPressed_;
  std::optional<MessageBoxText> box_;
  bool ended_ = false;
};

}  // namespace reedfall
