#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and looks inside it with
# dpkg-deb: its control fields, its dependencies and its files, then runs the
# packaged velmora-cli from the unpacked tree. The package is never installed.
#   debian_package.sh CPACK BUILD_DIR SOURCE_DIR VERSION GUI(0|1)
set -euo pipefail
cpack=$1 build=$2 source=$3 version=$4 gui=$5
. "$(dirname "$0")/common.sh"

for tool in dpkg-deb dpkg-shlibdeps dpkg; do
  command -v "$tool" >/dev/null || { echo "skip: $tool is missing (dpkg-dev)"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$tmp/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$tmp/out/velmora_${version}_$arch.deb
[ -f "$deb" ] || fail "no $deb; cpack wrote: $(ls "$tmp/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
case "$(field Section)" in electronics | science) ;; *) fail "Section: $(field Section)" ;; esac
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"

# The names in Depends, without versions or alternatives.
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*//; s/^ *//; s/ *$//' | sed '/^$/d' | sort -u)
has() { grep -qx "$1" <<<"$depends"; }
for p in libc6 libstdc++6; do has "$p" || fail "Depends lacks $p: $(field Depends)"; done
if [ "$gui" = 1 ]; then
  for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins; do
    has "$p" || fail "Depends lacks $p: $(field Depends)"
  done
elif grep -q '^libqt6' <<<"$depends"; then
  fail "without the window nothing needs Qt: $(field Depends)"
fi

dpkg-deb -x "$deb" "$tmp/x"
[ "$(ls -A "$tmp/x")" = usr ] || fail "the package installs outside /usr: $(ls -A "$tmp/x")"
check_layout "$tmp/x/usr" "$source" "$gui" "$version"
check_cli "$tmp/x/usr/bin/velmora-cli" "$tmp" "$version"
echo "ok: $(basename "$deb"), Depends: $(field Depends)"
