#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks to build and test both programs:
# Wine (32-bit), the MinGW-w64 cross compiler, Xvfb, GoogleTest sources, libjpeg, and
# libjpeg-turbo cross-built for Win32 from Debian's source package. Idempotent: each
# step checks first and does nothing when its result is already there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
mkdir -p "$build"

need_pkgs=()
want() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' || need_pkgs+=("$1"); }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_update_needed=1
fi
for p in wine wine32:i386 wine64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix xvfb xauth x11-apps imagemagick cmake \
         ninja-build googletest libjpeg62-turbo-dev python3 clang libclang-rt-14-dev dpkg-dev \
         xdotool netpbm; do
  want "$p"
done

sources=/etc/apt/sources.list.d/debian.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  if [ -f "$sources" ]; then
    sed 's/^Types: deb$/Types: deb-src/' "$sources" >/etc/apt/sources.list.d/brelk-src.sources
  else
    echo "deb-src http://deb.debian.org/debian bookworm main" >/etc/apt/sources.list.d/brelk-src.list
  fi
  apt_update_needed=1
fi

if [ ${#need_pkgs[@]} -gt 0 ] || [ -n "${apt_update_needed:-}" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  if [ ${#need_pkgs[@]} -gt 0 ]; then
    apt-get install -y -qq --no-install-recommends "${need_pkgs[@]}" >/dev/null
  fi
fi

# libjpeg-turbo for the Windows builds: static, no SIMD, built with the MinGW toolchains
# (32-bit for the programs, 64-bit for the test build that runs under Wine's native loader).
for arch in i686 x86_64; do
  case $arch in i686) jpegdir="$build/deps/libjpeg-win32" ;; *) jpegdir="$build/deps/libjpeg-win64" ;; esac
  [ -f "$jpegdir/lib/libjpeg.a" ] && continue
  src="$build/deps/src-$arch"
  rm -rf "$src" && mkdir -p "$src"
  (cd "$src" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  srcdir=$(find "$src" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  [ -n "$srcdir" ] || { echo "setup-deps: apt-get source libjpeg-turbo failed" >&2; exit 1; }
  cmake -S "$srcdir" -B "$src/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 -DWITH_JPEG8=0 \
    -DCMAKE_INSTALL_PREFIX="$jpegdir" >/dev/null
  cmake --build "$src/build" --target install >/dev/null
  rm -rf "$src"
done
echo "setup-deps: ready"
