#!/usr/bin/env bash
# The Windows packages `make windows` built, used as a person would, in a fresh Wine prefix
# thrown away afterwards: the setup run silently, what it installed, a second run over a list
# the person changed, the program started from its Start-menu shortcut, the uninstaller, and
# the portable zip unpacked and run where it lies. One line per check; any failure fails.
#   check-windows-installer.sh WINDOWS_BUILD
set -euo pipefail
build=$(realpath "${1:?Windows build folder}")
cd "$(dirname "$0")/.."
source_dir=$PWD
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "check-windows-installer: no project version in $build/CMakeCache.txt" >&2; exit 1; }
setup=$build/veltrane-$version-win32-setup.exe
zip=$build/veltrane-$version-win32.zip
for package in "$setup" "$zip"; do
  [ -f "$package" ] || { echo "check-windows-installer: $package is missing (make windows)" >&2; exit 1; }
done

scratch=$(mktemp -d)
export WINEDEBUG=-all LANG=C.UTF-8 WINEPREFIX=$scratch/prefix
xvfb=
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

failed=0
check() {  # check <what> <command...>: runs it, says how it went and, on failure, what it said
  local what=$1
  shift
  if "$@" >"$scratch/out" 2>&1; then
    echo "ok      $what"
  else
    echo "FAILED  $what"
    sed 's/^/        /' "$scratch/out" | head -20
    failed=1
  fi
}
same() {  # same <file> <expected file>
  [ -f "$1" ] || { echo "$1 is missing"; return 1; }
  cmp "$1" "$2"
}
absent() {  # absent <path...>
  local path left=0
  for path in "$@"; do
    if [ -e "$path" ]; then
      echo "$path is still there"
      left=1
    fi
  done
  return "$left"
}
# A Wine program that does not end within its time is a failure, not a hang.
run() { timeout 180 "$@"; }

# Wine's windows need a screen: a virtual one of our own, on the first free display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "check-windows-installer: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(cat "$scratch/display")
export DISPLAY

# No .NET nor HTML engine: the prefix would offer to download them.
check "a fresh Wine prefix" env WINEDLLOVERRIDES="mscoree,mshtml=" timeout 180 wineboot -i
windows_path() { run wine cmd /c echo "$1" | tr -d '\r'; }
local_app_data=$(windows_path '%LOCALAPPDATA%')
programs_win="$local_app_data\\Programs\\Veltrane"
work_win="$local_app_data\\Veltrane"
programs=$(winepath -u "$programs_win")
work=$(winepath -u "$work_win")
shortcut=$(winepath -u "$(windows_path '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs")/Veltrane.lnk
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltrane'

# What the installer must put beside the programs, as the build made it.
program_files=(veltrane.exe veltrane-calc.exe veltrane.html veltrane-en.html)
while IFS= read -r -d '' mo; do
  program_files+=("${mo#"$build/bin/"}")
