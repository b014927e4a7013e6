// SPDX-FileCopyrightText: 2026 The Reedfall developers
// SPDX-License-Identifier: GPL-3.0-or-later
// reedfall-web-art FOLDER: writes the pictures that the site serves as files, from the very
// pixels the game draws: the two icons and the crosshair pointer, each as a PAM file
// (NAME.pam, RGB_ALPHA, straight colours). The build turns them into PNGs enlarged by whole
// numbers (make_png.py). It runs under node at build time.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "pictures/pictures.h"

namespace {

bool WritePam(const std::string& path, const reedfall::pictures::Image& image) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    return false;
  }
  const std::string header = "P7\nWIDTH " + std::to_string(image.width()) + "\nHEIGHT " +
                             std::to_string(image.height()) +
                             "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  const auto bytes =
      static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()) * 4U;
  const bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size() &&
                       std::fwrite(image.Bytes().data(), 1, bytes, file) == bytes;
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: reedfall-web-art FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const struct {
    const char* name;
    const reedfall::pictures::Image& image;
  } pictures[] = {
      {"icon", reedfall::pictures::WindowIcon()},
      {"icon-16", reedfall::pictures::SmallWindowIcon()},
      {"crosshair", reedfall::pictures::Crosshair()},
  };
  for (const auto& picture : pictures) {
    const std::string path = folder + "/" + picture.name + ".pam";
    if (!WritePam(path, picture.image)) {
      std::fprintf(stderr, "reedfall-web-art: cannot write %s\n", path.c_str());
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
