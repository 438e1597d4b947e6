#!/usr/bin/env bash
# Checks the Debian package `make package` wrote into BUILD as a Debian user's tools see it:
# lintian with no error and no warning, then the menu entry and the AppStream metainfo exactly
# as the package installs them.
set -euo pipefail
build=${1:?build folder}
shopt -s nullglob
debs=("$build"/veltrane_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  echo "check-package: expected one veltrane_*.deb in $build, found ${#debs[@]}" >&2
  exit 1
fi
deb=${debs[0]}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

failed=0
step() {  # step <what> <command...>: runs it, says how it went, remembers a failure
  local what=$1
  shift
  if "$@" >"$tmp/out" 2>&1; then
    echo "ok      $what"
  else
    echo "FAILED  $what" >&2
    cat "$tmp/out" >&2
    failed=1
  fi
}

# lintian reports through its exit status only what --fail-on names; every tag it prints at
# warning level or above is shown either way.
step "lintian $(basename "$deb")" lintian --fail-on error,warning --display-level '>=warning' "$deb"
if [ -s "$tmp/out" ]; then cat "$tmp/out"; fi

dpkg-deb -x "$deb" "$tmp/root"
step "desktop-file-validate veltrane.desktop" \
  desktop-file-validate "$tmp/root/usr/share/applications/veltrane.desktop"
metainfo=("$tmp/root/usr/share/metainfo/"*.metainfo.xml)
if [ ${#metainfo[@]} -ne 1 ]; then
  echo "FAILED  the package holds ${#metainfo[@]} metainfo files, not one" >&2
  failed=1
else
  step "appstreamcli validate $(basename "${metainfo[0]}")" \
    appstreamcli validate --no-net "${metainfo[0]}"
fi
exit $failed
