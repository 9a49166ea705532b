# Shared by the bench/run* scripts: options, the Release build, measuring one command, the
# statistics of a column of runs, callgrind's instruction count and the sections of
# bench/RESULTS.md. Source it after setting `usage_lines` (the lines of the script's own header
# that --help prints).

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BENCH_BUILD:-$root/build/bench}
runs=5
scales="1 10"
write_results=0
callgrind=1

# parse_options "$@": --runs N, --scales "A B", --write-results, --no-callgrind, --help.
parse_options() {
  while [ $# -gt 0 ]; do
    case "$1" in
      --runs) runs=$2; shift 2 ;;
      --scales) scales=$2; shift 2 ;;
      --write-results) write_results=1; shift ;;
      --no-callgrind) callgrind=0; shift ;;
      -h|--help) sed -n "$usage_lines" "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
      *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
  done
  case "$runs" in '' | *[!0-9]* | 0) echo "--runs needs a positive number" >&2; exit 2 ;; esac
  if [ "$callgrind" = 1 ] && ! command -v valgrind >/dev/null; then
    echo "valgrind is missing: the instruction counts are left out" >&2
    callgrind=0
  fi
}

# build_targets TARGET...: configures and builds the Release tree with the benchmarks.
build_targets() {
  echo "Building in $build ..." >&2
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARNIK_BENCH=ON -DTARNIK_TESTS=OFF \
    -DTARNIK_GUI=OFF >/dev/null
  cmake --build "$build" -j"${JOBS:-$(nproc)}" --target "$@" >/dev/null
  bin=$build/bin
}

# measure COMMAND... -> "<seconds> <max-rss-KiB> <exit-code> <cpu-seconds>"
measure() { "$bin/measure" "$@" 2>/dev/null | tail -n 1; }

# column FILE N: the N-th field of every line. median / low / high read numbers on stdin.
column() { awk -v n="$2" '{print $n}' "$1"; }
median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
low() { sort -g | head -n 1; }
high() { sort -g | tail -n 1; }
# spread FILE N: "low–high" of the N-th field, two decimals.
spread() {
  local lo hi
  lo=$(column "$1" "$2" | low)
  hi=$(column "$1" "$2" | high)
  awk -v a="$lo" -v b="$hi" 'BEGIN { printf "%.2f–%.2f", a, b }'
}

# instructions COMMAND...: the instructions callgrind counts for the command (its output is
# dropped), or "-" without valgrind or when the command fails.
instructions() {
  if [ "$callgrind" != 1 ]; then echo "-"; return; fi
  local log
  log=$(mktemp)
  if valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" >/dev/null 2>"$log" ||
    [ $? = 3 ]; then
    awk '/Collected :/ {print $NF; found = 1} END {if (!found) print "-"}' "$log"
  else
    echo "-"
  fi
  rm -f "$log"
}

# stream_instructions DIR: the instructions of `xmllint --stream --noout` over the document an
# export wrote into DIR/ISHULXML, or "-" when there is none.
stream_instructions() {
  local xml
  xml=$(ls "$1"/ISHULXML/*.xml 2>/dev/null | head -n 1)
  if [ -z "$xml" ]; then echo "-"; return; fi
  instructions xmllint --stream --noout "$xml"
}

# memory_line PREFIX FIRST-KiB LAST-KiB: "PREFIX scale <last> / scale <first>: <ratio>×" for the
# scales of the run.
memory_line() {
  awk -v p="$1" -v a="$2" -v b="$3" -v f="${scales%% *}" -v l="${scales##* }" \
    'BEGIN { printf "%s scale %s / scale %s: %.2f×", p, l, f, (a > 0 ? b / a : 0) }'
}

# millions N: an instruction count in millions ("-" stays).
millions() {
  case "$1" in -) echo "-" ;; *) awk -v n="$1" 'BEGIN { printf "%.0f M", n / 1e6 }' ;; esac
}

# write_section TITLE REPORT: replaces the section "# TITLE" of bench/RESULTS.md (up to the next
# line starting "# ") with the date, commit, machine, load average and REPORT, or appends it.
write_section() {
  local title=$1 report=$2 results=$root/bench/RESULTS.md cpu section
  cpu=$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')
  section=$(
    echo "# $title"
    echo
    echo "- date: $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "- commit: $(git -C "$root" rev-parse --short HEAD)$(git -C "$root" diff --quiet -- . ':!bench/RESULTS.md' || echo ' (with local changes)')"
    echo "- machine: $(nproc) cores, $cpu, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo)"
    echo "- load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg)"
    echo
    echo "$report"
  )
  [ -f "$results" ] || : >"$results"
  SECTION="$section" awk -v title="# $title" '
    function flush() { if (!done) { if (NR > 0 && last != "") print ""; print ENVIRON["SECTION"]; done = 1 } }
    $0 == title { skipping = 1; flush(); next }
    skipping && /^# / { skipping = 0; print "" }
    !skipping { print; last = $0 }
    END { if (!done) { print ""; print ENVIRON["SECTION"] } }
  ' "$results" >"$results.new"
  mv "$results.new" "$results"
  echo "Written to bench/RESULTS.md ($title)" >&2
}
