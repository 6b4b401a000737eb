# Checks shared by the install tests: what an installed Velmora must look like and
# how it must behave when a user runs it. Sourced; each check exits on a failure.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

app_id=org.velmora.Velmora
mime_type=application/x-velmora-design

# Every file an installed tree (<prefix>) must hold, and nothing else.
expected_files() {
  local source=$1 gui=$2 f
  echo bin/velmora-cli
  echo share/doc/velmora/copyright
  for f in "$source"/data/*.txt; do echo "share/velmora/${f##*/}"; done
  if [ "$gui" = 1 ]; then
    echo bin/velmora
    echo share/applications/velmora.desktop
    echo share/icons/hicolor/scalable/apps/velmora.svg
    echo share/icons/hicolor/256x256/apps/velmora.png
    echo "share/metainfo/$app_id.metainfo.xml"
    echo share/mime/packages/velmora.xml
  fi
}

# The value of key in the [Desktop Entry] file.
desktop_value() {
  sed -n "s/^$2=//p" "$1"
}

# Width and height of a PNG, from its IHDR chunk.
png_size() {
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${w}x$h"
}

check_layout() {
  local prefix=$1 source=$2 gui=$3 version=$4
  [ -d "$prefix" ] || fail "no installed tree at $prefix"
  local want have
  want=$(expected_files "$source" "$gui" | LC_ALL=C sort)
  have=$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)
  [ "$want" = "$have" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$want") <(echo "$have"))"

  [ -x "$prefix/bin/velmora-cli" ] || fail "bin/velmora-cli is not executable"
  local copyright=$prefix/share/doc/velmora/copyright
  head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "copyright: not in the machine-readable format"
  grep -q '^License: Expat$' "$copyright" || fail "copyright: no Expat (MIT) licence"
  grep -q '^Copyright: 2026 The Velmora developers$' "$copyright" || fail "copyright: no holder"
  grep -q '^ THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR$' "$copyright" ||
    fail "copyright: the licence text is missing"
  local f
  for f in "$source"/data/*.txt; do
    cmp -s "$f" "$prefix/share/velmora/${f##*/}" || fail "share/velmora/${f##*/} differs from data/"
  done
  [ "$gui" = 1 ] || return 0

  [ -x "$prefix/bin/velmora" ] || fail "bin/velmora is not executable"
  local desktop=$prefix/share/applications/velmora.desktop
  [ "$(desktop_value "$desktop" Type)" = Application ] || fail "desktop file: Type"
  [ "$(desktop_value "$desktop" Exec)" = "velmora %f" ] || fail "desktop file: Exec must pass the file"
  [ "$(desktop_value "$desktop" Icon)" = velmora ] || fail "desktop file: Icon"
  [ "$(desktop_value "$desktop" Categories)" = "Education;Engineering;Electronics;" ] ||
    fail "desktop file: Categories"
  [ "$(desktop_value "$desktop" MimeType)" = "$mime_type;" ] || fail "desktop file: MimeType"
  [ -n "$(desktop_value "$desktop" Name)" ] || fail "desktop file: no Name"
  [ -n "$(desktop_value "$desktop" Comment)" ] || fail "desktop file: no English Comment"
  [ -n "$(desktop_value "$desktop" 'Comment\[ru\]')" ] || fail "desktop file: no Russian Comment"

  cmp -s "$source/res/velmora.svg" "$prefix/share/icons/hicolor/scalable/apps/velmora.svg" ||
    fail "the scalable icon is not res/velmora.svg"
  local size
  size=$(png_size "$prefix/share/icons/hicolor/256x256/apps/velmora.png")
  [ "$size" = 256x256 ] || fail "the 256x256 icon is $size"

  local mime=$prefix/share/mime/packages/velmora.xml
  grep -q "<mime-type type=\"$mime_type\">" "$mime" || fail "MIME entry: no type $mime_type"
  # The content decides; the name, which other programs use too, weighs little.
  local weight priority
  weight=$(sed -n 's/.*<glob pattern="\*\.sav" weight="\([0-9]*\)".*/\1/p' "$mime")
  priority=$(sed -n 's/.*<magic priority="\([0-9]*\)".*/\1/p' "$mime")
  [ -n "$weight" ] && [ "$weight" -lt 50 ] || fail "MIME entry: *.sav needs a weight below 50 ('$weight')"
  [ -n "$priority" ] && [ "$priority" -gt 50 ] || fail "MIME entry: magic needs a priority above 50 ('$priority')"

  local meta=$prefix/share/metainfo/$app_id.metainfo.xml
  grep -q "<id>$app_id</id>" "$meta" || fail "metainfo: id"
  grep -q '<launchable type="desktop-id">velmora.desktop</launchable>' "$meta" ||
    fail "metainfo: the launchable is not the installed desktop file"
  grep -q "<release version=\"$version\"" "$meta" || fail "metainfo: no release $version"
  grep -q '<binary>velmora</binary>' "$meta" && grep -q '<binary>velmora-cli</binary>' "$meta" ||
    fail "metainfo: provides must name both programs"
  grep -q "<mediatype>$mime_type</mediatype>" "$meta" || fail "metainfo: provides no $mime_type"
}

# Runs the installed velmora-cli from a fresh folder of its own: the shipped
# catalogue must be found beside the program and the default design computed.
check_cli() {
  local cli=$1 scratch=$2 version=$3
  local here out rc=0
  here=$(mktemp -d "$scratch/cwd.XXXXXX")
  out=$(cd "$here" && "$cli" --json) || rc=$?
  [ "$rc" = 0 ] || fail "$cli --json from $here: status $rc
$out"
  grep -q '^  "status": "ok",$' <<<"$out" || fail "$cli --json: the default design did not compute
$out"
  grep -q '^    "Conductor": "[^"]' <<<"$out" || fail "$cli --json: no wire kind was selected
$out"
  [ -z "$(ls -A "$here")" ] || fail "$cli wrote into the current folder: $(ls -A "$here")"
  out=$("$cli" --version) || fail "$cli --version failed"
  [ "$out" = "velmora-cli $version" ] || fail "$cli --version printed \"$out\""
}
