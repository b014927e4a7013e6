// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the driver plays: virtual seconds of play per CPU second and timer ticks per
// second, over a long scripted game. Prints figures; asserts nothing.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "sim/driver.h"

// Platform guard: the peak memory comes from POSIX's getrusage, which Windows and
// WebAssembly lack.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#define REEDFALL_HAS_RUSAGE 1
#include <sys/resource.h>
#endif

namespace {

// The process's CPU time where the platform keeps it (POSIX, and Windows through MinGW's
// clock_gettime). WebAssembly keeps none: there the figures are of wall time, and say so.
bool CpuClockRuns() {
  timespec now{};
  return clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now) == 0;
}
const bool kCpuClock = CpuClockRuns();
const char* const kCpu = kCpuClock ? "CPU" : "wall";

double CpuSeconds() {
  if (!kCpuClock) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(now).count();
  }
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One round of 72 virtual seconds: fifteen hits on ducks that come in from the left, the
// clock running out, the won box closed, and a new game for the next round.
std::vector<std::string> WonRoundScript() {
  std::vector<std::string> lines = {"rand 0.75 0 0", "menu new"};
  for (int hit = 0; hit < 15; ++hit) {
    lines.insert(lines.end(), {"wait 300", "clickon imgDuck", "rand 0.75 0 0", "wait 660"});
  }
  lines.insert(lines.end(), {"wait " + std::to_string(72000 - 15 * 960), "dump", "ok"});
  return lines;
}

// A round left to the ducks: both fly and escape for 72 seconds with nobody shooting.
std::vector<std::string> IdleRoundScript() { return {"menu new", "wait 72000", "ok"}; }

void Measure(const char* what, const std::vector<std::string>& round, int rounds) {
  reedfall::sim::Driver driver;
  const double start = CpuSeconds();
  std::size_t printed = 0;
  for (int r = 0; r < rounds; ++r) {
    for (const std::string& line : round) {
      printed += driver.Run(line).output.size();
    }
  }
  const double cpu = CpuSeconds() - start;
  const double virtualSeconds = static_cast<double>(driver.game().Now()) / 1000.0;
  const auto ticks = static_cast<double>(driver.game().TicksRun());
  std::printf("%s: %d rounds, %.0f virtual s in %.3f %s s\n", what, rounds, virtualSeconds, cpu,
              kCpu);
  std::printf("  %.0f times real time; %.3f ms %s per 72-second round (goal: at most 5 ms)\n",
              virtualSeconds / cpu, cpu * 1000.0 / rounds, kCpu);
  std::printf("  %.0f timer ticks, %.2f million ticks per %s second (%zu bytes of dumps)\n", ticks,
              ticks / cpu / 1e6, kCpu, printed);
}

}  // namespace

int main() {
  Measure("scripted won rounds", WonRoundScript(), 2000);
  Measure("rounds without a shot", IdleRoundScript(), 2000);
#ifdef REEDFALL_HAS_RUSAGE
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak RSS: %ld KiB\n", usage.ru_maxrss);
#endif
  return 0;
}
