#!/usr/bin/env bash
# Installs Velmora into a temporary root as a package would (prefix /usr) and uses it
# the way a user does: from a folder of their own, with a home of their own. Then
# moves the tree elsewhere: the programs find their data from where they are.
#   install_tree.sh CMAKE BUILD_DIR SOURCE_DIR VERSION GUI(0|1)
set -euo pipefail
cmake=$1 build=$2 source=$3 version=$4 gui=$5
. "$(dirname "$0")/common.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root
DESTDIR=$root "$cmake" --install "$build" --prefix /usr --component velmora >"$tmp/install.log" ||
  fail "cmake --install failed: $(cat "$tmp/install.log")"
usr=$root/usr

check_layout "$usr" "$source" "$gui" "$version"
check_cli "$usr/bin/velmora-cli" "$tmp" "$version"

# Without its share folder the program finds no catalogue: what check_cli found came
# from the installed tree, not from anywhere else.
mkdir -p "$tmp/lonely/bin" "$tmp/lonely/cwd"
cp "$usr/bin/velmora-cli" "$tmp/lonely/bin/"
rc=0
(cd "$tmp/lonely/cwd" && "$tmp/lonely/bin/velmora-cli" --json) >/dev/null 2>&1 || rc=$?
[ "$rc" = 2 ] || fail "velmora-cli without share/velmora: status $rc, the catalogue must be missing"

# A relocated prefix, and the program started through a link from elsewhere.
mkdir -p "$tmp/moved" "$tmp/links"
cp -a "$usr" "$tmp/moved/prefix"
check_cli "$tmp/moved/prefix/bin/velmora-cli" "$tmp" "$version"
ln -s "$tmp/moved/prefix/bin/velmora-cli" "$tmp/links/velmora-cli"
check_cli "$tmp/links/velmora-cli" "$tmp" "$version"
rm -rf "$tmp/moved" "$tmp/links"

if [ "$gui" = 0 ]; then
  echo "ok: installed tree and velmora-cli from foreign folders (no window built)"
  exit 0
fi

# A design file as the program writes it is recognised by its first bytes.
design=$tmp/design.sav
"$usr/bin/velmora-cli" --save "$design" >/dev/null || fail "velmora-cli --save failed"
if command -v update-mime-database >/dev/null; then
  mkdir -p "$tmp/mime/packages"
  cp "$usr/share/mime/packages/velmora.xml" "$tmp/mime/packages/"
  update-mime-database "$tmp/mime" 2>/dev/null || fail "update-mime-database refused the MIME entry"
  # The compiled magic: "[prio:type]\n>0=", a big-endian 16-bit length, the bytes and
  # "\n" when there is no mask or range. Compared in hex: the record holds NUL bytes.
  hex() { od -An -tx1 -v | tr -d ' \n'; }
  compiled=$(hex <"$tmp/mime/magic")
  key=$(printf ':%s]\n>0=' "$mime_type" | hex)
  rest=${compiled#*"$key"}
  [ "$rest" != "$compiled" ] || fail "no compiled magic at offset 0 for $mime_type"
  len=$((16#${rest:0:4}))
  value=${rest:4:$((len * 2))}
  [ "$len" -gt 0 ] && [ "${rest:$((4 + len * 2)):2}" = 0a ] ||
    fail "the compiled magic is not one plain string of $len bytes"
  start=$(head -c "$len" "$design" | hex)
  [ "$value" = "$start" ] || fail "the MIME magic ($value) is not how a saved design starts ($start)"
  grep -q "^[0-9]*:$mime_type:\*\.sav$" "$tmp/mime/globs2" || fail "compiled globs lack *.sav"
else
  echo "note: update-mime-database missing, the compiled MIME magic is not checked"
fi

if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root" >"$tmp/appstream.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$tmp/appstream.log")"
else
  echo "note: appstreamcli missing, the metainfo is not validated"
fi
if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$usr/share/applications/velmora.desktop" 2>&1) ||
    fail "desktop-file-validate: $out"
else
  echo "note: desktop-file-validate missing, the desktop file is not validated"
fi

# The window, started offscreen from a foreign folder and closed as a session ends
# it: the state goes to the user's configuration folder, nothing into the share folder.
home=$tmp/home config=$tmp/config runtime=$tmp/runtime here=$tmp/gui-cwd
mkdir -p "$home" "$config" "$runtime" "$here"
chmod 700 "$runtime"
share=$usr/share/velmora
before=$(ls -A "$share")
touch "$tmp/stamp"
sleep 1  # a write in the same second must still look newer than the stamp
(cd "$here" && exec env HOME="$home" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" \
  QT_QPA_PLATFORM=offscreen "$usr/bin/velmora") >"$tmp/velmora.log" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  rc=0; wait "$pid" || rc=$?
  fail "velmora ended by itself with status $rc before it was asked to close: $(cat "$tmp/velmora.log")"
fi
kill -TERM "$pid"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill -KILL "$pid"
  fail "velmora was still running 10 s after SIGTERM"
fi
rc=0; wait "$pid" || rc=$?
[ "$rc" = 0 ] || fail "velmora closed on SIGTERM with status $rc: $(cat "$tmp/velmora.log")"
[ -f "$config/Velmora/Velmora.ini" ] || fail "no state file in \$XDG_CONFIG_HOME/Velmora after the close"
[ ! -e "$home/.config/Velmora" ] || fail "the state went to ~/.config although XDG_CONFIG_HOME is set"
[ "$(ls -A "$share")" = "$before" ] || fail "velmora created files in $share: $(ls -A "$share")"
[ -z "$(find "$share" -newer "$tmp/stamp")" ] || fail "velmora changed $(find "$share" -newer "$tmp/stamp")"
[ -z "$(ls -A "$here")" ] || fail "velmora wrote into its current folder: $(ls -A "$here")"
echo "ok: installed tree, velmora-cli from foreign folders, velmora closed on SIGTERM"
