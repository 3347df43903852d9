#!/usr/bin/env bash
# Plants the faults listed in tests/faults/faults.tsv one at a time in a copy of the tree,
# rebuilds, runs the test suite and reports each fault as caught, missed or not building,
# then a table per folder. The checkout itself is never touched: the copy lives in
# $TOVU_MUTATE_DIR (default /tmp/tovu-mutate) with its own build folder (src/build), kept
# between runs so that each run only rebuilds what changed.
#
#   scripts/mutate.sh [options] [SELECTION...]
#
# SELECTION: fault numbers and ranges (7 12-15), or folders (protocol, pages/basic,
# pages, framework); nothing selects every fault.
#   --list         print the selected faults, build nothing
#   --check        check that every fault's text occurs exactly once in its file, build nothing
#   --jobs N       parallel build and test jobs (default: number of processors)
#   --time-limit S seconds the suite may take per fault before it counts as caught (default 600)
#   --no-baseline  skip the run of the unchanged suite (which must pass) before the faults
#   --faults FILE  another fault list
#   --out FILE     results file (default: $TOVU_MUTATE_DIR/results/<date>.tsv)
#
# Put the copy under ccache's base_dir (if one is set) to reuse what was compiled elsewhere.
set -euo pipefail
checkout="$(cd "$(dirname "$0")/.." && pwd)"
faults="$checkout/tests/faults/faults.tsv"
work="${TOVU_MUTATE_DIR:-${TMPDIR:-/tmp}/tovu-mutate}"
jobs="$(nproc)"
time_limit=600
mode=run
baseline=1
out=""
selection=()

usage() { sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "$0"; }
while [[ $# -gt 0 ]]; do
  case "$1" in
    --list) mode=list ;;
    --check) mode=check ;;
    --jobs) jobs="$2"; shift ;;
    --jobs=*) jobs="${1#*=}" ;;
    --time-limit) time_limit="$2"; shift ;;
    --time-limit=*) time_limit="${1#*=}" ;;
    --no-baseline) baseline=0 ;;
    --faults) faults="$(realpath "$2")"; shift ;;
    --out) out="$(realpath -m "$2")"; shift ;;
    -h|--help) usage; exit 0 ;;
    -*) echo "mutate.sh: unknown option $1" >&2; usage >&2; exit 2 ;;
    *) selection+=("$1") ;;
  esac
  shift
done

if ! command -v python3 >/dev/null; then
  sudo=""
  [[ "$(id -u)" -ne 0 ]] && sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends python3
fi

# The exact text work: reading the list, checking it, copying the tree, planting a fault.
read -r -d '' helper <<'PYTHON' || true
import hashlib, os, re, shutil, subprocess, sys

# Where a fault may not be planted: only the tool's own production code counts.
EXCLUDED = ("virtualcamera/", "tests/", "benchmarks/", "fuzz/", "tools/", "resources/")

def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t", "\\": "\\"}.get(m.group(1), "\\" + m.group(1)), text)

def folder(path):
    parts = path.split("/")
    return "/".join(parts[:2]) if parts[0] == "pages" and len(parts) > 2 else parts[0]

