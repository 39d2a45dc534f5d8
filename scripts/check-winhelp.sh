#!/usr/bin/env bash
# Compiles help projects with veldor-hc and opens each help file in Wine's
# winhlp32, an independent reader of the format, without a display. From
# its trace it checks that the file loads (system header, no errors), that
# every topic is found with its title, that the jumps of the contents topic
# name defined context strings, that a sample of context strings opens its
# topic, and that the keyword index loads.
#
#   scripts/check-winhelp.sh [--hc PATH] [--keep DIR] PROJECT.HPJ...
#
# Needs wine (wine64) and python3. Exits 0 when every project passes.
set -euo pipefail

hc=""
keep=""
projects=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --hc) hc="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
    *) projects+=("$1"); shift ;;
  esac
done
[[ ${#projects[@]} -gt 0 ]] || { echo "usage: $0 [--hc PATH] PROJECT.HPJ..." >&2; exit 2; }
if [[ -z "$hc" ]]; then
  here="$(cd "$(dirname "$0")/.." && pwd)"
  hc="$here/build/bin/veldor-hc"
fi
[[ -x "$hc" ]] || { echo "veldor-hc not found at $hc" >&2; exit 2; }
command -v wine >/dev/null || { echo "wine is not installed" >&2; exit 2; }

work="$(mktemp -d)"
export WINEPREFIX="$work/prefix"
export WINEARCH=win64
cleanup() {
  WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

start=$(date +%s)
echo "== preparing a Wine prefix without display"
WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
echo "   ready in $(( $(date +%s) - start )) s"

# Runs winhlp32 on a help file (extra arguments first) until its trace
# stops growing after a topic was shown, or 60 s have passed.
run_viewer() {
  local trace="$1"; shift
  WINEDEBUG=+winhelp wine winhlp32 "$@" >"$trace" 2>&1 &
  local pid=$! waited=0 last=-1 still=0
  while (( waited < 120 )); do
    sleep 0.5; waited=$((waited + 1))
    kill -0 "$pid" 2>/dev/null || break
    if grep -q 'BrowseParagraph\|err:winhelp' "$trace"; then
      local size; size=$(stat -c %s "$trace")
      if (( size == last )); then still=$((still + 1)); else still=0; last=$size; fi
      (( still >= 4 )) && break
    fi
  done
  WINEDEBUG=-all wineserver -k >/dev/null 2>&1 || true
  wait "$pid" 2>/dev/null || true
}

failed=0
for project in "${projects[@]}"; do
  project="$(realpath "$project")"
  name="$(basename "${project%.*}")"
  out="$work/$name"
  mkdir -p "$out"
  echo "== $project"
  if ! (cd "$out" && "$hc" -o "$out/$name.HLP" "$project" >"$out/hc.log"); then
    echo "   FAIL: veldor-hc did not write the help file"; cat "$out/hc.log"; failed=1; continue
  fi
  tail -1 "$out/hc.log" | sed 's/^/   /'
  hlp="$out/$name.HLP"
  winpath="Z:$(echo "$hlp" | tr '/' '\\')"
  run_viewer "$out/open.trace" "$winpath"
  # A sample of context strings, each opened on its own.
  contexts=$(python3 - "$project" <<'PY'
import re, sys, os
project = sys.argv[1]
base = os.path.dirname(project)
names = []
section = ""
for line in open(project, encoding="cp1252", errors="replace"):
    line = line.strip()
    if line.startswith("["):
        section = line.upper(); continue
    if section == "[FILES]" and line and not line.startswith(";"):
        names.append(line)
found = []
for n in names:
    for cand in (os.path.join(base, n), os.path.join(base, os.path.basename(n.replace("\\", "/")))):
        lower = {f.lower(): f for f in os.listdir(os.path.dirname(cand) or ".")}
        real = lower.get(os.path.basename(cand).lower())
        if real:
            text = open(os.path.join(os.path.dirname(cand) or ".", real), encoding="cp1252", errors="replace").read()
            found += re.findall(r"#\{\\footnote\s+([A-Za-z0-9_.]+)\s*\}", text)
            break
step = max(1, len(found) // 4)
print(" ".join(found[::step][:5]))
PY
)
  i=0
  for context in $contexts; do
    i=$((i + 1))
    run_viewer "$out/context$i.trace" -i "$context" "$winpath"
  done
  if ! python3 - "$project" "$out" "$out/hc.log" $contexts <<'PY'
import glob, os, re, sys
project, out, log = sys.argv[1], sys.argv[2], sys.argv[3]
contexts = sys.argv[4:]
summary = open(log, encoding="cp1252", errors="replace").read().strip().splitlines()[-1]
m = re.search(r"(\d+) topics, (\d+) jumps, (\d+) keywords", summary)
topics, keywords = int(m.group(1)), int(m.group(3))
def h(s):
    v = 0
    for c in s:
        x = 0
        if "A" <= c <= "Z": x = ord(c) - 65 + 17
        elif "a" <= c <= "z": x = ord(c) - 97 + 17
        elif "1" <= c <= "9": x = ord(c) - 48
        elif c == "0": x = 10
        elif c == ".": x = 12
        elif c == "_": x = 13
        if x: v = (v * 43 + x) & 0xFFFFFFFF
    return v
# Every context string of the topic files, hashed.
defined = set()
base = os.path.dirname(project)
for f in os.listdir(base or "."):
    if f.lower().endswith(".rtf"):
        text = open(os.path.join(base, f), encoding="cp1252", errors="replace").read()
        defined |= {h(c) for c in re.findall(r"#\{\\footnote\s+([^}\s]+)\s*\}", text)}
problems = []
trace = open(os.path.join(out, "open.trace"), encoding="latin-1").read()
if "Got system header" not in trace: problems.append("no system header read")
errors = [l for l in trace.splitlines() if ":err:winhelp" in l]
if errors: problems.append("errors: " + "; ".join(errors[:3]))
pages = re.findall(r"Added page\[\d+\]: title=\"(.*?)\" ", trace)
if len(pages) != topics: problems.append("%d pages read, %d topics written" % (len(pages), topics))
if topics and not any(p for p in pages): problems.append("no topic has a title")
if keywords and 'looking for file "|KWDATA"' not in trace: problems.append("keyword index not loaded")
if "corrupted" in trace: problems.append("keyword index corrupted")
links = re.findall(r"Link\[\d+\] to \"[^\"]*\.HLP\"@([0-9a-f]{8})", trace, re.I)
bad = [l for l in links if int(l, 16) not in defined]
if bad: problems.append("jumps to undefined hashes: " + " ".join(bad[:5]))
if "BrowseParagraph" not in trace: problems.append("the contents topic was not shown")
for i, c in enumerate(contexts, 1):
    t = open(os.path.join(out, "context%d.trace" % i), encoding="latin-1").read()
    if "not found" in t and "Page of hash" in t: problems.append("context %s not found" % c)
    elif "BrowseParagraph" not in t: problems.append("context %s not shown" % c)
print("   winhlp32: %d pages, %d jumps on the contents topic, %d context strings opened"
      % (len(pages), len(links), len(contexts)))
for p in problems: print("   FAIL: " + p)
sys.exit(1 if problems else 0)
PY
  then
    failed=1
  fi
  if [[ -n "$keep" ]]; then mkdir -p "$keep" && cp "$out"/*.trace "$out/hc.log" "$hlp" "$keep/"; fi
done
echo "== done in $(( $(date +%s) - start )) s"
exit $failed
