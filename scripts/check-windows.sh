#!/usr/bin/env bash
# `make check-windows`: the Qt-free tests built for Windows run under Wine, then veltrane-calc.exe
# under Wine against the Linux veltrane-calc, byte for byte, on a table of calls: standard
# output, standard error, the exit status and the files left in the folder.
#   check-windows.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
linux=$(realpath "${1:?Linux build folder}") windows=$(realpath "${2:?Windows build folder}")
cd "$(dirname "$0")/.."
export WINEDEBUG=-all LANG=C.UTF-8 WINEPREFIX=${WINEPREFIX:-$windows/wineprefix}
# A first start sets up the prefix and may say so; that must not reach a comparison.
wineboot -i >/dev/null 2>&1 || true

echo "== the tests for Windows, under Wine"
(cd "$windows" && ctest --output-on-failure -j "$(nproc)")

echo "== veltrane-calc.exe against veltrane-calc"
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
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
exit $failed
