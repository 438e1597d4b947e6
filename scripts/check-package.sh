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
step() {  # step <what> <command...>: runs it, says how it went and what it said
  local what=$1
  shift
  if "$@" >"$tmp/out" 2>&1; then
    echo "ok      $what"
  else
    echo "FAILED  $what"
    failed=1
  fi
  # CI runs as root, which lintian remarks on every time.
  grep -v '^running with root privileges' "$tmp/out" || true
}

step "lintian $(basename "$deb")" lintian --fail-on error,warning --display-level '>=warning' "$deb"

dpkg-deb -x "$deb" "$tmp/root"
step "desktop-file-validate veltrane.desktop" \
  desktop-file-validate "$tmp/root/usr/share/applications/veltrane.desktop"
metainfo=("$tmp/root/usr/share/metainfo/"*.metainfo.xml)
if [ ${#metainfo[@]} -ne 1 ]; then
  echo "FAILED  the package holds ${#metainfo[@]} metainfo files, not one"
  failed=1
else
  step "appstreamcli validate $(basename "${metainfo[0]}")" \
    appstreamcli validate --no-net "${metainfo[0]}"
fi
exit $failed
