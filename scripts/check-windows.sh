#!/usr/bin/env bash
# `make check-windows`: the tests built for Windows run under Wine on a virtual display (the
# windows among them, printing with no printer and then on a test printer), veltrane-calc.exe
# under Wine against the Linux veltrane-calc, byte for byte, on a table of calls (standard
# output, standard error, the exit status and the files left in the folder), and the installer
# and the zip.
#   check-windows.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
linux=$(realpath "${1:?Linux build folder}") windows=$(realpath "${2:?Windows build folder}")
cd "$(dirname "$0")/.."
# A fresh prefix every time: it starts with no printer, and nothing of an earlier run remains.
export WINEDEBUG=-all LANG=C.UTF-8 WINEPREFIX=$windows/wineprefix
rm -rf "$WINEPREFIX"
# A first start sets up the prefix and may say so; that must not reach a comparison.
wineboot -i >/dev/null 2>&1 || true
# With no window manager Wine would wait for one each time a window closes: its own frames.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

# The windows need a display: a virtual one, ended with the script.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
[ -s "$display_file" ] || { echo "check-windows: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$display_file")

screenshots=$windows/screenshots
mkdir -p "$screenshots"
windows_tests=$windows/tests/win32/test_win32_windows.exe
echo "== printing with no printer installed"
(cd "$windows/tests/win32" && wine "$windows_tests" --gtest_filter='*Printing*' --gtest_brief=1)

echo "== a test printer writing PostScript, and the tests for Windows, under Wine"
ppd=$(ls /usr/share/ghostscript/*/lib/ghostpdf.ppd | head -n1)
printout=$screenshots/printout.ps
rm -f "$printout"
wine "$windows/tests/win32/add-test-printer.exe" Veltrane-Test "$ppd" "$printout"
(cd "$windows" && ctest --output-on-failure -j "$(nproc)")

echo "== the velocity plot's printout on the test printer"
rm -f "$printout"
(cd "$windows/tests/win32" && wine "$windows_tests" --gtest_filter='*Printing*' --gtest_brief=1)
[ -s "$printout" ] || { echo "check-windows: the printout did not reach the printer" >&2; exit 1; }
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r100 -sOutputFile="$screenshots/printout.png" \
  "$printout"
echo "printout.png: $(stat -c %s "$screenshots/printout.png") bytes"

# The windows again at 150 % and 200 %: Windows scales the dialogs, the host its drawings.
for dpi in 144 192; do
  echo "== the windows at $dpi dots per inch"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  wineserver -w
  (cd "$windows/tests/win32" && wine "$windows_tests" --gtest_filter='*EveryWindow*' --gtest_brief=1)
done
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -w
echo "screenshots in $screenshots"

echo "== veltrane-calc.exe against veltrane-calc"
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"; kill $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
# Each call: the arguments, then what standard input gets (a printf format, or nothing).
calls=(
  "column|"
  "column --json|"
  "column --csv unit=psi gas=hydro inlet=20|"
  "column --numbers outlet-mode=oth outlet=10 velocity=1|"
  "column gas=гел|"
  "column --csv gas=Гелий unit=bar|"
  "vapor --json --numbers unit=bar pressure=1,5|"
  "translate|"
  "translate --csv control=pressure goal=optimum new-gas=argon|"
  "translate outlet-mode=oth outlet=68.9 velocity=0.5|"
  "column --batch --line|length=15\r\ngas=nope\r\nvelocity=45 unit=bar\r\n"
  "vapor --batch --json|solvent=aceto\nvolume=abc\n"
  "column --sweep length=10:30:10 --sweep temperature=40:80:40|"
  "translate --sweep faster=1:3:0,5|"
  "plot|"
  "plot --csv gas=hydro|"
  "plot --json|"
  "column --dir Папка length=12|"
  "column nosuch=1|"
  "column --sweep length=1:2|"
  "vapor --bogus|"
  "plot readonly|"
  "chromatogram|"
  "chromatogram --json phase=wax control=flow unit=psi|"
  "chromatogram --sweep rate1=10:30:10 compounds=oct;dec|"
  "chromatogram --batch --line|compounds=C1 phase=FS\nrate1=1 compounds=C30 phase=FS final1=100\n"
  "translate --chromatograms phase=wax new-film=0.5|"
  "translate --chromatograms --json --batch|control=pressure phase=spb\nphase=nope\n"
)
failed=0
for call in "${calls[@]}"; do
  arguments=${call%%|*} input=${call#*|}
  read -r -a words <<<"$arguments"
  readonly=no
  if [ "${words[1]:-}" = readonly ]; then
    readonly=yes
    words=("${words[0]}" "${words[@]:2}")
  fi
  for side in linux windows; do
    folder=$scratch/$side
    rm -rf "$folder"
    mkdir -p "$folder/Папка"
    cp resources/lists/*.txt "$folder/"
    cp resources/lists/*.txt "$folder/Папка/"
    # A gas named in Cyrillic, in code page 1251 as an old list has it.
    printf '\xC3\xE5\xEB\xE8\xE9\r\n4.038e-07\r\n7.976e-05\r\n20\r\n40\r\n' >>"$folder/gases.txt"
    # "readonly": plot.xy may not be written, and must stay as it was.
    runas=()
    if [ $readonly = yes ]; then
      printf 'keep\r\n' >"$folder/plot.xy"
      chmod a-w "$folder/plot.xy"
      # Root writes a read-only file anyway on Linux; Windows refuses it to everyone. The
      # Linux side runs as an ordinary user, in a folder that user may write.
      if [ "$(id -u)" -eq 0 ]; then
        chmod a+rx "$scratch"
        chmod a+rwx "$folder"
        runas=(setpriv --reuid=65534 --regid=65534 --clear-groups)
      fi
    fi
    set +e
    if [ $side = linux ]; then
      (cd "$folder" && printf "$input" | "${runas[@]}" "$linux/app/calc/veltrane-calc" "${words[@]}" \
        >"$scratch/$side.out" 2>"$scratch/$side.err")
    else
      (cd "$folder" && printf "$input" | wine "$windows/bin/veltrane-calc.exe" \
        "${words[@]}" >"$scratch/$side.out" 2>"$scratch/$side.err")
    fi
    echo $? >"$scratch/$side.status"
    set -e
    (cd "$folder" && find . -type f -print0 | sort -z | xargs -0 sha256sum) >"$scratch/$side.files"
  done
  result=same
  for part in out err status files; do
    cmp -s "$scratch/linux.$part" "$scratch/windows.$part" || result="DIFFERENT ($part)"
  done
  printf '%-70s %s\n' "$arguments" "$result (exit $(cat "$scratch/linux.status"))"
  if [ "$result" != same ]; then
    failed=1
    diff <(cat -A "$scratch/linux.out" "$scratch/linux.err") \
      <(cat -A "$scratch/windows.out" "$scratch/windows.err") | head -20 || true
  fi
done
echo "== the installer and the zip, under Wine"
scripts/check-windows-installer.sh "$windows" || failed=1
exit $failed
