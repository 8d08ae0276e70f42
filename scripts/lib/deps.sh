# Installs the Debian packages the build and the tests need, but only when one is missing.
# Sourced by scripts/run, scripts/test and scripts/demo.

zyfo_packages=(cmake make g++ libgtest-dev googletest
  g++-mingw-w64-x86-64-posix mingw-w64-tools nsis
  wine wine64 xvfb xserver-xephyr xauth x11-utils xdotool imagemagick procps)

# zyfo_install_deps [more packages...]: the packages above and the ones given
# (for instance the opt-in VNC server of scripts/run).
zyfo_install_deps() {
  local missing=() p
  for p in "${zyfo_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  # A fresh machine's package lists may be empty or stale.
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
