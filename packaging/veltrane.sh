#!/bin/sh
# Starts Veltrane from the desktop menu: the program reads and writes its lists, flow.cfg and
# plot.xy in its current folder, so each user gets a folder of their own under the XDG data
# folder, seeded with the shipped lists. A list already there is the user's and stays as it is.
set -eu

# Everything is found beside this script's installed place, so a staged or relocated install
# works as well as one in /usr.
self=$(readlink -f -- "$0" 2>/dev/null) || self=$0
prefix=$(cd -- "$(dirname -- "$self")/.." && pwd -P)
program=$prefix/lib/veltrane/veltrane
defaults=$prefix/share/veltrane

# Asking what the program is makes no folder.
case ${1:-} in
--help | -h | --version) exec "$program" "$@" ;;
esac

# A relative XDG_DATA_HOME is invalid and is ignored, as for every other XDG program.
data=${XDG_DATA_HOME:-}
case $data in
/*) ;;
*)
    if [ -z "${HOME:-}" ]; then
        echo "veltrane: neither XDG_DATA_HOME nor HOME is set; no folder for the lists" >&2
        exit 1
    fi
    data=$HOME/.local/share
    ;;
esac
work=$data/veltrane
mkdir -p -- "$work"

for list in "$defaults"/gases.txt "$defaults"/solvents.txt "$defaults"/liners.txt \
    "$defaults"/compounds.txt; do
    [ -f "$list" ] || continue
    target=$work/${list##*/}
    # -L too: a dangling link is still something the user put there.
    if [ -e "$target" ] || [ -L "$target" ]; then continue; fi
    # Copied beside and renamed, so an interrupted copy never passes for the user's list.
    partial=$target.partial.$$
    if ! { cp -- "$list" "$partial" && mv -f -- "$partial" "$target"; }; then
        rm -f -- "$partial"
        echo "veltrane: could not copy ${list##*/} into $work" >&2
    fi
done

cd -- "$work"
# The program's own arguments (--lang) pass through.
exec "$program" "$@"
