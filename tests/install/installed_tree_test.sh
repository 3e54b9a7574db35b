#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under the prefix /usr, as the Debian package
# does, and checks the installed tree: every data file, the desktop entry, the metainfo, the
# file types, the icons, the manual pages and the completion, each with the tool a desktop
# uses to read it; then runs the installed programs, which must find their data beside them.
#   installed_tree_test.sh SOURCE_DIR BUILD_DIR VERSION
set -euo pipefail
source_dir=$1
build=$2
version=$3
tmp=$(realpath "$(mktemp -d)")
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}
id=io.github.plattenwerk.Plattenwerk
DESTDIR=$tmp/root cmake --install "$build" --prefix /usr > /dev/null
usr=$tmp/root/usr

# Data: everything data/ holds, as it is there.
diff <(cd "$source_dir/data" && find . -type f | sort) <(cd "$usr/share/plattenwerk" && find . -type f | sort) ||
  fail "share/plattenwerk differs from data/"
cmp "$source_dir/data/Beispiele/Beispiel.fpl" "$usr/share/plattenwerk/Beispiele/Beispiel.fpl"
for f in bin/plattenwerk bin/plattenwerk-cli share/doc/plattenwerk/LICENSE share/doc/plattenwerk/copyright \
  share/bash-completion/completions/plattenwerk-cli; do
  [ -s "$usr/$f" ] || fail "$f is not installed"
done

# Desktop entry: valid, and naming what is installed.
desktop=$usr/share/applications/$id.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx "Exec=plattenwerk %f" "$desktop" || fail "Exec is not 'plattenwerk %f'"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not $id"
grep -qx "MimeType=application/x-plattenwerk;" "$desktop" || fail "MimeType"
grep -q "^Name\[de\]=\|^GenericName\[de\]=" "$desktop" && grep -q "^Comment\[de\]=" "$desktop" || fail "no German texts"

# Metainfo: valid without the network, about the desktop entry and this version.
metainfo=$usr/share/metainfo/$id.metainfo.xml
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $out"
[ "$(xmllint --xpath 'string(//launchable)' "$metainfo")" = "$id.desktop" ] || fail "launchable"
[ "$(xmllint --xpath 'string(//release[1]/@version)' "$metainfo")" = "$version" ] || fail "release version"
[ "$(xmllint --xpath 'string(//project_license)' "$metainfo")" = "GPL-3.0-or-later" ] || fail "licence"

# File types: well-formed, and a MIME database built from them knows both names.
mimexml=$usr/share/mime/packages/$id.xml
xmllint --noout "$mimexml"
mkdir -p "$tmp/mime/packages"
cp "$mimexml" "$tmp/mime/packages/"
XDG_DATA_DIRS=$tmp update-mime-database "$tmp/mime"
grep -q "^[0-9]*:application/x-plattenwerk:\*\.fpl$" "$tmp/mime/globs2" || fail "*.fpl is not application/x-plattenwerk"
grep -q "^[0-9]*:application/x-plattenwerk-library:\*\.lib$" "$tmp/mime/globs2" || fail "*.lib is not a library page"

# Icons: the picture in three sizes, readable by an SVG reader and an image reader.
icons=$usr/share/icons/hicolor
rsvg-convert -w 32 -h 32 "$icons/scalable/apps/$id.svg" -o "$tmp/icon.png" || fail "the SVG icon does not render"
# The pictures are the SVG's: rendered from it again they differ by little more than rounding.
for size in 48 256; do
  png=$icons/${size}x${size}/apps/$id.png
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "icon $size"
  rsvg-convert -w $size -h $size "$icons/scalable/apps/$id.svg" -o "$tmp/icon-$size.png"
  error=$(compare -metric RMSE "$png" "$tmp/icon-$size.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
  awk -v e="$error" 'BEGIN { exit !(e < 0.02) }' || fail "icon $size is not the SVG's picture (RMSE $error)"
done

# Manual pages: no warnings from man, the version in their header.
for page in plattenwerk plattenwerk-cli; do
  file=$usr/share/man/man1/$page.1.gz
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
  zcat "$file" | grep -q "^\.TH .*\"Plattenwerk $version\"" || fail "$page.1 does not name version $version"
done

# The installed programs: versions, and the data found beside the program.
cli=$usr/bin/plattenwerk-cli
[ "$("$cli" --version)" = "plattenwerk-cli $version" ] || fail "plattenwerk-cli --version: $("$cli" --version)"
[ "$("$usr/bin/plattenwerk" --version)" = "plattenwerk $version" ] || fail "plattenwerk --version"
help=$(env -u PLATTENWERK_DATA LC_ALL=C "$usr/bin/plattenwerk" --help --home "$tmp/home")
grep -qx "Data directory: $usr/share/plattenwerk/" <<< "$help" || fail "the installed program's data: $help"
env -u PLATTENWERK_DATA -u DISPLAY -u WAYLAND_DISPLAY "$cli" render \
  "$usr/share/plattenwerk/Beispiele/Beispiel.fpl" "$tmp/installed.png"
env -u DISPLAY -u WAYLAND_DISPLAY "$build/src/cli/plattenwerk-cli" render \
  "$source_dir/data/Beispiele/Beispiel.fpl" "$tmp/built.png"
cmp -s "$tmp/installed.png" "$tmp/built.png" || fail "the installed tool renders the example differently"

# Every command and option the tool names in its help is in its manual page and its completion.
man_text=$(zcat "$usr/share/man/man1/plattenwerk-cli.1.gz" | sed 's/\\-/-/g')
completion=$usr/share/bash-completion/completions/plattenwerk-cli
words=$( (
  "$cli" --help
  "$cli" scale --help
) | grep -o -- '--[a-z][a-z-]*\|^plattenwerk-cli [a-z]*' | sed 's/^plattenwerk-cli //' | sort -u)
[[ $(echo $words) == *"print render scale"* && $words == *--split* ]] || fail "no commands in the help: $words"
for word in $words; do
  grep -qF -- "$word" <<< "$man_text" || fail "plattenwerk-cli.1 does not describe $word"
  grep -qF -- "$word" "$completion" || fail "the completion does not know $word"
done

# The completion offers commands, a command's options and values.
complete_line() {
  bash --norc -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _plattenwerk_cli; echo "${COMPREPLY[*]}"' _ "$completion" "$@"
}
[ "$(complete_line plattenwerk-cli ren)" = "render" ] || fail "completion of a command"
[ "$(complete_line plattenwerk-cli render a.fpl --d)" = "--dpi" ] || fail "completion of an option"
[ "$(complete_line plattenwerk-cli print a.fpl --paper Le)" = "Letter Legal" ] || fail "completion of a value"
echo "the installed tree is complete and valid"
