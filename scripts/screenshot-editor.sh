#!/bin/sh
# Takes a screenshot of the editor on the demo project under a virtual X
# server: docs/editor.png. Needs xvfb and imagemagick.
#   scripts/screenshot-editor.sh [BUILD_DIR] [OUTPUT.png]
set -eu
build=${1:-build}
out=${2:-docs/editor.png}
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
cp -r "$build/examples/demo/." "$demo/"
mkdir -p "$(dirname "$out")"
export VELDOR_INI="$demo/VELDOR.INI"
XDG_RUNTIME_DIR=$demo xvfb-run -a -s "-screen 0 1000x720x24" sh -c "
  \"$build/bin/veldor\" \"$demo/DEMO.ehe\" &
  pid=\$!
  sleep \${VELDOR_SCREENSHOT_DELAY:-4}
  import -window root \"$out\"
  kill \$pid
"
echo "wrote $out"
