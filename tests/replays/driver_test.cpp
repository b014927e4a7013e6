// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's contract beyond the recorded games: the dump's shape, number parsing, and
// answering line by line through a pipe.
#include "sim/driver.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <string>

// Platform guard: the pipe test below starts the driver with fork and exec, which POSIX
// systems have and Windows and WebAssembly do not. There drive_through_pipe.py drives the
// .exe and the .js the same way, through their emulators.
#if !defined(_WIN32) && !defined(__EMSCRIPTEN__)
#define REEDFALL_POSIX_PROCESSES 1
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace reedfall::sim {
namespace {

std::string RunAll(Driver& driver, std::initializer_list<std::string_view> lines) {
  std::string out;
  for (const std::string_view line : lines) {
    const LineResult result = driver.Run(line);
    EXPECT_NE(result.kind, LineResult::Kind::Error) << line << ": " << result.error;
    out += result.output;
  }
  return out;
}

TEST(Dump, PrintsEveryKeyInOrderOnOneLine) {
  Driver driver;
  const std::string out =
      RunAll(driver, {"rand 0.25 0 0.25", "click 3650 2000", "wait 60", "dump"});
  const std::string head =
      R"({"t": 60, "state": {"DuckFrame": -1, "DuckDown": false, "DuckDir": 1, "LaunchTop": 2500, )"
      R"("DuckSpeed": 1, "RedFrame": 0, "RedDown": false, "RedDir": 0, "RedSpeed": 0, )"
      R"("TargetScore": 7500, "Score": 0, "DucksMissed": 0, "DucksKilled": 0, "TimeLeft": 120, )"
      R"("ShotsLeft": 50, "ShotsUsed": 0, "ShotsMissed": 0, "Round": 1}, "GameStarted": true, )"
      R"("labels": {"lbltime": {"caption": "Time Left: 120", "visible": true}, "lblRound": )";
  EXPECT_EQ(out.substr(0, head.size()), head);
  const std::string tail =
      R"("pictures": {"imgDuck": {"left": 7290, "top": 2425, "width": 510, "height": 435, "frame": 3}, )"
      R"("imgRedD": {"left": 7800, "top": 465, "width": 510, "height": 465, "frame": 0}}, )"
      R"("timers": {"timDuck": true, "timRDuck": false, "timDead": false, "timRdead": false, )"
      R"("timleft": true, "timWinLose": true}, "msgbox": null})"
      "\n";
  ASSERT_GE(out.size(), tail.size());
  EXPECT_EQ(out.substr(out.size() - tail.size()), tail);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
  const std::size_t labels = out.find("\"labels\"");
  for (const char* name :
       {"lbltime", "lblRound", "lblHS", "lblDK", "lbldm", "lblS", "lblsl", "lblsm", "lblMessage"}) {
    const std::size_t at = out.find(std::string("\"") + name + "\": {\"caption\"");
    EXPECT_NE(at, std::string::npos) << name;
    EXPECT_GT(at, labels) << name;
  }
}

TEST(Dump, ShowsTheOpenBox) {
  Driver driver;
  const std::string out = RunAll(driver, {"menu new", "wait 72000", "dump"});
  EXPECT_NE(out.find(R"("msgbox": {"title": "The Hunt is over!", "text": "You Have Lost! )"
                     R"(You Miseed to many ducks! Game Reset to play again."}})"),
            std::string::npos);
}

TEST(Rand, TakesDecimalsExactlyAndKeepsLongFractionsBelowOne) {
  Driver driver;
  // 0.7 of 2500 is 1750: the draw is kept as the decimal it is written as.
  RunAll(driver, {"rand 0.7 0.7 0.7", "menu new"});
  EXPECT_EQ(driver.game().world().state.DuckDir, 2);
  EXPECT_EQ(driver.game().world().state.LaunchTop, 4250);
  EXPECT_EQ(driver.game().world().state.DuckSpeed, 2);
  // Too many nines for a double: still a number below one, the highest height.
  RunAll(driver, {"rand 0 0.99999999999999999999 0", "menu new"});
  EXPECT_EQ(driver.game().world().state.LaunchTop, 4999);
  for (const char* bad : {"rand 1.0", "rand 2", "rand 0.5.5", "rand .", "rand 1e-3", "rand nan"}) {
    EXPECT_EQ(driver.Run(bad).kind, LineResult::Kind::Error) << bad;
  }
  // Past the largest double is out of range too, not a draw of 0.
  EXPECT_EQ(driver.Run("rand " + std::string(400, '9')).error,
            "number out of range: '" + std::string(64, '9') + "'\xE2\x80\xA6");
}

TEST(Seed, ReplaysTheSameGameForTheSameSeed) {
  auto launchTops = [](std::string_view seed) {
    Driver driver;
    RunAll(driver, {seed});
    std::string tops;
    for (int i = 0; i < 5; ++i) {
      RunAll(driver, {"menu new"});
      tops += std::to_string(driver.game().world().state.LaunchTop) + " ";
    }
    return tops;
  };
  EXPECT_EQ(launchTops("seed 42"), launchTops("seed 42"));
  EXPECT_NE(launchTops("seed 42"), launchTops("seed 43"));
  EXPECT_EQ(launchTops("seed 1"), launchTops("# the default seed is 1"));
}