def read_list(path):
    faults, problems = [], []
    with open(path, encoding="utf-8") as handle:
        for number, line in enumerate(handle, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 4 or not all(f.strip() for f in fields):
                problems.append(f"line {number}: needs four tab-separated fields (file, original, replacement, fault)")
                continue
            faults.append({"number": len(faults) + 1, "line": number, "file": fields[0],
                           "original": unescape(fields[1]), "replacement": unescape(fields[2]),
                           "what": fields[3], "folder": folder(fields[0])})
    return faults, problems

def select(faults, words):
    if not words:
        return faults
    chosen = set()
    for word in words:
        match = re.fullmatch(r"(\d+)(?:-(\d+))?", word)
        if match:
            first, last = int(match.group(1)), int(match.group(2) or match.group(1))
            picked = [f for f in faults if first <= f["number"] <= last]
        else:
            word = word.rstrip("/")
            picked = [f for f in faults if f["folder"] == word or f["file"].startswith(word + "/")
                      or f["file"] == word]
        if not picked:
            sys.exit(f"mutate.sh: no fault matches {word}")
        chosen.update(f["number"] for f in picked)
    return [f for f in faults if f["number"] in chosen]

def check(tree, faults):
    bad = 0
    for f in faults:
        path = os.path.join(tree, f["file"])
        why = None
        if f["file"].startswith(EXCLUDED) or not f["file"].endswith((".cpp", ".h")):
            why = "not in the tool's own C++ code"
        elif not os.path.isfile(path):
            why = "no such file"
        elif f["original"] == f["replacement"]:
            why = "the replacement changes nothing"
        else:
            count = open(path, encoding="utf-8").read().count(f["original"])
            if count != 1:
                why = f"the original text occurs {count} times"
        if why:
            bad += 1
            print(f"#{f['number']} (line {f['line']}) {f['file']}: {why}")
    return bad

def sources(checkout):
    listed = subprocess.run(["git", "-C", checkout, "ls-files", "-z", "--cached", "--others",
                             "--exclude-standard"], check=True, capture_output=True).stdout
    return sorted(p for p in listed.decode().split("\0")
                  if p and os.path.isfile(os.path.join(checkout, p)))

def sync(checkout, tree, manifest):
    """Copies the checkout's files into tree, touching only what differs (so the build there
    stays incremental), removes what the checkout no longer has, and writes a manifest of
    every file's hash to check the copy against after each fault."""
    files = sources(checkout)
    wanted = set(files)
    for root, dirs, names in os.walk(tree):
        if root == tree and "build" in dirs:
            dirs.remove("build")  # the copy's own build folder
        for name in names:
            relative = os.path.relpath(os.path.join(root, name), tree)
            if relative not in wanted:
                os.remove(os.path.join(root, name))
    with open(manifest, "w", encoding="utf-8") as out:
        for relative in files:
            source, target = os.path.join(checkout, relative), os.path.join(tree, relative)
            data = open(source, "rb").read()
            if not os.path.isfile(target) or open(target, "rb").read() != data:
                os.makedirs(os.path.dirname(target), exist_ok=True)
                # A fresh time stamp, not the checkout's: a file edited before the copy's
                # last build would otherwise look older than what was built from the text
                # it replaces, and the build would keep the old objects and generated code.
                shutil.copy(source, target)
            out.write(f"{hashlib.sha1(data).hexdigest()}\t{relative}\n")

def verify(tree, manifest):
    wrong = []
    for line in open(manifest, encoding="utf-8"):
        digest, relative = line.rstrip("\n").split("\t", 1)
        path = os.path.join(tree, relative)
        if not os.path.isfile(path) or hashlib.sha1(open(path, "rb").read()).hexdigest() != digest:
            wrong.append(relative)
    return wrong

def plant(tree, f):
    path = os.path.join(tree, f["file"])
    text = open(path, encoding="utf-8").read()
    if text.count(f["original"]) != 1:
        sys.exit(f"mutate.sh: fault #{f['number']} does not apply exactly once to {f['file']}")
    with open(path, "w", encoding="utf-8") as out:
        out.write(text.replace(f["original"], f["replacement"]))

def main():
    command, args = sys.argv[1], sys.argv[2:]
    if command == "sync":
        sync(*args)
        return
    if command == "verify":
        wrong = verify(*args)
        if wrong:
            sys.exit("mutate.sh: the copy differs from the checkout in " + ", ".join(wrong[:5]))
        return
    faults, problems = read_list(args.pop(0))
    if command == "check":
        for problem in problems:
            print(problem)
        chosen = select(faults, args[1:])
        bad = check(args[0], chosen) + len(problems)
        print(f"{len(chosen) - bad if bad <= len(chosen) else 0} of {len(chosen)} faults apply exactly once"
              + (f"; {bad} problems" if bad else ""))
        sys.exit(1 if bad else 0)
    if problems:
        sys.exit("mutate.sh: " + "; ".join(problems) + " (run --check)")
    if command == "select":  # number, folder, file, fault: one line per selected fault
        for f in select(faults, args):
            print(f"{f['number']}\t{f['folder']}\t{f['file']}\t{f['what']}")
    elif command == "show":
        for f in select(faults, args):
            print(f"{f['number']:3}  {f['folder']:<15} {f['file']}\n     {f['what']}\n"
                  f"     - {f['original']!r}\n     + {f['replacement']!r}")
    elif command == "plant":
        plant(args[0], select(faults, [args[1]])[0])

main()
PYTHON
py() { python3 -c "$helper" "$@"; }

case "$mode" in
  list) py show "$faults" "${selection[@]}"; exit 0 ;;
  check) py check "$faults" "$checkout" "${selection[@]}"; exit $? ;;
