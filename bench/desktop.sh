# Shared by the desktop benchmarks (sourced): the end-to-end tests' private
# desktop (X server, tray host, session bus, throw-away home), and readings of
# what a process costs.
needs="xclock ${needs:-}"
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/desktop.sh"
export SDL_AUDIODRIVER=dummy

# within <seconds> <command…>: true once the command succeeds, tried every
# 10 ms (finer than wait_for, for launch times).
within() {
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do [ $SECONDS -lt $end ] || return 1; sleep 0.01; done
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Nanoseconds on a CPU, all threads of the process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { print sum + 0 }'; }
rss_mb() { awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' /proc/"$1"/status; }

# cpu_per_second <seconds> <pid> <pid>: milliseconds of CPU per second of
# each, measured side by side in windows of 5 s, and the first's CPU over the
# second's. Each is the median over the windows, since
# other work on the machine disturbs single windows; a window's ratio is
# disturbed least, as both programs share whatever slowed it.
cpu_per_second() {
  local windows=$(($1 / 5)) w a b a0 b0
  [ $windows -gt 0 ] || windows=1
  for ((w = 0; w < windows; w++)); do
    a0=$(cpu_ns "$2"); b0=$(cpu_ns "$3")
    sleep $(($1 / windows))
    a=$(cpu_ns "$2"); b=$(cpu_ns "$3")
    echo "$(((a - a0) / ($1 / windows))) $(((b - b0) / ($1 / windows)))"
  done | awk '{ x[NR] = $1; y[NR] = $2; r[NR] = $2 > 0 ? $1 / $2 : 0 }
              function median(v, n,   i, j, t) {
                for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
                return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
              }
              END { printf "%.3f %.3f %.3f\n", median(x, NR) / 1e6, median(y, NR) / 1e6, median(r, NR) }'
}

# bench_line <name> <figure> <unit> <budget> <peer text>: the line, and false when over.
bench_line() {
  local verdict
  verdict=$(awk -v f="$2" -v b="$4" 'BEGIN { print (f <= b) ? "ok" : "OVER" }')
  echo "BENCH $1: $2 $3 (budget $4 $3, peer $5) $verdict"
  [ "$verdict" = ok ]
}

# Times the threads of the process went to sleep and were woken again.
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches:/ { sum += $2 } END { print sum + 0 }'; }
