# Shared settings and set-up of the scripts: where things build, which Wine
# runs which of the two Windows builds, and the one way to build (build), to
# start a private display (start_xvfb) and to make a seeded prefix
# (seeded_prefix).
#
#   x64: the x86-64 programs under 64-bit Wine (WINEARCH=win64). Runs on
#        every 64-bit Linux, so it is always used.
#   x86: the x86 programs under 32-bit Wine (WINEARCH=win32). Used only
#        where the kernel runs 32-bit programs at all.
#
# Wine's loaders are called by their full paths: Debian's /usr/bin/wine
# picks the 32-bit loader whenever it is installed, even where it cannot run.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
export WINEDEBUG=-all
export LANG=ja_JP.UTF-8
# Compiler cache: a second checkout of the same sources (a worktree, a fresh
# clone) compiles only what differs. Paths under the checkout are hashed as
# relative ones, so the cache is shared between checkouts.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$ROOT"
fi
WINE64_LOADER=/usr/lib/wine/wine64
WINE32_LOADER=/usr/lib/wine/wine

# Chooses an architecture: its Windows build folders (WINBUILD for the
# shipped program, built with the win32 thread model; WINTESTBUILD for the
# test programs, built with the posix one, which GoogleTest needs), its CMake
# toolchain file (TOOLCHAIN), its Wine and the given prefix (default: the
# test prefix of that architecture).
use_arch() {
  ARCH="$1"
  WINBUILD="$BUILD/win-$1"
  WINTESTBUILD="$BUILD/win-$1-tests"
  case "$1" in
    x64) TOOLCHAIN="$ROOT/cmake/mingw-x86_64.cmake"
         export WINEARCH=win64 WINELOADER="$WINE64_LOADER" ;;
    x86) TOOLCHAIN="$ROOT/cmake/mingw-i686.cmake"
         export WINEARCH=win32 WINELOADER="$WINE32_LOADER" ;;
    *) echo "unknown architecture $1" >&2; return 1 ;;
  esac
  export WINEPREFIX="${2:-$BUILD/wineprefix-$1}"
}

wine() { "$WINELOADER" "$@"; }
wineserver() {
  local server=/usr/lib/wine/wineserver64
  [ -x "$server" ] || server=/usr/lib/wine/wineserver32
  "$server" "$@"
}
winepath() { "$WINELOADER" winepath.exe "$@" 2>/dev/null | tr -d '\r'; }

# Sets the Windows edition Wine shows (win95 ... win10).
set_wine_version() {
  wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
}

# Makes the current prefix, once, as a Japanese Windows XP.
# A 64-bit prefix is made WoW64, as every 64-bit Windows is, where 32-bit
# Wine runs: only then does Wine refuse, as Windows does, a 64-bit program
# whose manifest asks for 32-bit assemblies. A prefix made before 32-bit Wine
# was installed is made again.
make_prefix() {
  if [ -f "$WINEPREFIX/.brisko-ready" ]; then
    [ "$ARCH" = x64 ] && has_wine32 && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] ||
      return 0
  fi
  echo "preparing the Wine prefix $WINEPREFIX ($ARCH)"
  mkdir -p "$BUILD"
  rm -rf "$WINEPREFIX"
  wine wineboot.exe -i >/dev/null 2>&1 || { echo "wineboot failed in $WINEPREFIX" >&2; return 1; }
  set_wine_version winxp
  wineserver -w
  touch "$WINEPREFIX/.brisko-ready"
}

# Whether this kernel runs 32-bit x86 programs. Tried, not guessed: a
# 93-byte static i386 program whose only work is exit(0) is started.
runs_32bit() {
  local probe
  probe="$(mktemp)"
  echo 'f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAAAAAAAIAECACABAhdAAAAXQAAAAUAAAAAEAAAuAEAAAAx282A' |
    base64 -d >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null
  local rc=$?
  rm -f "$probe"
  return $rc
}

# Whether the x86 programs can run here: 32-bit programs run and 32-bit
# Wine is installed.
has_wine32() { [ -x "$WINE32_LOADER" ] && runs_32bit; }

# Configures a build folder and builds the given targets in it, quietly; the
# logs go beside it (<dir>.configure.log, <dir>.build.log). On failure it
# says so with the log's end and returns 1.
build() {  # build dir, cmake arguments..., [-- ninja targets...]
  local dir="$1" args=()
  shift
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do args+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  mkdir -p "$dir"
  cmake -S "$ROOT" -B "$dir" -G Ninja "${args[@]}" >"$dir.configure.log" 2>&1 &&
    ninja -C "$dir" "$@" >"$dir.build.log" 2>&1 ||
    { echo "FAILED: build of $dir (see $dir.build.log)"; tail -20 "$dir.build.log"; return 1; }
}

# Starts a private X server (Xvfb) with one screen of the given size (default
# 1024x768x24) on a display no other server uses, and points DISPLAY at it.
# stop_xvfb ends it.
start_xvfb() {  # [screen]
  local number
  number="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do [ -s "$number" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n 1 "$number")"
  rm -f "$number"
}
stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# Makes the folder a copy of the current architecture's test prefix seeded as
# a Japanese Windows XP by brisko_seed (tests/seed), so that what a run finds
# there at start is fixed by tests/data, and makes it WINEPREFIX. The session
# ends after the seed, so that the next one's service manager knows the
# seeded services. Needs the architecture's brisko_seed build.
seeded_prefix() {  # folder, [log of the seed]
  make_prefix || return 1
  wineserver -w
  rm -rf "$1"
  cp -a "$WINEPREFIX" "$1"
  export WINEPREFIX="$1"
  set_wine_version winxp
  wine "$WINBUILD/brisko_seed.exe" >"${2:-/dev/null}" 2>&1 || return 1
  wineserver -w
}
