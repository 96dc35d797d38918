#!/usr/bin/env bash
# The real program's command line, with no display to open: the exit status and
# what each call prints on which stream.   cmdline.sh path/to/corvessa
set -u
corvessa=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch file
mkdir mix clean && printf 'Mix\nv 14 -3.00\nend\n' >mix/faders.txt && printf 'Mix\nend\n' >clean/faders.txt
usage='usage: corvessa [FOLDER]'
failed=0
# Arguments (separated by |); exit status; the stream that speaks; its first line.
# Errors are one line, but for the usage; the other stream stays empty.
while IFS=';' read -r args status stream want; do
  IFS='|' read -r -a argv <<<"$args"
  env -u DISPLAY LC_ALL=C "$corvessa" "${argv[@]}" >out 2>err
  got=$?
  quiet=err && [ "$stream" = err ] && quiet=out
  if [ $got -ne "$status" ] || [ "$(head -n 1 $stream)" != "$want" ] || [ -s $quiet ] ||
    { [ "$stream" = err ] && [ "$want" != "$usage" ] && [ "$(wc -l <err)" -ne 1 ]; }; then
    echo "FAIL corvessa $args: status $got, stdout: $(cat out), stderr: $(cat err)"
    failed=1
  fi
done <<END
--help;0;out;$usage
-h;0;out;$usage
--version;0;out;Corvessa 1.065
missing;2;err;corvessa: cannot work in "missing": No such file or directory
file;2;err;corvessa: cannot work in "file": Not a directory
a|b;2;err;$usage
-x;2;err;$usage
--check|mix;1;out;mix/faders.txt:2: line 2 of faders.txt looks like a "v" record written with spaces; it is kept as a comment line
--check|clean;0;out;
--check|missing;2;err;corvessa: missing is not a folder Corvessa can read
--diff|mix|mix;0;out;
--diff|faders.txt|mix/faders.txt|0|100644|mix/faders.txt|0|100644;0;out;
--diff|mix/faders.txt|file;2;err;corvessa: compare two mix folders, or two files of the same kind (faders.txt, prefs.txt or tracks.txt)
END
[ "$(ls | tr '\n' ' ')" = "clean err file mix out " ] && [ "$(ls mix)" = faders.txt ] || { echo "FAIL: files were made: $(ls)"; failed=1; }

[ $failed -eq 0 ] && echo "PASS"
exit $failed
