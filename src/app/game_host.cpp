// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_host.h"

namespace reedfall::app {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

GameHost::GameHost(GameClock& clock, RandomSource* random, QObject* parent)
    : QObject(parent), clock_(clock), live_(random) {
  clock_.SetWakeHandler([this] {
    live_.CatchUp(clock_.Now());
    Settle();
  });
  Settle();
}

void GameHost::Press(QPointF clientPx) {
  live_.Press(clock_.Now(), clientPx.x() * kTwipsPerPixel, clientPx.y() * kTwipsPerPixel);
  Settle();
}

void GameHost::DoubleClick() {
  live_.DoubleClick(clock_.Now());
  Settle();
}

void GameHost::NewGame() {
  live_.NewGame(clock_.Now());
  Settle();
}

void GameHost::End() {
  live_.End();
  Settle();
}

void GameHost::Close() {
  live_.Close();
  Settle();
}

void GameHost::BoxClosed() {
  live_.BoxClosed(clock_.Now());
  Settle();
}

void GameHost::Settle() {
  const std::optional<MessageBoxText> box = live_.TakeBox();
  if (live_.Ended()) {
    clock_.WakeAt(std::nullopt);
    if (!endAnnounced_) {
      endAnnounced_ = true;
      emit ended();
    }
    return;
  }
  emit changed();
  if (box) {
    emit boxOpened(ToQString(box->title), ToQString(box->text));
  }
  clock_.WakeAt(live_.NextWake());
}

}  // namespace reedfall::app
