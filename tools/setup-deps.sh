#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks to build and test both programs:
# Wine (32-bit), the MinGW-w64 cross compiler, Xvfb and screenshot tools, GoogleTest sources,
# libjpeg, the artwork generator's Python imaging and fonts, the German locale Wine runs in,
# and libjpeg-turbo cross-built for Win32 from Debian's source package. Where the kernel
# cannot execute 32-bit x86 programs, it lets qemu's user-mode emulator run them. Idempotent:
# each step checks first and does nothing when its result is already there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
mkdir -p "$build"

need_pkgs=()
export DEBIAN_FRONTEND=noninteractive
failed_suites_file="$build/apt-failed-suites"

# Refreshes the package index. A mirror in the middle of a sync sends some index with an
# unexpected size; apt then exits 100 although every other index is fresh. Tries a few times,
# then goes on with a warning and records which suites lost an index, so that apt_install can
# keep both architectures on the suites that are complete.
apt_update() {
  local try
  for try in 1 2 3; do
    if apt-get update -qq >"$build/apt-update.log" 2>&1; then
      : >"$failed_suites_file"
      return 0
    fi
    sleep $((try * 2))
  done
  sed -n 's|.*Failed to fetch [^ ]*/dists/\([^/ ]*\)/.*|\1|p' "$build/apt-update.log" | sort -u \
    >"$failed_suites_file"
  echo "setup-deps: warning: the package index could not be refreshed completely" \
    "(suites: $(tr '\n' ' ' <"$failed_suites_file")); going on with what it has" >&2
}

# Quiet unless it fails. When an index of one suite is missing for one architecture, the amd64
# packages resolve to that suite's newer versions while their i386 twins cannot follow ("held
# broken packages"); the retry lowers those suites for this install only, so both architectures
# resolve from the complete suites. Only then does it fail, with one line saying what is missing.
apt_install() {
  local log="$build/apt-install.log" prefs=/etc/apt/preferences.d/brelk-setup-deps suite
  apt-get install -y -qq --no-install-recommends "$@" >"$log" 2>&1 && return 0
  if [ -s "$failed_suites_file" ]; then
    : >"$prefs"
    while read -r suite; do
      printf 'Package: *\nPin: release n=%s\nPin-Priority: 100\n\n' "$suite" >>"$prefs"
    done <"$failed_suites_file"
    if apt-get install -y -qq --no-install-recommends "$@" >"$log" 2>&1; then
      rm -f "$prefs"
      return 0
    fi
    rm -f "$prefs"
  fi
  cat "$log" >&2
  echo "setup-deps: could not install: $* (package index incomplete for:" \
    "$(tr '\n' ' ' <"$failed_suites_file" 2>/dev/null)see $log)" >&2
  exit 1
}
want() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' || need_pkgs+=("$1"); }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_update_needed=1
fi
for p in wine wine32:i386 wine64 fonts-wine g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix xvfb xauth x11-apps \
         x11-utils imagemagick xdotool netpbm cmake ninja-build googletest libjpeg62-turbo-dev \
         python3 python3-pil fonts-dejavu-core locales clang clang-format libclang-rt-14-dev dpkg-dev; do
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
  apt_update
  if [ ${#need_pkgs[@]} -gt 0 ]; then
    apt_install "${need_pkgs[@]}"
  fi
fi

# Wine derives the Windows locale from the Unix one: German, ANSI code page 1252.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# Some kernels cannot execute 32-bit x86 programs (for example virtual machines whose host runs
# 64-bit user code only): "Exec format error" from Wine's 32-bit loader. The kernel then hands
# such programs to qemu's user-mode emulator through binfmt_misc. The registration lasts until
# the next boot, so this step runs again on a fresh machine.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  if ! [ -x /usr/bin/qemu-i386-static ]; then
    apt_update
    apt_install qemu-user-static
  fi
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ -e "$binfmt/qemu-i386" ]; then
    echo 1 >"$binfmt/qemu-i386"
  else
    # 32-bit little-endian x86 ELF executables and shared objects; F: the emulator is opened now.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >"$binfmt/register"
  fi
  if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "setup-deps: this machine cannot run 32-bit x86 programs, not even through qemu" >&2
    exit 1
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
