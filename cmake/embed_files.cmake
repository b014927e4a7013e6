# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source that holds files byte for byte, for pictures/embedded.h:
#   cmake -DROOT=<dir> -DFILES=<path;path...> -DOUTPUT=<file.cpp> -P embed_files.cmake
# FILES are paths below ROOT and become the files' names. Bytes, not a string literal: some
# compilers cap a literal far below the size of the scenery.
cmake_minimum_required(VERSION 3.25)

list(SORT FILES)
set(arrays "")
set(rows "")
set(index 0)
foreach(name IN LISTS FILES)
  file(READ "${ROOT}/${name}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # Sixteen bytes a line; a zero at the end, so that no array is empty.
  string(REPEAT "[0-9a-f]" 32 line)
  string(REGEX REPLACE "(${line})" "\\1\n    " hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  math(EXPR stored "${size} + 1")
  string(APPEND arrays
         "constexpr std::array<unsigned char, ${stored}> kFile${index}{\n    ${bytes}0x00};\n")
  string(APPEND rows "    {\"${name}\", Text(kFile${index})},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(source "// Made by cmake/embed_files.cmake from ${ROOT}: change the files there, not this.
#include <array>
#include <cstddef>

#include \"pictures/embedded.h\"

namespace reedfall::pictures {
namespace {

${arrays}
// The file without the zero after it.
template <std::size_t kStored>
std::string_view Text(const std::array<unsigned char, kStored>& bytes) {
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): the bytes of a text
  return {reinterpret_cast<const char*>(bytes.data()), kStored - 1};
}

}  // namespace

std::span<const EmbeddedFile> EmbeddedFiles() {
  static const std::array<EmbeddedFile, ${index}> files{{
${rows}  }};
  return files;
}

}  // namespace reedfall::pictures
")
file(WRITE "${OUTPUT}" "${source}")
