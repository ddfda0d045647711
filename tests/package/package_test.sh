#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks that every file is in
# its place, runs the program unpacked from it, and runs Debian's validators
# on the desktop entry, the AppStream metadata and the manual page.
# usage: package_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli groff man; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/out/turnip-trek_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one turnip-trek_*.deb, found: ${debs[*]}"
deb=${debs[0]}
echo "built $(basename "$deb")"

# Every file, and nothing else.
expected=$(cat <<LIST
./usr/games/turnip-trek
./usr/share/applications/$app_id.desktop
./usr/share/icons/hicolor/128x128/apps/turnip-trek.png
./usr/share/icons/hicolor/256x256/apps/turnip-trek.png
./usr/share/icons/hicolor/32x32/apps/turnip-trek.png
./usr/share/icons/hicolor/64x64/apps/turnip-trek.png
./usr/share/man/man6/turnip-trek.6.gz
./usr/share/metainfo/$app_id.metainfo.xml
LIST
)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$actual" = "$expected" ] || fail "the package's files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = turnip-trek ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
for needed in libqt6widgets6 libsdl2-2.0-0 libc6 libstdc++6 qt6-qpa-plugins fonts-dancingscript fonts-wine; do
  [[ ", $depends" == *", $needed"* ]] || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/games/turnip-trek
"$program" --version | grep -qx "turnip-trek $(field Version)" ||
  fail "--version of the unpacked program does not say $(field Version)"
printed=$(printf 'click Main.Image4\nclick Main.Command1\ntick\nprint Play.You.Top GX.Pos.Caption\n' |
  "$program" --headless)
[ "$printed" = $'Play.You.Top=1600\nGX.Pos.Caption=Right' ] ||
  fail "the unpacked program played a different game: $printed"

desktop=$work/root/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=/usr/games/turnip-trek' "$desktop" || fail "Exec is not /usr/games/turnip-trek"
grep -qx 'TryExec=/usr/games/turnip-trek' "$desktop" || fail "TryExec is not /usr/games/turnip-trek"

appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"

zcat "$work/root/usr/share/man/man6/turnip-trek.6.gz" >"$work/turnip-trek.6"
warnings=$(groff -man -ww -z "$work/turnip-trek.6" 2>&1)
[ -z "$warnings" ] || fail "groff warns: $warnings"
MANWIDTH=80 man -l "$work/turnip-trek.6" 2>"$work/man.err" | grep -q 'turnip-trek' ||
  fail "man -l shows nothing: $(cat "$work/man.err")"
[ ! -s "$work/man.err" ] || fail "man -l complains: $(cat "$work/man.err")"

# The manual page names every option that --help lists.
for option in $("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "${option//-/\\\\-}" "$work/turnip-trek.6" || fail "the manual page lacks $option"
done
echo "package ok"
