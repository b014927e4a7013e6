// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the driver plays: virtual seconds of play per CPU second and timer ticks per
// second, over a long scripted game. Prints figures; asserts nothing.
#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "sim/driver.h"

namespace {

double CpuSeconds() {
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
  std::printf("%s: %d rounds, %.0f virtual s in %.3f CPU s\n", what, rounds, virtualSeconds, cpu);
  std::printf("  %.0f times real time; %.3f ms CPU per 72-second round (goal: at most 5 ms)\n",
              virtualSeconds / cpu, cpu * 1000.0 / rounds);
  std::printf("  %.0f timer ticks, %.2f million ticks per CPU second (%zu bytes of dumps)\n", ticks,
              ticks / cpu / 1e6, printed);
}

}  // namespace

int main() {
  Measure("scripted won rounds", WonRoundScript(), 2000);
  Measure("rounds without a shot", IdleRoundScript(), 2000);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak RSS: %ld KiB\n", usage.ru_maxrss);
  return 0;
}