done < <(find "$build/bin/locale" -path '*/LC_MESSAGES/veltrane.mo' -print0 | sort -z)
lists=()
for list in resources/lists/*.txt; do
  lists+=("$(basename "$list")")
done

installed_files() {
  local file
  for file in "${program_files[@]}"; do
    same "$programs/$file" "$build/bin/$file" || return 1
  done
  [ -f "$programs/uninstall.exe" ] || { echo "uninstall.exe is missing"; return 1; }
}
licence() {  # the full GPL, with CR LF line ends
  [ -f "$1" ] || { echo "$1 is missing"; return 1; }
  tr -d '\r' <"$1" | cmp - /usr/share/common-licenses/GPL-3 || return 1
  [ "$(grep -c $'\r$' "$1")" -eq "$(wc -l <"$1")" ] || { echo "$1 has lines without CR LF"; return 1; }
}
shipped_lists() {  # shipped_lists <folder> [a list to leave out]
  local list
  for list in "${lists[@]}"; do
    [ "$list" = "${2:-}" ] || same "$1/$list" "$source_dir/resources/lists/$list" || return 1
  done
}
shortcut_points() {  # the program as target, the work folder as its start-in folder
  [ -f "$shortcut" ] || { echo "$shortcut is missing"; return 1; }
  python3 - "$shortcut" "$programs_win\\veltrane.exe" "$work_win" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read().lower()
for text in sys.argv[2:]:
    text = text.lower()
    if text.encode("utf-16-le") not in data and text.encode("latin-1") not in data:
        sys.exit(f"{text} is not in the shortcut")
EOF
}
uninstall_key() {
  run wine reg query "$key" >"$scratch/key" || return 1
  tr -d '\r' <"$scratch/key" >"$scratch/key.txt"
  local name
  for name in DisplayName DisplayVersion Publisher DisplayIcon InstallLocation UninstallString \
      QuietUninstallString NoModify NoRepair EstimatedSize; do
    grep -q "^ *$name " "$scratch/key.txt" || { echo "no $name"; cat "$scratch/key.txt"; return 1; }
  done
  grep -Eq "^ *DisplayVersion +REG_SZ +$version$" "$scratch/key.txt" \
    || { echo "DisplayVersion is not $version"; return 1; }
  grep -Fq "$programs_win\\uninstall.exe\" /S" "$scratch/key.txt" \
    || { echo "QuietUninstallString does not run $programs_win\\uninstall.exe /S"; return 1; }
}
calc_runs() {  # calc_runs <program> <folder>: a calculation from the lists in that folder
  (cd "$2" && run wine "$1" column gas=hydrogen length=15 velocity=40) | tr -d '\r' >"$scratch/calc"
  grep -qx 'gas: Hydrogen' "$scratch/calc" || { cat "$scratch/calc"; return 1; }
}

check "setup /S installs" run wine "$setup" /S
check "the program files in $programs_win" installed_files
check "LICENSE.txt beside them" licence "$programs/LICENSE.txt"
check "the shipped lists in the work folder $work_win" shipped_lists "$work"
check "the Start-menu shortcut" shortcut_points
check "the uninstall key $key" uninstall_key
check "the installed veltrane-calc.exe in the work folder" calc_runs "$programs/veltrane-calc.exe" "$work"

# The person's own gases.txt, and a list the person deleted.
printf 'Xenon\r\n2.3e-07\r\n2.1e-05\r\n5\r\n10\r\n' >>"$work/gases.txt"
cp "$work/gases.txt" "$scratch/gases.txt"
rm "$work/${lists[-1]}"
check "setup /S again, over an installed Veltrane" run wine "$setup" /S
check "the person's gases.txt kept" same "$work/gases.txt" "$scratch/gases.txt"
check "a missing list copied again" same "$work/${lists[-1]}" "$source_dir/resources/lists/${lists[-1]}"

shows_window() {
  run wine start "$(winepath -w "$shortcut")" || return 1
  timeout 60 xdotool search --sync --onlyvisible --name . >"$scratch/windows" \
    || { echo "no window within 60 s"; return 1; }
}
check "veltrane.exe from the shortcut shows its window" shows_window
# The program is ended as a whole prefix is, before the uninstaller needs its file.
wineserver -k >/dev/null 2>&1 || true
timeout 60 wineserver -w || true

uninstalled() {
  run wine "$programs/uninstall.exe" /S || return 1
  # The uninstaller runs on from a copy of itself in the temporary folder: wait for it.
  timeout 180 wineserver -w
}
check "uninstall.exe /S" uninstalled
check "no program files left" absent "$programs"
check "no shortcut left" absent "$shortcut"
check "no uninstall key left" bash -c "! wine reg query '$key' >/dev/null 2>&1"
check "the work folder and the person's gases.txt kept" same "$work/gases.txt" "$scratch/gases.txt"
check "the other lists kept" shipped_lists "$work" gases.txt

# The portable zip: one folder, the programs with their lists beside them.
mkdir "$scratch/unpacked"
zip_holds() {
  (cd "$scratch/unpacked" && cmake -E tar xf "$zip") || return 1
  local top=$scratch/unpacked/veltrane-$version file
  [ "$(ls "$scratch/unpacked")" = "veltrane-$version" ] \
    || { echo "not one folder veltrane-$version:"; ls "$scratch/unpacked"; return 1; }
  for file in "${program_files[@]}"; do
    same "$top/$file" "$build/bin/$file" || return 1
  done
  shipped_lists "$top" && licence "$top/LICENSE.txt" || return 1
  (cd "$top" && find . -type f | sort) >"$scratch/zipped"
  { printf './%s\n' "${program_files[@]}" "${lists[@]}" LICENSE.txt; } | sort >"$scratch/expected"
  diff "$scratch/expected" "$scratch/zipped" || { echo "(expected < > zipped)"; return 1; }
}
check "the zip: veltrane-$version/ with the programs, lists and licence" zip_holds
check "the zip's veltrane-calc.exe where it was unpacked" \
  calc_runs "$scratch/unpacked/veltrane-$version/veltrane-calc.exe" "$scratch/unpacked/veltrane-$version"
exit $failed
