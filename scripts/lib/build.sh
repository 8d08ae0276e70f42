# Configures and builds the native (unit tests) and the cross (Windows program) trees.
# Sourced by scripts/run and scripts/test; expects $zyfo_root.

zyfo_jobs() { nproc 2>/dev/null || echo 2; }

zyfo_build_native() {
  cmake -S "$zyfo_root" -B "$zyfo_root/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$zyfo_root/build/native" -j "$(zyfo_jobs)"
}

# The same unit tests, Debug, with AddressSanitizer and UndefinedBehaviorSanitizer.
zyfo_build_native_asan() {
  cmake -S "$zyfo_root" -B "$zyfo_root/build/native-asan" -DCMAKE_BUILD_TYPE=Debug -DZYFO_SANITIZE=ON >/dev/null
  cmake --build "$zyfo_root/build/native-asan" -j "$(zyfo_jobs)"
}

zyfo_build_windows() {
  cmake -S "$zyfo_root" -B "$zyfo_root/build/windows" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$zyfo_root/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$zyfo_root/build/windows" -j "$(zyfo_jobs)" "$@"
}
