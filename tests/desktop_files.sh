#!/usr/bin/env bash
# The desktop entry, the AppStream metadata, the manual page and the icons, as
# the desktop's own tools see them: any warning fails.
#   desktop_files.sh DATA_DIR BUILD_DIR
set -uo pipefail
data=$1 build=$2
failed=0
check() {  # what, then the command; it must succeed and print nothing
  local what=$1 out
  shift
  out=$("$@" 2>&1) && [ -z "$out" ] || { echo "FAIL $what: $out"; failed=1; }
}
check "desktop entry" desktop-file-validate "$data/corvessa.desktop"
# A folder given on "Open With" reaches it, but it claims no kind of file: no folders taken over.
check "desktop entry's files" bash -c 'grep -qx "Exec=corvessa %f" "$1" && ! grep "^MimeType" "$1"' - \
  "$data/corvessa.desktop"
check "metainfo" bash -c 'out=$(appstreamcli validate --no-net "$1") || echo "$out"' - \
  "$build/corvessa.metainfo.xml"
check "manual page" bash -c 'LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z "$1" >/dev/null' - "$build/corvessa.1"
[ $failed -eq 0 ] && echo PASS
exit $failed
