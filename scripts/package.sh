#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: the menu entries and AppStream
# metadata pass their validators, and the unpacked Glintwork runs from the installed layout,
# finds its help page and keeps its settings in the user's folder without writing anything
# into the unpacked tree. KERNCRAFT_BUILD names the build folder (build/release by default).
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/setup.sh"

build_suite "$KERNCRAFT_BUILD"

echo "-- Validating the menu entries and the AppStream metadata"
desktop-file-validate "$KERNCRAFT_BUILD"/packaging/*.desktop
appstreamcli validate --no-net "$KERNCRAFT_BUILD"/packaging/*.metainfo.xml

echo "-- Building the package"
rm -f "$KERNCRAFT_BUILD"/kerncraft_*.deb
(cd "$KERNCRAFT_BUILD" && cpack -G DEB >/dev/null)
deb="$(ls "$KERNCRAFT_BUILD"/kerncraft_*_*.deb)"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

echo "-- Starting the unpacked Glintwork"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
dpkg -x "$deb" "$tmp/root"
mkdir -p "$tmp/home"
(cd "$tmp/root" && find . | sort) >"$tmp/before"
status=0
env -i PATH="$PATH" HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/config" \
    XDG_CACHE_HOME="$tmp/home/cache" XDG_DATA_HOME="$tmp/home/data" \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="kerncraft.glintwork.info=true" \
    timeout 6 "$tmp/root/usr/bin/glintwork" >"$tmp/log" 2>&1 || status=$?
cat "$tmp/log"
fail() {
    echo "package check: $*" >&2
    exit 1
}
# timeout ends the still-running program with 124; anything else is a crash or an early exit.
[ "$status" -eq 124 ] || fail "glintwork ended with status $status instead of running"
grep -qF "file://$tmp/root/usr/share/kerncraft/help/glintwork.html" "$tmp/log" ||
    fail "the help page was not found in the installed layout"
settings="$tmp/home/config/Kerncraft/Glintwork/Glintwork.ini"
[ -s "$settings" ] || fail "no settings file in the user's folder ($settings)"
(cd "$tmp/root" && find . | sort) >"$tmp/after"
diff "$tmp/before" "$tmp/after" || fail "files were written into the unpacked package"
echo "-- Package check passed: $deb"
