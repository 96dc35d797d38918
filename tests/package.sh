#!/usr/bin/env bash
# The Debian package of a built tree: made by CPack, its files and dependencies
# checked, installed with apt, the installed program run (its version, then the
# start-up given a folder), and removed again.
#   package.sh BUILD_DIR (as root or with sudo; the package must not be installed)
set -euo pipefail
build=$(realpath "$1")
tests=$(realpath "$(dirname "$0")")
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
fail() {
  echo "FAIL [package]: $*"
  exit 1
}
dpkg-query -W -f='${Status}' corvessa 2>/dev/null | grep -q "ok installed" && fail "corvessa is installed already"

cd "$build"
rm -f corvessa_*.deb
cpack -G DEB >/dev/null
deb=$(realpath corvessa_*.deb)
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
want="./usr/bin/corvessa
./usr/share/applications/corvessa.desktop
./usr/share/icons/hicolor/256x256/apps/corvessa.png
./usr/share/icons/hicolor/48x48/apps/corvessa.png
./usr/share/icons/hicolor/scalable/apps/corvessa.svg
./usr/share/man/man1/corvessa.1
./usr/share/metainfo/corvessa.metainfo.xml"
[ "$files" = "$want" ] || fail "the package holds: $files"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libfltk1\.3' <<<"$depends" && ! grep -q -- '-dev\b' <<<"$depends" || fail "the package depends on: $depends"

DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq corvessa >/dev/null' EXIT
version=$(env -u DISPLAY corvessa --version)
[ "$version" = "Corvessa $(dpkg-deb -f "$deb" Version)" ] || fail "the installed program is $version"
bash "$tests/e2e/e2e.sh" /usr/bin/corvessa "$build/engine" startup folder || fail "e2e startup"

DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq corvessa >/dev/null
trap - EXIT
echo "PASS [package]: $(basename "$deb")"