esac

mapfile -t chosen < <(py select "$faults" "${selection[@]}")
[[ ${#chosen[@]} -gt 0 ]] || { echo "mutate.sh: no faults selected" >&2; exit 2; }
py check "$faults" "$checkout" "${selection[@]}" >/dev/null || {
  echo "mutate.sh: the fault list does not apply; see scripts/mutate.sh --check" >&2; exit 2; }

tree="$work/src"
# Inside the copy, as ./build is in a checkout: the same relative paths let ccache (with a
# base_dir above both) reuse what the checkout's own build compiled.
build="$tree/build"
manifest="$work/manifest.tsv"
mkdir -p "$tree" "$work/results" "$work/logs"
[[ -n "$out" ]] || out="$work/results/$(date +%Y%m%d-%H%M%S).tsv"
mkdir -p "$(dirname "$out")"
ln -sfn "$out" "$work/results/latest.tsv"

"$checkout/scripts/setup.sh" --test
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}"
export CMAKE_C_COMPILER_LAUNCHER="${CMAKE_C_COMPILER_LAUNCHER:-$CMAKE_CXX_COMPILER_LAUNCHER}"

echo "Copying the tree into $tree"
py sync "$checkout" "$tree" "$manifest"
planted_file=""
restore() {
  # Puts back the file of the fault in progress, whatever ended the run.
  if [[ -n "$planted_file" ]]; then
    cp "$work/saved" "$tree/$planted_file"
    planted_file=""
  fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

build_tree() {
  nice -n 5 cmake --build "$build" --parallel "$jobs" "${@:2}" >"$1" 2>&1
}
# The tests nearest to a folder's code: its own test folder, and the one above it whose
# tests drive it through the worker or the page base. A fault is looked for there first,
# with only their executables rebuilt, and in the whole suite only when they pass.
near_tests() {
  case "$1" in
    protocol|usb) echo "^in:($1|system)\$" ;;
    pages/*) echo "^in:($1|pages)\$" ;;
    settings) echo '^in:(settings|cli)$' ;;
    *) echo "^in:$1\$" ;;
  esac
}
# The suite without the package tests (they check the .deb, not behaviour) and the long
# soak run; it stops at the first failing test, so a caught fault ends early. Extra
# arguments narrow it (-L) or leave tests out (-LE).
run_suite() {
  local log="$1"; shift
  (cd "$build" && timeout --kill-after=20 "$time_limit" \
     ctest --parallel "$jobs" --stop-on-failure --exclude-regex '^test_e2e_soak$' \
           --output-on-failure "$@") >"$log" 2>&1
}

if [[ ! -f "$build/build.ninja" ]]; then
  echo "Configuring $build (Release, ccache, warnings allowed)"
  cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVU_WERROR=OFF >/dev/null
fi
echo "Building the unchanged tree"
build_tree "$work/logs/baseline-build.log" || {
  echo "mutate.sh: the unchanged tree does not build; see $work/logs/baseline-build.log" >&2; exit 1; }
if [[ $baseline -eq 1 ]]; then
  echo "Running the suite on the unchanged tree"
  run_suite "$work/logs/baseline-test.log" --label-exclude '^package$' || {
    echo "mutate.sh: the suite fails on the unchanged tree; see $work/logs/baseline-test.log" >&2
    exit 1; }
fi

printf 'number\tfolder\tfile\tresult\tfailed_test\tseconds\tfault\n' >"$out"
total=${#chosen[@]}
index=0
for entry in "${chosen[@]}"; do
  IFS=$'\t' read -r number folder file what <<<"$entry"
  index=$((index + 1))
  log="$work/logs/fault-$number.log"
  started=$SECONDS
  cp "$tree/$file" "$work/saved"
  planted_file="$file"
  py plant "$faults" "$tree" "$number"
  failed=""
  near="$(near_tests "$folder")"
  mapfile -t near_targets < <(cd "$build" && ctest -N -L "$near" | sed -n 's/^ *Test *#[0-9]*: //p')
  status=0
  if [[ ${#near_targets[@]} -gt 0 ]]; then
    if ! build_tree "$log" --target "${near_targets[@]}"; then
      status=-1
    else
      run_suite "$log.test" --label-regex "$near" || status=$?
      cat "$log.test" >>"$log" && rm -f "$log.test"
    fi
  fi
  if [[ $status -eq 0 ]]; then
    if ! build_tree "$log.build"; then
      status=-1
    else
      run_suite "$log.test" --label-exclude "^package\$|$near" || status=$?
    fi
    cat "$log.build" "$log.test" >>"$log" 2>/dev/null; rm -f "$log.build" "$log.test"
  fi
  if [[ $status -eq -1 ]]; then
    result="not building"
  elif [[ $status -eq 0 ]]; then
    result="missed"
  elif [[ $status -eq 124 || $status -eq 137 ]]; then
    result="caught"; failed="(time limit)"
  else
    result="caught"
    failed="$(sed -n 's/^[0-9]*:\([^:]*\)$/\1/p' "$build/Testing/Temporary/LastTestsFailed.log" \
              2>/dev/null | head -1)"
  fi
  restore
  py verify "$tree" "$manifest"
  seconds=$((SECONDS - started))
  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$number" "$folder" "$file" "$result" "$failed" \
         "$seconds" "$what" >>"$out"
  printf '[%3d/%d] #%-3s %-12s %-15s %s: %s%s (%ss)\n' "$index" "$total" "$number" "$result" \
         "$folder" "$file" "$what" "${failed:+ [$failed]}" "$seconds"
done

echo
python3 - "$out" <<'PYTHON'
import csv, sys
rows = list(csv.DictReader(open(sys.argv[1], encoding="utf-8"), delimiter="\t"))
order = ["protocol", "usb", "session", "app", "pages", "update", "data"]
def rank(name):
    top = name.split("/")[0]
    return (order.index(top) if top in order else len(order), name)
folders = sorted({r["folder"] for r in rows}, key=rank)
print(f"{'folder':<18}{'planted':>8}{'caught':>8}{'missed':>8}{'not building':>14}{'catch rate':>12}")
def line(name, group):
    counts = {k: sum(r["result"] == k for r in group) for k in ("caught", "missed", "not building")}
    built = counts["caught"] + counts["missed"]
    rate = f"{100 * counts['caught'] / built:.0f} %" if built else "-"
    print(f"{name:<18}{len(group):>8}{counts['caught']:>8}{counts['missed']:>8}"
          f"{counts['not building']:>14}{rate:>12}")
for name in folders:
    line(name, [r for r in rows if r["folder"] == name])
line("all", rows)
PYTHON
echo "Results: $out"
