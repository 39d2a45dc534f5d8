#!/bin/sh
# A fake help compiler: records its arguments and directory, tells whether
# an old compiled file was still there, writes the compiled file in the
# current directory (dated 2001-02-03 04:05:06 UTC) and an error log where
# the help project asks.
dir=$(dirname "$0")
printf '%s\n' "$@" > "$dir/args.txt"
pwd > "$dir/cwd.txt"
for hpj; do :; done
base=$(basename "$hpj" .HPJ)
[ -e "$base.HLP" ] && echo stale > "$dir/stale.txt"
[ -f "$hpj" ] || exit 1
printf 'compiled %s\n' "$base" > "$base.HLP"
touch -d '@981173106' "$base.HLP"
log=$(sed -n 's/^ERRORLOG=//p' "$hpj")
printf 'HC3025: Warning: topic #3 of %s.RTF : Jump to undefined Topic ID.\r\n\r\nHC1002: Note: Using existing phrase table\r\n' "$base" > "$log"
