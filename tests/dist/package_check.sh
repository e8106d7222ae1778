#!/usr/bin/env bash
# Makes the Debian package from the build and checks its Depends line and contents, and that
# the unpacked programs run.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/tessellon_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libturbojpeg0 libjpeg62-turbo libtiff6 'libpodofo[0-9.]*' \
         libheif1 qt6-image-formats-plugins; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/tessellon ./usr/bin/tessellon-cli ./usr/share/tessellon/tessellon_help.html \
         ./usr/share/applications/com.quillmarksoftware.Tessellon.desktop; do
  grep -q " $f\$" <<<"$contents" || fail "$f not in the package"
done
dpkg-deb -x "$deb" "$out/root"
"$out/root/usr/bin/tessellon-cli" --version | grep -q '^tessellon-cli ' || fail "tessellon-cli"
"$out/root/usr/bin/tessellon" --version | grep -q '^tessellon ' || fail "tessellon"
echo "package check passed"
