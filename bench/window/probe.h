// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window benchmark measures, the same way in the game and in the bare window: the
// time from the program's start to its first frame on screen, the CPU time and wall time of
// the measured stretch that follows, and the peak resident memory.
#pragma once

#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>

namespace reedfall::bench {

inline double RealtimeMs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct CpuTime {
  double userMs;
  double systemMs;
};

inline CpuTime CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  return {ms(usage.ru_utime), ms(usage.ru_stime)};
}

inline long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

struct Options {
  QString mode;
  double seconds = 20;
};

// <program> <mode> [seconds]
inline Options ParseOptions(const QStringList& arguments, const QString& defaultMode) {
  Options options{defaultMode};
  if (arguments.size() > 1) {
    options.mode = arguments.at(1);
  }
  if (arguments.size() > 2) {
    options.seconds = arguments.at(2).toDouble();
  }
  return options;
}

// Watches for the first paint. The frame is on screen once the event loop comes round again
// after it: then the measured stretch begins, and after `seconds` the figures are printed and
// the program quits.
class Probe final : public QObject {
 public:
  explicit Probe(double seconds, QObject* parent = nullptr) : QObject(parent), seconds_(seconds) {
    // The script stamps the moment it starts the program; without it, count from here.
    const char* stamp = std::getenv("REEDFALL_BENCH_T0_MS");
    start_ = stamp != nullptr ? std::strtod(stamp, nullptr) : RealtimeMs();
    qApp->installEventFilter(this);
  }

  // Runs once the first frame is out, as the measured stretch begins.
  void OnFirstFrame(std::function<void()> action) { onFirstFrame_ = std::move(action); }
  // More figures for the end of the report line.
  void AddToReport(std::function<std::string()> extra) { extra_ = std::move(extra); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!painted_ && event->type() == QEvent::Paint) {
      painted_ = true;
      QTimer::singleShot(0, this, [this] { FirstFrame(); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void FirstFrame() {
    qApp->removeEventFilter(this);
    firstFrameMs_ = RealtimeMs() - start_;
    wallStart_ = RealtimeMs();
    cpuStart_ = CpuMs();
    if (onFirstFrame_) {
      onFirstFrame_();
    }
    QTimer::singleShot(static_cast<int>(seconds_ * 1000), this, [this] { Report(); });
  }

  void Report() {
    const double wall = RealtimeMs() - wallStart_;
    const CpuTime cpu = CpuMs();
    const double user = cpu.userMs - cpuStart_.userMs;
    const double system = cpu.systemMs - cpuStart_.systemMs;
    std::string extra;
    if (extra_) {
      extra.append(" ").append(extra_());
    }
    std::printf(
        "first_paint_ms=%.1f cpu_ms=%.1f user_ms=%.1f sys_ms=%.1f wall_ms=%.1f "
        "max_rss_kb=%ld%s\n",
        firstFrameMs_, user + system, user, system, wall, PeakRssKb(), extra.c_str());
    std::fflush(stdout);
    QCoreApplication::exit(0);
  }

  double seconds_;
  double start_;
  bool painted_ = false;
  double firstFrameMs_ = 0;
  double wallStart_ = 0;
  CpuTime cpuStart_{};
  std::function<void()> onFirstFrame_;
  std::function<std::string()> extra_;
};

}  // namespace reedfall::bench
