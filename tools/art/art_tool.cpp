// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// reedfall-art FOLDER: writes the pictures that the desktop and the site get as files, from the
// very pixels the game draws: the two icons and the crosshair pointer, each as a PAM file
// (NAME.pam, RGB_ALPHA, straight colours). The build turns them into PNGs enlarged by whole
// numbers (make_png.py). It runs at build time, natively or under node.
#include <array>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "pictures/pictures.h"

namespace {

bool WritePam(const std::string& path, const reedfall::pictures::Image& image) {
  std::ofstream file(path, std::ios::binary);
  const std::span<const std::uint8_t> bytes = image.Bytes();
  file << "P7\nWIDTH " << image.width() << "\nHEIGHT " << image.height()
       << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

struct Named {
  const char* name;
  const reedfall::pictures::Image* image;
};

int Run(const std::string& folder) {
  const std::array<Named, 3> pictures{{
      {"icon", &reedfall::pictures::WindowIcon()},
      {"icon-16", &reedfall::pictures::SmallWindowIcon()},
      {"crosshair", &reedfall::pictures::Crosshair()},
  }};
  for (const Named& picture : pictures) {
    const std::string path = folder + "/" + picture.name + ".pam";
    if (!WritePam(path, *picture.image)) {
      std::cerr << "reedfall-art: cannot write " << path << '\n';
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char* argv[]) {
  try {
    if (argc != 2) {
      std::cerr << "usage: reedfall-art FOLDER\n";
      return 2;
    }
    return Run(argv[1]);  // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
  } catch (const std::exception& error) {
    std::cerr << "reedfall-art: " << error.what() << '\n';
    return EXIT_FAILURE;
  }
}