TEST(Lines, BlankAndCommentLinesAreSkippedAndOnlySpaceAndTabSeparateWords) {
  Driver driver;
  for (const char* line : {"", "   ", "\t# a comment", "  #dump"}) {
    const LineResult result = driver.Run(line);
    EXPECT_EQ(result.kind, LineResult::Kind::Ok) << line;
    EXPECT_TRUE(result.output.empty()) << line;
  }
  EXPECT_FALSE(driver.Run("\t dump \t").output.empty());
  // The reader has taken the line end off; any other byte belongs to a word.
  for (const char* line : {"\r", "dump\r", "\v", "dump\f", "wait\r60"}) {
    EXPECT_EQ(driver.Run(line).kind, LineResult::Kind::Error) << line;
  }
}

// An error quotes a word of the script so that it can neither flood nor steer a terminal.
TEST(Errors, QuoteAtMost64BytesOfAWordWithControlsAndBrokenUtf8AsHex) {
  const std::string x62(62, 'x');
  const std::string ff64(64, '\xFF');
  std::string ff64Escaped;
  for (int i = 0; i < 64; ++i) {
    ff64Escaped += "\\xFF";
  }
  const std::string e = "\xC3\xA9";        // é
  const std::string cut = "\xE2\x80\xA6";  // …
  const struct {
    std::string word;
    std::string quoted;
  } cases[] = {
      {x62 + "ab", "'" + x62 + "ab'"},
      {x62 + "abc", "'" + x62 + "ab'" + cut},
      {x62 + e, "'" + x62 + e + "'"},
      {x62 + "a" + e, "'" + x62 + "a'" + cut},  // a character is never split
      {ff64, "'" + ff64Escaped + "'"},
      {ff64 + "x", "'" + ff64Escaped + "'" + cut},
      {std::string("a\0b", 3), "'a\\x00b'"},
      {"\x1B[2J\x7F", "'\\x1B[2J\\x7F'"},
      {"\xC2\x85\xC2\xA0", "'\\xC2\\x85\xC2\xA0'"},  // a C1 control, a no-break space
      // overlong, a surrogate, past U+10FFFF, a sequence cut short
      {"\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82",
       "'\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80\\xE2\\x82'"},
      {"\xF0\x9F\xA6\x86\xE2\x80\xA6\xF4\x8F\xBF\xBF",
       "'\xF0\x9F\xA6\x86\xE2\x80\xA6\xF4\x8F\xBF\xBF'"},
  };
  for (const auto& c : cases) {
    Driver driver;
    EXPECT_EQ(driver.Run("clickon " + c.word).error, "unknown control: " + c.quoted) << c.word;
  }
}

TEST(Wait, TheClockStopsAtTheLastMillisecondThatJsonReadsExactly) {
  Driver driver;
  EXPECT_EQ(driver.Run("wait 9007199254740992").error, "number out of range: '9007199254740992'");
  RunAll(driver, {"wait 9007199254740000", "wait 991", "wait 0"});
  EXPECT_EQ(driver.game().Now(), 9007199254740991);
  EXPECT_EQ(driver.Run("wait 1").error, "wait would take the clock past 9007199254740991 ms");
}

TEST(Lines, TheEndOfTheProgramIsReported) {
  Driver driver;
  EXPECT_EQ(driver.Run("menu end").kind, LineResult::Kind::Ended);
  Driver closing;
  EXPECT_EQ(closing.Run("close").kind, LineResult::Kind::Ended);
}

#ifdef REEDFALL_POSIX_PROCESSES
// Another program drives reedfall-sim through a pipe and reads each dump before it writes
// the next line.
TEST(Pipe, AnswersEachDumpBeforeTheNextLineArrives) {
  std::array<int, 2> toSim{};
  std::array<int, 2> fromSim{};
  ASSERT_EQ(pipe(toSim.data()), 0);
  ASSERT_EQ(pipe(fromSim.data()), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(toSim[0], STDIN_FILENO);
    dup2(fromSim[1], STDOUT_FILENO);
    close(toSim[1]);
    close(fromSim[0]);
    execl(REEDFALL_SIM_PATH, REEDFALL_SIM_PATH, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(toSim[0]);
  close(fromSim[1]);
  std::signal(SIGPIPE, SIG_IGN);

  auto readLine = [&]() {
    std::string line;
    char c = 0;
    pollfd pfd{fromSim[0], POLLIN, 0};
    while (poll(&pfd, 1, 10000) > 0 && read(fromSim[0], &c, 1) == 1) {
      if (c == '\n') {
        return line;
      }
      line += c;
    }
    return std::string("<no answer>");
  };
  auto send = [&](std::string_view text) {
    ASSERT_EQ(write(toSim[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  };

  send("dump\n");
  EXPECT_EQ(readLine().substr(0, 9), R"({"t": 0, )");
  send("wait 600\nmenu new\nwait 60\ndump\n");
  EXPECT_EQ(readLine().substr(0, 10), R"({"t": 660,)");
  send("menu end\ndump\n");
  close(toSim[1]);
  EXPECT_EQ(readLine(), "<no answer>");  // nothing after File > End
  int status = 0;
  waitpid(child, &status, 0);
  close(fromSim[0]);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

}  // namespace
}  // namespace reedfall::sim
