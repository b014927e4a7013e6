// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's --record and --replay: the script file a game is written to, line by line as it
// is played, and the script a game is played back from.
#pragma once

#include <QFile>
#include <QString>
#include <memory>
#include <optional>
#include <string_view>

#include "record/recorder.h"
#include "record/replayer.h"

namespace reedfall::app {

// A script file written as the game goes: each line goes to the disk as its event happens, so
// that a crash of the program loses at most the event in flight. A line that cannot be written
// does not stop the game; the first such failure is kept for the end.
class ScriptFile final : public ScriptSink {
 public:
  // None, and the reason in `error`, where the file cannot be created.
  static std::unique_ptr<ScriptFile> Create(const QString& path, QString& error);

  void Line(std::string_view line) override;
  // Why the recording is not whole: a write failed, or the file is no longer where it was
  // made. None when every line is there.
  [[nodiscard]] std::optional<QString> Failure() const;

 private:
  explicit ScriptFile(const QString& path);

  QFile file_;
  std::optional<QString> failure_;
};

// The first line of a recording: what made it, and when.
QString RecordingHeading();

// The script at `path` loaded for playing back, or none and the reason in `error` (the file
// cannot be read, or the driver's reason for the line in error: "line N: ...").
std::unique_ptr<Replayer> LoadReplay(const QString& path, QString& error);

// One line on standard error: "reedfall: <message>".
void Complain(const QString& message);

}  // namespace reedfall::app
