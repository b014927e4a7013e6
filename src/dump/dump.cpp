// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dump/dump.h"

#include <array>
#include <charconv>
#include <string>

#include "world/decimal.h"

namespace reedfall {

namespace {

class JsonWriter {
 public:
  void Key(std::string_view key) {
    Separate();
    AppendQuoted(key);
    out_ += ": ";
    afterKey_ = true;
  }
  void Open() {
    Separate();
    out_ += '{';
    first_ = true;
  }
  void Close() {
    out_ += '}';
    first_ = false;
  }
  void Bool(bool value) { Scalar(value ? "true" : "false"); }
  void Null() { Scalar("null"); }
  void Int(long long value) { Scalar(std::to_string(value)); }
  // Shortest plain decimal: whole numbers print without a decimal point.
  void Number(double value) { Scalar(DecimalText(value)); }
  void Number(float value) { Scalar(DecimalText(value)); }
  void String(std::string_view text) {
    Separate();
    AppendQuoted(text);
  }
  [[nodiscard]] const std::string& Text() const { return out_; }

 private:
  void AppendQuoted(std::string_view text) {
    out_ += '"';
    for (const char c : text) {
      switch (c) {
        case '"':
          out_ += "\\\"";
          break;
        case '\\':
          out_ += "\\\\";
          break;
        case '\n':
          out_ += "\\n";
          break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            const auto result = std::to_chars(escaped.data(), escaped.data() + escaped.size(),
                                              static_cast<unsigned>(c), 16);
            out_ += "\\u";
            out_.append(4 - static_cast<std::size_t>(result.ptr - escaped.data()), '0');
            out_.append(escaped.data(), result.ptr);
          } else {
            out_ += c;
          }
      }
    }
    out_ += '"';
  }
  void Separate() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (!first_) {
      out_ += ", ";
    }
    first_ = false;
  }
  void Scalar(std::string_view text) {
    Separate();
    out_ += text;
  }

  std::string out_;
  bool first_ = true;
  bool afterKey_ = false;
};

void WriteState(JsonWriter& json, const GameState& s) {
  json.Open();
  json.Key("DuckFrame");
  json.Int(s.DuckFrame);
  json.Key("DuckDown");
  json.Bool(s.DuckDown);
  json.Key("DuckDir");
  json.Int(s.DuckDir);
  json.Key("LaunchTop");
  json.Int(s.LaunchTop);
  json.Key("DuckSpeed");
  json.Int(s.DuckSpeed);
  json.Key("RedFrame");
  json.Int(s.RedFrame);
  json.Key("RedDown");
  json.Bool(s.RedDown);
  json.Key("RedDir");
  json.Int(s.RedDir);
  json.Key("RedSpeed");
  json.Int(s.RedSpeed);
  json.Key("TargetScore");
  json.Number(s.TargetScore);
  json.Key("Score");
  json.Number(s.Score);
  json.Key("DucksMissed");
  json.Int(s.DucksMissed);
  json.Key("DucksKilled");
  json.Int(s.DucksKilled);
  json.Key("TimeLeft");
  json.Int(s.TimeLeft);
  json.Key("ShotsLeft");
  json.Int(s.ShotsLeft);
  json.Key("ShotsUsed");
  json.Int(s.ShotsUsed);
  json.Key("ShotsMissed");
  json.Int(s.ShotsMissed);
  json.Key("Round");
  json.Int(s.Round);
  json.Close();
}

void WritePicture(JsonWriter& json, const DuckPicture& picture) {
  json.Open();
  json.Key("left");
  json.Number(picture.Left);
  json.Key("top");
  json.Number(picture.Top);
  json.Key("width");
  json.Int(picture.Width);
  json.Key("height");
  json.Int(picture.Height);
  json.Key("frame");
  json.Int(picture.frame);
  json.Close();
}

}  // namespace

std::string Dump(const frmMain& game) {
  JsonWriter json;
  json.Open();
  json.Key("t");
  json.Int(game.Now());
  json.Key("state");
  WriteState(json, game.world().state);
  json.Key("GameStarted");
  json.Bool(game.world().GameStarted);

  json.Key("labels");
  json.Open();
  for (const LabelSpec& spec : kLabelTable) {
    const Label& label = game.world().controls.label(spec.id);
    json.Key(spec.name);
    json.Open();
    json.Key("caption");
    json.String(label.Caption);
    json.Key("visible");
    json.Bool(label.Visible);
    json.Close();
  }
  json.Close();

  json.Key("pictures");
  json.Open();
  json.Key("imgDuck");
  WritePicture(json, game.world().controls.imgDuck);
  json.Key("imgRedD");
  WritePicture(json, game.world().controls.imgRedD);
  json.Close();

  json.Key("timers");
  json.Open();
  for (const TimerSpec& spec : kTimerTable) {
    json.Key(spec.name);
    json.Bool(game.Enabled(spec.id));
  }
  json.Close();

  json.Key("msgbox");
  if (const auto box = game.OpenBox()) {
    json.Open();
    json.Key("title");
    json.String(box->title);
    json.Key("text");
    json.String(box->text);
    json.Close();
  } else {
    json.Null();
  }
  json.Close();
  return json.Text();
}

}  // namespace reedfall
