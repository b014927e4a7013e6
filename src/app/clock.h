// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where real time enters the game: a millisecond clock and a single wake-up call on it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

namespace reedfall::app {

class GameClock {
 public:
  GameClock() = default;
  GameClock(const GameClock&) = delete;
  GameClock& operator=(const GameClock&) = delete;
  GameClock(GameClock&&) = delete;
  GameClock& operator=(GameClock&&) = delete;
  virtual ~GameClock() = default;

  // Milliseconds since the clock started.
  [[nodiscard]] virtual std::int64_t Now() const = 0;

  // Calls the wake handler once, when Now() reaches `ms` (at once if it already has); none
  // cancels. A new call replaces the wake-up armed before.
  virtual void WakeAt(std::optional<std::int64_t> ms) = 0;

  void SetWakeHandler(std::function<void()> handler) { handler_ = std::move(handler); }

 protected:
  void Wake() {
    if (handler_) {
      handler_();
    }
  }

 private:
  std::function<void()> handler_;
};

// The real clock: a monotonic timer and one precise single-shot QTimer. Nothing wakes the
// program between the wake-ups it asks for.
class SteadyClock final : public QObject, public GameClock {
  Q_OBJECT

 public:
  explicit SteadyClock(QObject* parent = nullptr);

  [[nodiscard]] std::int64_t Now() const override { return elapsed_.elapsed(); }
  void WakeAt(std::optional<std::int64_t> ms) override;

 private:
  QElapsedTimer elapsed_;
  QTimer timer_;
  std::optional<std::int64_t> armedFor_;
};

}  // namespace reedfall::app
