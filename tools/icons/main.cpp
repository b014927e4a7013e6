// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// reedfall-icon SOURCE FACTOR OUTPUT: writes the picture SOURCE enlarged FACTOR times, every
// pixel a FACTOR x FACTOR block of its colour, as the PNG file OUTPUT. The build makes the
// larger icons with it from the drawn ones, so that they cannot drift apart; pixel art keeps
// its sharp edges only when enlarged by whole numbers.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kLargestFactor = 64;

int Fail(const char* what, const char* path) {
  std::fprintf(stderr, "reedfall-icon: %s %s\n", what, path);
  return EXIT_FAILURE;
}

}  // namespace

// Needs no application object: QImage reads XPM and writes PNG by itself, with no display.
int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: reedfall-icon SOURCE FACTOR OUTPUT\n");
    return 2;
  }
  const char* source = argv[1];
  const char* output = argv[3];
  bool isNumber = false;
  const int factor = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
  if (!isNumber || factor < 1 || factor > kLargestFactor) {
    return Fail("the factor must be a whole number from 1 to 64, not", argv[2]);
  }
  const QImage drawn(QString::fromLocal8Bit(source));
  if (drawn.isNull()) {
    return Fail("cannot read", source);
  }
  const QImage icon =
      drawn.convertToFormat(QImage::Format_ARGB32)
          .scaled(drawn.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QString path = QString::fromLocal8Bit(output);
  if (!QDir().mkpath(QFileInfo(path).path()) || !icon.save(path, "PNG")) {
    return Fail("cannot write", output);
  }
  return EXIT_SUCCESS;
}
