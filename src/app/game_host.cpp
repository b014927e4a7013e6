// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_host.h"

namespace reedfall::app {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

GameHost::GameHost(GameClock& clock, Player& player, QObject* parent)
    : QObject(parent), clock_(clock), player_(player) {
  clock_.SetWakeHandler([this] { Send(HostEvent::Of(HostEvent::Kind::Wake)); });
  clock_.WakeAt(player_.NextWake());
}

void GameHost::Send(HostEvent event) { Show(player_.Handle(clock_.Now(), event)); }

void GameHost::Show(const Settled& settled) {
  switch (settled.state) {
    case Settled::State::Over:
      return;
    case Settled::State::EndedNow:
      clock_.WakeAt(std::nullopt);
      emit ended();
      return;
    case Settled::State::Playing:
      break;
  }
  emit changed();
  if (settled.boxClosed) {
    emit boxClosed();
  }
  if (settled.box) {
    emit boxOpened(ToQString(settled.box->title), ToQString(settled.box->text));
  }
  clock_.WakeAt(settled.nextWake);
}

}  // namespace reedfall::app
