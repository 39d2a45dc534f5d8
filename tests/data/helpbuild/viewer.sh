#!/bin/sh
# A fake help viewer: records its arguments.
printf '%s\n' "$@" > "$(dirname "$0")/viewer-args.tmp"
mv "$(dirname "$0")/viewer-args.tmp" "$(dirname "$0")/viewer-args.txt"
