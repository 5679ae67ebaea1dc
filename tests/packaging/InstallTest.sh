#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop would find there:
#   InstallTest.sh CMAKE BUILD_DIR SAMPLE_RECORD_FILE
# A check whose validator is not installed is skipped, with the reason, and the test ends
# with status 77 (skipped) once every other check has passed.
set -uo pipefail
cmake=$1 build=$2 sample=$3
id=org.norv.norv2
type=text/x-vesk-record

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failed=0 skipped=0
fail() { echo "FAIL: $*"; failed=1; }
# have TOOL PACKAGE: whether the validator is there; says so when it is not.
have() {
  command -v "$1" >/dev/null && return 0
  echo "SKIP: $1 is not installed (Debian package $2)"
  skipped=1
  return 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; exit 1; }

expected="bin/Norv2
bin/settings-remover
share/applications/$id.desktop
share/doc/norv2/changelog.gz
share/doc/norv2/copyright
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/Norv2.1.gz
share/man/man1/settings-remover.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml"
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:$(diff <(echo "$expected") <(echo "$actual") | sed 's/^/ /')"

# Each PNG is as large as the folder it lies in says.
for png in "$prefix"/share/icons/hicolor/*x*/apps/$id.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  [ "$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')" = "$size" ] || fail "$png is not $size"
done

if have desktop-file-validate desktop-file-utils; then
  out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) && [ -z "$out" ] ||
    fail "desktop-file-validate: $out"
fi
if have appstreamcli appstream; then
  out=$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $out"
  grep -q '^[EWIP]:' <<<"$out" && fail "appstreamcli validate has remarks: $out"
fi

# The record file type by its name, and by its first line where the name does not tell.
if have update-mime-database shared-mime-info && have xdg-mime xdg-utils &&
   have mimetype libfile-mimeinfo-perl; then
  update-mime-database "$prefix/share/mime" || fail "update-mime-database"
  : >"$work/たろう.ｷﾛｸ"  # empty: only its name tells
  cp "$sample" "$work/no-extension"
  printf 'A plain note\n' >"$work/note"
  for check in "たろう.ｷﾛｸ $type" "no-extension $type" "note text/plain"; do
    set -- $check
    # Outside a desktop it knows, xdg-mime asks File::MimeInfo, which reads the database
    # the XDG_DATA variables name.
    got=$(env -i PATH="$PATH" LANG=C.UTF-8 HOME="$work" XDG_DATA_HOME="$prefix/share" \
          XDG_DATA_DIRS="$prefix/share" xdg-mime query filetype "$work/$1" 2>/dev/null)
    [ "$got" = "$2" ] || fail "xdg-mime query filetype $1: '$got', not $2"
  done
fi

# The man pages are well-formed and name every option of the usage.
if have groff groff-base; then
  for page in Norv2 settings-remover; do
    out=$(gzip -dc "$prefix/share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -man -ww -z -K utf8 -Tutf8 2>&1)
    [ -z "$out" ] || fail "groff on $page.1: $out"
  done
fi
man=$(gzip -dc "$prefix/share/man/man1/Norv2.1.gz" | sed 's/\\-/-/g')
for option in $("$prefix/bin/Norv2" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$man" || fail "the man page does not name $option"
done

# The Debian package passes Debian's own checker without an error or a warning.
if have lintian lintian; then
  "$(dirname "$cmake")/cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; }
  out=$(lintian --fail-on error,warning "$work"/deb/*.deb 2>&1) || fail "lintian: $out"
fi

[ "$failed" = 0 ] || exit 1
[ "$skipped" = 0 ] || exit 77
echo "Installed and validated."
