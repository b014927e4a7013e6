// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks of its host: a message box, a random source and the end of the program.
// Time is the fourth seam: the host tells the game how far its clock has run (Game::AdvanceTo).
#pragma once

#include <string_view>

namespace reedfall {

// A box's title and text, as the game shows them.
struct MessageBoxText {
  std::string_view title;
  std::string_view text;
};

class MessageBoxHost {
 public:
  virtual ~MessageBoxHost() = default;
  // Opens a box with one OK button and returns at once; the host calls Game::MessageBoxOk
  // when the player closes it.
  virtual void ShowMessageBox(std::string_view text, std::string_view title) = 0;

 protected:
  MessageBoxHost() = default;
  MessageBoxHost(const MessageBoxHost&) = default;
  MessageBoxHost(MessageBoxHost&&) = default;
  MessageBoxHost& operator=(const MessageBoxHost&) = default;
  MessageBoxHost& operator=(MessageBoxHost&&) = default;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Reseed from the clock; every launch does before it draws.
  virtual void Randomize() = 0;
  // The next uniform number, 0 <= r < 1.
  virtual double Next() = 0;

 protected:
  RandomSource() = default;
  RandomSource(const RandomSource&) = default;
  RandomSource(RandomSource&&) = default;
  RandomSource& operator=(const RandomSource&) = default;
  RandomSource& operator=(RandomSource&&) = default;
};

class ProgramHost {
 public:
  virtual ~ProgramHost() = default;
  // End the program at once: no further event of the game runs.
  virtual void EndProgram() = 0;

 protected:
  ProgramHost() = default;
  ProgramHost(const ProgramHost&) = default;
  ProgramHost(ProgramHost&&) = default;
  ProgramHost& operator=(const ProgramHost&) = default;
  ProgramHost& operator=(ProgramHost&&) = default;
};

struct Platform {
  MessageBoxHost& messageBox;
  RandomSource& random;
  ProgramHost& program;
};

}  // namespace reedfall
