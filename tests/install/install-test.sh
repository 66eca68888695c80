#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and checks the installation:
# its files in place, its desktop entry and AppStream metadata valid, and the
# installed program, started under a temporary home, showing its main menu and
# opening its help from share/treluza; the delivered table is installed into
# the per-user data folder and nothing is written under the prefix.
#   install-test.sh CMAKE BUILD_FOLDER PROBE APP_ID
set -euo pipefail
cmake="$1" build="$2" probe="$3" app_id="$4"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
root="$work/root"
prefix="$root/usr"
home="$work/home"
mkdir -p "$home" "$work/runtime"
chmod 700 "$work/runtime"
fail() { echo "install test: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# The width and height of a PNG file, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 48x48 128x128 256x256; do
    icon="$prefix/share/icons/hicolor/$size/apps/$app_id.png"
    [ -f "$icon" ] || fail "no icon $icon"
    [ "$(png_size "$icon")" = "$size" ] || fail "$icon is $(png_size "$icon"), not $size"
done
for f in "share/icons/hicolor/scalable/apps/$app_id.svg" share/doc/treluza/copyright; do
    [ -s "$prefix/$f" ] || fail "no $f"
done
grep -q "NEPA" "$prefix/share/doc/treluza/copyright" || fail "the copyright file does not name the table's source"

desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# The metadata alone, then with the desktop entry it names as launchable.
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate-tree --no-net "$root"

# A line only this run knows, to see that the help comes from the installed file.
marker="install test $$-$RANDOM"
printf '%s\r\n' "$marker" >>"$prefix/share/treluza/Ajuda.hlp"
listing() { (cd "$root" && find . -printf '%p %s %m %T@\n' | sort); }
before="$(listing)"

asan="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
# The probe is preloaded ahead of the sanitizer runtime of a sanitized build.
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" \
    TRELUZA_PROBE_HELP_MARKER="$marker" ASAN_OPTIONS="$asan:verify_asan_link_order=0" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
    "$prefix/bin/treluza" || fail "the installed program did not show its main menu and its help"

[ "$(listing)" = "$before" ] || {
    diff <(echo "$before") <(listing) >&2 || true
    fail "the program wrote under its installation prefix"
}
data="$home/.local/share/TRELUZA/Dados"
head -c 4 "$data/ArqTab.dad" | grep -qx "TACO" || fail "the delivered table is not in $data/ArqTab.dad"
installed=("$data"/*/Ingrediente/ArqIng.dad)
[ ${#installed[@]} -eq 1 ] && cmp -s "${installed[0]}" "$prefix/share/treluza/Tabelas/TACO/ArqIng.dad" ||
    fail "the ingredients of the delivered table were not copied into $data"
echo "install test: installed into $prefix; main menu and help shown; TACO installed into $data"
