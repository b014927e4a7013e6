// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// reedfall_desktop_field OUTPUT.png: the desktop window's play field at the start, as the real
// window paints it on Qt's offscreen platform, one pixel per art pixel. The browser tests hold
// the web page's field against it.
#include <QApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <exception>

#include "app/client_area.h"
#include "window_fixture.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: reedfall_desktop_field OUTPUT.png\n");
    return 2;
  }
  try {
    const reedfall::app::testing::WindowFixture window;
    const QImage field = window.window.field()->grab().toImage();
    if (field.size() != QSize(487, 372) || !field.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
      std::fprintf(stderr, "reedfall_desktop_field: cannot write %s\n", argv[1]);
      return 1;
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "reedfall_desktop_field: %s\n", error.what());
    return 1;
  }
  return 0;
}
