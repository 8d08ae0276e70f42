// The program's version, carried by the version resource of Pelrand.exe. The
// top CMakeLists.txt reads the four numbers from the lines below for the
// installer's version and file name: keep them plain "#define NAME number".
#pragma once

#define ZYFO_VERSION_MAJOR 1
#define ZYFO_VERSION_MINOR 20
#define ZYFO_VERSION_PATCH 0
#define ZYFO_VERSION_BUILD 0

#define ZYFO_STRINGIZE2(x) #x
#define ZYFO_STRINGIZE(x) ZYFO_STRINGIZE2(x)
// "1.20.0.0"
#define ZYFO_VERSION_TEXT                                                                        \
  ZYFO_STRINGIZE(ZYFO_VERSION_MAJOR) "." ZYFO_STRINGIZE(ZYFO_VERSION_MINOR) "." ZYFO_STRINGIZE( \
      ZYFO_VERSION_PATCH) "." ZYFO_STRINGIZE(ZYFO_VERSION_BUILD)
