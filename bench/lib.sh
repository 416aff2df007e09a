# What the benchmark scripts share: the median of their runs and the check of
# a ratio against its target. Sourced, never run.

# The median of the numbers given (the mean of the middle two for an even count).
median() {
  printf '%s\n' "$@" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# a / b to two decimals.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Exits 1, naming the benchmark, when `ratio` is above `target`.
check_target() { # name ratio target
  awk -v r="$2" -v t="$3" 'BEGIN { exit !(r <= t) }' || { echo "$1: target missed" >&2; exit 1; }
}
