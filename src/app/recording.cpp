// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/recording.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <cstdio>
#include <string>

namespace reedfall::app {

std::unique_ptr<ScriptFile> ScriptFile::Create(const QString& path, QString& error) {
  std::unique_ptr<ScriptFile> file(new ScriptFile(path));
  // Unbuffered: every line is handed to the system as it is written, and a full disk shows at
  // the line that does not fit.
  if (!file->file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
    error = QStringLiteral("cannot create %1: %2").arg(path, file->file_.errorString());
    return nullptr;
  }
  return file;
}

ScriptFile::ScriptFile(const QString& path) : file_(path) {}

void ScriptFile::Line(std::string_view line) {
  if (failure_) {
    return;
  }
  std::string bytes(line);
  bytes += '\n';
  const qint64 written = file_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (written != static_cast<qint64>(bytes.size())) {
    failure_ = QStringLiteral("cannot write %1: %2").arg(file_.fileName(), file_.errorString());
  }
}

std::optional<QString> ScriptFile::Failure() const {
  if (failure_) {
    return failure_;
  }
  // Removed while the game went on: the lines went to a file that nobody can open any more.
  if (!QFileInfo::exists(file_.fileName())) {
    return QStringLiteral("%1 was removed while the game was recorded").arg(file_.fileName());
  }
  return std::nullopt;
}

QString RecordingHeading() {
  return QStringLiteral("# Reedfall %1, recorded %2")
      .arg(QCoreApplication::applicationVersion(),
           QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
}

std::unique_ptr<Replayer> LoadReplay(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return nullptr;
  }
  const QByteArray script = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    return nullptr;
  }
  std::string reason;
  std::unique_ptr<Replayer> replay = Replayer::Load(
      std::string_view(script.constData(), static_cast<std::size_t>(script.size())), reason);
  if (!replay) {
    error = QStringLiteral("%1: %2").arg(path, QString::fromStdString(reason));
  }
  return replay;
}

void Complain(const QString& message) {
  const QByteArray line =
      (QCoreApplication::applicationName() + QStringLiteral(": ") + message + u'\n').toLocal8Bit();
  // Nowhere is left to report a failure to write the report itself.
  static_cast<void>(
      std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr));
}

}  // namespace reedfall::app
