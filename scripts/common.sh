# Shared settings of the scripts: where things build and the Wine prefix.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export LANG=ja_JP.UTF-8
# Sets the Windows edition Wine shows (win95 ... win10).
set_wine_version() {
  wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
}
