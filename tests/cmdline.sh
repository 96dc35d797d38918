#!/usr/bin/env bash
# The real program's command line, with no display to open: the exit status and
# what each call prints on which stream.   cmdline.sh path/to/corvessa
set -u
corvessa=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch file
usage='usage: corvessa [FOLDER]'
failed=0
# Arguments (separated by |); exit status; the stream that speaks; its first line.
# Errors are one line; the other stream stays empty.
while IFS=';' read -r args status stream want; do
  IFS='|' read -r -a argv <<<"$args"
  env -u DISPLAY LC_ALL=C "$corvessa" "${argv[@]}" >out 2>err
  got=$?
  quiet=err && [ "$stream" = err ] && quiet=out
  if [ $got -ne "$status" ] || [ "$(head -n 1 $stream)" != "$want" ] || [ -s $quiet ] ||
    { [ "$stream" = err ] && [ "$(wc -l <err)" -ne 1 ]; }; then
    echo "FAIL corvessa $args: status $got, stdout: $(cat out), stderr: $(cat err)"
    failed=1
  fi
done <<END
--help;0;out;$usage
--version;0;out;Corvessa 1.065
missing;2;err;corvessa: cannot work in "missing": No such file or directory
file;2;err;corvessa: cannot work in "file": Not a directory
a|b;2;err;$usage
-x;2;err;$usage
END
[ "$(ls | tr '\n' ' ')" = "err file out " ] || { echo "FAIL: files were made: $(ls)"; failed=1; }
[ $failed -eq 0 ] && echo "PASS"
exit $failed
