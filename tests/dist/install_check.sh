#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs of it: the files
# in their places, a valid desktop entry and AppStream metadata, man pages, and an installed
# program that finds its help and keeps its edge profiles in the user's data folder.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/tessellon bin/tessellon-cli share/tessellon/tessellon_help.html \
         share/applications/com.quillmarksoftware.Tessellon.desktop \
         share/metainfo/com.quillmarksoftware.Tessellon.metainfo.xml \
         share/icons/hicolor/scalable/apps/tessellon.svg \
         share/icons/hicolor/48x48/apps/tessellon.png share/icons/hicolor/256x256/apps/tessellon.png \
         share/man/man1/tessellon.1.gz share/man/man1/tessellon-cli.1.gz; do
  [ -f "$prefix/$f" ] || fail "$f not installed"
done
ls "$prefix"/share/tessellon/tessellon_help_images/*.png >/dev/null || fail "help pictures"

desktop-file-validate "$prefix/share/applications/com.quillmarksoftware.Tessellon.desktop"
# The whole tree: the metainfo file, and the desktop entry it names as its launcher.
appstreamcli validate-tree --no-net "$prefix"
# With the network the validator visits every address: none may be a placeholder.
! grep -rEq 'https?://[^<" ]*\.example' "$prefix/share/metainfo" "$prefix/share/applications" \
  "$prefix/share/doc" 2>/dev/null || fail "placeholder web address in the installed metadata"
for page in tessellon tessellon-cli; do
  man -l --warnings "$prefix/share/man/man1/$page.1.gz" >/dev/null 2>"$root/man.err" || true
  [ ! -s "$root/man.err" ] || fail "man page $page: $(cat "$root/man.err")"
done

# The installed command-line tool, as a user with an empty home.
export HOME=$root/home XDG_CONFIG_HOME=$root/home/config XDG_DATA_HOME=$root/home/data
unset QT_QPA_PLATFORM
"$prefix/bin/tessellon-cli" --version | grep -q '^tessellon-cli [0-9]' || fail "--version"
# Listing reads the shipped profiles and writes nothing, least of all beside the program.
"$prefix/bin/tessellon-cli" profiles | grep -q '^Kodak' || fail "profiles"
[ ! -e "$prefix/bin/printer_edge_config" ] || fail "profile file written beside the program"
echo "install check passed"
