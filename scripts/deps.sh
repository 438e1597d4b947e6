#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
# Each word given adds the tools of one more make target, and CI gives them all:
#   package  `make package` and `make check-package`: dpkg-shlibdeps and file, for the
#            dependencies CPack reads off the linked binaries, and lintian
#   fuzz     `make fuzz`: clang and its sanitizer and libFuzzer runtimes
#   format   `make check-format`: clang-format
#   windows  `make windows`: the MinGW-w64 cross compilers for 32-bit Windows, and NSIS for
#            the installer
#   wine     `make check-windows`: Wine with its 32-bit part, to run what was built for Windows;
#            Xvfb and xdotool, to open its windows with no screen and find them; ghostscript,
#            to turn what it prints into pictures
set -euo pipefail
packages=(
  make g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev
  fonts-liberation2 fontconfig locales gettext
  xdg-utils poppler-utils desktop-file-utils
  python3 appstream man-db
)
for extra in "$@"; do
  case $extra in
    package) packages+=(dpkg-dev file lintian) ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    format) packages+=(clang-format) ;;
    windows) packages+=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix nsis) ;;
    wine) packages+=(wine wine64 wine32:i386 xvfb xdotool ghostscript) ;;
    *) echo "deps.sh: no such set of tools: $extra" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get install -y ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo="sudo"
else
  echo "Veltrane needs these packages. Please run as root:"
  echo "  apt-get update && $line"
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Wine's 32-bit part comes from the i386 architecture, which a fresh machine does not list.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
