#!/usr/bin/env bash
# Installs the build into a temporary prefix (with a space in it, as a user's folder may have) and
# checks what a user gets: both programs run from there, the help is where the program looks,
# the menu entry is valid and names the launcher, the icons have their sizes, and the launcher
# seeds a fresh working folder once and leaves the user's lists alone afterwards.
set -uo pipefail
build=${1:?build folder}
source=${2:?source folder}

tmp=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() {  # check <what> <command...>
    local what=$1
    shift
    "$@" || fail "$what"
}

prefix="$tmp/pre fix"
if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi

launcher="$prefix/bin/veltrane"
program="$prefix/lib/veltrane/veltrane"
calc="$prefix/bin/veltrane-calc"
defaults="$prefix/share/veltrane"
lists=(gases.txt solvents.txt liners.txt compounds.txt)

# --- The installed files ----------------------------------------------------------------------
check "launcher is not executable" test -x "$launcher"
check "launcher is not a POSIX sh script" sh -n "$launcher"
check "program is not executable" test -x "$program"
check "veltrane-calc is not executable" test -x "$calc"
# The program's rule: its own file name with ".html" in place of its extension (it has none).
help_for() {
    local name=${1##*/}
    case $name in
    ?*.*) echo "${1%.*}.html" ;;
    *) echo "$1.html" ;;
    esac
}
check "help is not beside the program under its name" \
    cmp -s "$source/resources/help/veltrane.html" "$(help_for "$program")"
check "English help is not beside the program" \
    cmp -s "$source/resources/help/veltrane-en.html" "${program%/*}/veltrane-en.html"
# The program finds its catalogs in share/locale two folders above itself.
check "English catalog is not where the program looks" \
    test -s "${program%/*}/../../share/locale/en/LC_MESSAGES/veltrane.mo"
for list in "${lists[@]}"; do
    check "shipped $list is not the default" cmp -s "$source/resources/lists/$list" "$defaults/$list"
done

