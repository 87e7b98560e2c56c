#!/usr/bin/env bash
# Installs the build into a temporary folder and checks what a desktop finds there: every
# file in its place and no other, a valid desktop entry and AppStream metadata that carries
# the program's own version, and a readable manual page.
#   installed_files_test.sh BUILD_DIR
set -euo pipefail
build=$1
id=org.brindamor.Brindamor
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
cd "$stage/usr"

expected="bin/zelto
share/applications/$id.desktop
share/doc/zelto/copyright
share/doc/zelto/examples/tour.zlt"
for size in 16 22 24 32 48 64 128 256; do
  expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/$id.png"
done
expected+="
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/zelto.1
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml
share/zelto/zelto.hlp"
actual=$(cd "$stage" && find . ! -type d | sed 's|^\./usr/||' | LC_ALL=C sort)
expected=$(LC_ALL=C sort <<<"$expected")
if [ "$actual" != "$expected" ]; then
  echo "installed files differ from the expected ones (< expected, > installed):"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi

for tool in desktop-file-validate appstreamcli man file; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/deps installs it"; exit 1; }
done
desktop-file-validate "share/applications/$id.desktop"
appstreamcli validate --no-net "share/metainfo/$id.metainfo.xml"

# Each PNG has the size of its folder.
for size in 16 22 24 32 48 64 128 256; do
  file "share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
    { echo "icon ${size}x${size} has another size"; exit 1; }
done

# The release in the metadata is the version the program reports.
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "share/metainfo/$id.metainfo.xml")
"$stage/usr/bin/zelto" --help | grep -q "Brindamor, version $release:" ||
  { echo "the metadata's release $release is not the program's version"; exit 1; }

page=$(MANWIDTH=80 man --warnings -l share/man/man1/zelto.1 2>&1)
for form in "zelto [DOCUMENT.zlt]" "zelto -unregister" "zelto --export-text" "zelto --help" \
            "EXIT STATUS" "ENVIRONMENT" "FILES"; do
  grep -qF -- "$form" <<<"$page" || { echo "manual page lacks: $form"; echo "$page"; exit 1; }
done
if grep -q "warning" <<<"$page"; then echo "$page" | grep warning; exit 1; fi
echo "installed files: all in place and valid"
