// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recorder.h"

#include "dump/dump.h"
#include "world/decimal.h"

namespace reedfall {

Recorder::Recorder(LiveGame& live, ScriptSink& sink, std::string_view heading)
    : live_(live), sink_(sink), written_(live.game().Now()) {
  sink_.Line(heading);
  live_.SetObserver(this);
}

Recorder::~Recorder() { live_.SetObserver(nullptr); }

std::string Recorder::Tail() const {
  std::string tail;
  if (live_.game().Now() > written_) {
    tail = "wait " + std::to_string(live_.game().Now() - written_) + "\n";
  }
  return tail + "dump\n";
}

void Recorder::Drew(double r) { draws_.push_back(r); }

void Recorder::WaitUntil(std::int64_t to) {
  if (to > written_) {
    sink_.Line("wait " + std::to_string(to - written_));
    written_ = to;
  }
}

void Recorder::WriteDraws() {
  if (draws_.empty()) {
    return;
  }
  // Exact: the shortest decimal that reads back as the very double drawn.
  std::string line = "rand";
  for (const double r : draws_) {
    line += ' ';
    line += DecimalText(r);
  }
  draws_.clear();
  sink_.Line(line);
}

void Recorder::Advanced(std::int64_t from, std::int64_t to, bool late) {
  if (late) {
    // The stretch before ran every tick; this one let some pass, as the live game did.
    WaitUntil(from);
    WriteDraws();
    sink_.Line("late " + std::to_string(to - from));
    written_ = to;
  } else if (!draws_.empty()) {
    // The numbers go before the wait in whose ticks they were drawn. A stretch that draws
    // nothing waits for the next line, and joins it.
    WriteDraws();
    WaitUntil(to);
  }
}

void Recorder::Took(const Event& event) {
  using Kind = HostEvent::Kind;
  // A double-click whose first press reached no control, and an OK with no box open, did
  // nothing: the script says nothing of them.
  if ((event.kind == Kind::DoubleClick && !event.control) ||
      (event.kind == Kind::BoxClosed && !event.taken) || event.kind == Kind::Wake) {
    return;
  }
  WaitUntil(live_.game().Now());
  WriteDraws();
  const bool ended = live_.game().Ended();
  switch (event.kind) {
    case Kind::Press:
      sink_.Line("click " + std::to_string(event.x) + " " + std::to_string(event.y));
      break;
    case Kind::DoubleClick:
      if (event.control) {
        sink_.Line("dblpress " + std::string(ControlName(*event.control)));
      }
      break;
    case Kind::NewGame:
      sink_.Line("menu new");
      break;
    case Kind::End:
    case Kind::Close:
      if (ended) {
        finalDump_ = Dump(live_.game());
        sink_.Line("dump");
      }
      sink_.Line(event.kind == Kind::End ? "menu end" : "close");
      break;
    case Kind::BoxClosed:
      sink_.Line("ok");
      break;
    case Kind::Wake:
      break;
  }
}

}  // namespace reedfall