# A PNG's width and height are the two big-endian 32-bit words at byte 16.
png_size() {
    local words
    words=$(od -An -tx1 -j16 -N8 -v "$1" | tr -d ' \n')
    [ ${#words} -eq 16 ] || return 1
    echo "$((16#${words:0:8}))x$((16#${words:8:8}))"
}
for size in 16 32 48 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/veltrane.png"
    actual=$(png_size "$icon" 2>/dev/null)
    [ "$actual" = "${size}x${size}" ] || fail "icon $icon is ${actual:-missing}, not ${size}x${size}"
done

entry="$prefix/share/applications/veltrane.desktop"
if ! out=$(desktop-file-validate "$entry" 2>&1); then
    fail "desktop-file-validate: $out"
fi
# A key of the main group, which ends where the desktop actions begin.
key() { sed -n "/^\[Desktop Action/q;s/^$1=//p" "$entry"; }
check "menu entry is not named Veltrane" test "$(key Name)" = Veltrane
check "menu entry has no English comment" test -n "$(key Comment)"
check "menu entry has no Russian comment" test -n "$(key 'Comment\[ru\]')"
check "menu entry icon is not the installed one" test "$(key Icon)" = veltrane
# Exec is the launcher under the prefix actually installed to, quoted for the space.
check "menu entry Exec is $(key Exec)" test "$(key Exec)" = "\"$launcher\""
check "menu entry TryExec is $(key TryExec)" test "$(key TryExec)" = "$launcher"
check "menu entry has no English action" grep -qxF "Exec=\"$launcher\" --lang en" "$entry"
check "menu entry has no Russian action" grep -qxF "Exec=\"$launcher\" --lang ru" "$entry"

# --- veltrane-calc ----------------------------------------------------------------------------
check "veltrane-calc --help fails" "$calc" --help >"$tmp/help.txt" 2>&1
check "veltrane-calc --help prints nothing" test -s "$tmp/help.txt"

# --- What software centres read ---------------------------------------------------------------
metainfo="$prefix/share/metainfo/invalid.veltrane.Veltrane.metainfo.xml"
check "AppStream metainfo does not validate" appstreamcli validate --no-net --explain "$metainfo"
check "metainfo does not launch the menu entry" \
    grep -qF '<launchable type="desktop-id">veltrane.desktop</launchable>' "$metainfo"

# --- The release history and the copyright file -------------------------------------------------
# The newest entry of both the changelog and the metainfo is the version the program reports.
version=$("$calc" --version)
version=${version#veltrane-calc }
doc="$prefix/share/doc/veltrane"
check "changelog does not start with version $version: $(gzip -dc "$doc/changelog.gz" | head -1)" \
    test "$(gzip -dc "$doc/changelog.gz" | head -1)" = "veltrane ($version) unstable; urgency=medium"
check "metainfo's newest release is not $version" \
    test "$(grep -o -m1 '<release version="[^"]*"' "$metainfo")" = "<release version=\"$version\""
check "copyright file is not machine-readable" \
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$doc/copyright"

# --- Bash completion ---------------------------------------------------------------------------
completion="$prefix/share/bash-completion/completions/veltrane-calc"
complete_words() {  # the words completed after the given ones
    bash -c 'source "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _veltrane_calc
             echo "${COMPREPLY[*]}"' "$completion" "$calc" "$@"
}
check "completion is not registered" \
    bash -c 'source "$0" && complete -p veltrane-calc >/dev/null' "$completion"
check "completion of calculators: $(complete_words tr)" test "$(complete_words tr)" = translate
check "completion of steps: $(complete_words translate new-o)" \
    test "$(complete_words translate new-o)" = "new-outlet= new-outlet-mode="
check "completion of words: $(complete_words translate goal=)" \
    test "$(complete_words translate goal=)" = "goal=times goal=faster goal=optimum goal=set"
check "completion of a button: $(complete_words column flow-)" \
    test "$(complete_words column flow-)" = "flow-ratio"
check "completion of the chromatograms' steps: $(complete_words translate --chromatograms ph)" \
    test "$(complete_words translate --chromatograms ph)" = "phase="

# --- The manual pages --------------------------------------------------------------------------
# Each renders, and names every option its command's --help shows and every step a calculator
# takes, so a page cannot fall behind the program.
page_text() {  # the page's source with roff's escaped hyphens plain
    gzip -dc "$prefix/share/man/man1/$1.1.gz" | sed 's/\\-/-/g'
}
# Read once: grep -q stops reading at its first match, and under pipefail the writer's broken
# pipe would read as a missing word once a page outgrows the pipe's buffer.
calc_page=$(page_text veltrane-calc)
program_page=$(page_text veltrane)
for page in veltrane veltrane-calc; do
    check "man page $page is not installed" test -s "$prefix/share/man/man1/$page.1.gz"
    check "man page $page does not render" \
        bash -c 'MANWIDTH=80 man -l "$0" 2>&1 >/dev/null | grep -q . && exit 1; exit 0' \
        "$prefix/share/man/man1/$page.1.gz"
done
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
for option in $("$calc" --help | options); do
    grep -qF -- "$option" <<<"$calc_page" || fail "veltrane-calc(1) lacks $option"
done
for option in $(XDG_DATA_HOME="$tmp/nowhere" "$launcher" --help | options); do
    grep -qF -- "$option" <<<"$program_page" || fail "veltrane(1) lacks $option"
done
for calculator in column plot translate vapor chromatogram "translate --chromatograms"; do
    # The steps: the field lines, the list names after "(any case):", NAME=... choices and
    # the buttons.
    # shellcheck disable=SC2086 # "translate --chromatograms" is two words
    steps=$("$calc" $calculator --help | sed -n '/^Steps/,/^Outputs/p' | awk '
        /^              [a-z]/ { for (i = 1; i <= NF; i++) print $i }
        /\(any case\):/ { sub(/.*\(any case\):/, ""); for (i = 1; i <= NF; i++) print $i }
        /^  [a-z][a-z-]*=/ { sub(/^  /, ""); sub(/=.*/, ""); print }
        / press the button/ { print $1 }')
    [ -n "$steps" ] || fail "no steps read from veltrane-calc $calculator --help"
    for step in $steps; do
        # A whole name: "film" is not found inside "new-film".
        grep -qE -- "(^|[ :])$step([ ,.=|]|$)" <<<"$calc_page" ||
            fail "veltrane-calc(1) lacks the $calculator step $step"
    done
done

# --- The launcher and the windowed program ----------------------------------------------------
home="$tmp/home"
data="$tmp/data"
runtime="$tmp/runtime"
mkdir -p "$home"
mkdir -m 0700 "$runtime"
# A clean desktop-like environment: the user's real home and data folders are never touched.
run_env=(env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8)

# First start, offscreen, from the installed tree: still running after two seconds, silent.
"${run_env[@]}" XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen "$launcher" \
    >"$tmp/out.txt" 2>"$tmp/err.txt" &
pid=$!
sleep 2
if kill -0 "$pid" 2>/dev/null; then
    # The launcher replaced itself with the program, in the working folder it chose.
    check "running program is $(readlink "/proc/$pid/exe")" \
        test "$(readlink "/proc/$pid/exe")" = "$(readlink -f "$program")"
    check "program runs in $(readlink "/proc/$pid/cwd")" \
        test "$(readlink "/proc/$pid/cwd")" = "$data/veltrane"
    kill "$pid"
    wait "$pid" 2>/dev/null
else
    wait "$pid"
    fail "the program ended within two seconds (status $?)"
fi
pid=
if [ -s "$tmp/err.txt" ] || [ -s "$tmp/out.txt" ]; then
    fail "the program wrote: $(cat "$tmp/out.txt" "$tmp/err.txt")"
fi
for list in "${lists[@]}"; do
    check "first start did not seed $list" cmp -s "$defaults/$list" "$data/veltrane/$list"
done

# The installed veltrane-calc reads the lists the launcher seeded.
vapor=$("$calc" vapor --dir "$data/veltrane" solvent=methanol 2>&1)
check "veltrane-calc does not read the seeded lists: $vapor" grep -qx 'solvent: Methanol' <<<"$vapor"

# Second start: the user edited one list, deleted another and has a file of their own. Without
# a display the program says so and ends at once, after the launcher has done its part.
work="$data/veltrane"
printf 'Argon\r\n' >>"$work/gases.txt"
cp "$work/gases.txt" "$tmp/edited.txt"
rm "$work/solvents.txt"
printf 'mine\r\n' >"$work/flow.cfg"
second=$("${run_env[@]}" XDG_DATA_HOME="$data" "$launcher" 2>&1)
status=$?
if [ "$status" != 1 ] || [ "$second" != "veltrane: no display available" ]; then
    fail "second start did not reach the program (status $status: $second)"
fi
check "second start overwrote the edited gases.txt" cmp -s "$tmp/edited.txt" "$work/gases.txt"
check "second start did not restore solvents.txt" cmp -s "$defaults/solvents.txt" "$work/solvents.txt"
check "second start touched flow.cfg" test "$(cat "$work/flow.cfg")" = $'mine\r'
# The launcher hands its arguments to the program, which refuses a language it does not have.
bad=$("${run_env[@]}" XDG_DATA_HOME="$data" "$launcher" --lang xx 2>&1)
status=$?
check "launcher --lang xx: status $status: $bad" test "$status" = 2
# Asked what it is, the program answers without a display and the launcher makes no folder.
help=$(XDG_DATA_HOME="$tmp/nowhere" "$launcher" --help)
status=$?
check "launcher --help: status $status" test "$status" = 0
check "--help names --lang, --help and --version: $help" \
    bash -c '[[ $0 == *--lang* && $0 == *--help* && $0 == *--version* ]]' "$help"
calc_version=$("$calc" --version)
check "launcher --version: $("$launcher" --version)" \
    test "$("$launcher" --version)" = "veltrane ${calc_version#veltrane-calc }"
check "--help made a folder" test ! -e "$tmp/nowhere"
leftovers=$(find "$work" -name '*.partial.*')
check "second start left partial copies: $leftovers" test -z "$leftovers"

# Without XDG_DATA_HOME, or with a relative one (which XDG says to ignore), the folder is
# ~/.local/share/veltrane.
for value in unset relative/data; do
    rm -rf "$home/.local"
    if [ "$value" = unset ]; then
        "${run_env[@]}" "$launcher" >/dev/null 2>&1
    else
        (cd "$tmp" && "${run_env[@]}" XDG_DATA_HOME="$value" "$launcher" >/dev/null 2>&1)
    fi
    for list in "${lists[@]}"; do
        check "XDG_DATA_HOME $value: $list not in ~/.local/share/veltrane" \
            cmp -s "$defaults/$list" "$home/.local/share/veltrane/$list"
    done
done
check "a relative XDG_DATA_HOME was used" test ! -e "$tmp/relative"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree checked in $prefix"
