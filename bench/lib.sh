# Shared by the benchmark scripts in this folder; sourced, not run. Expects `root` (the
# repository), `build` (a build folder), `work` (a scratch folder) and `runs` to be set.

# Configures `build` as a Release build when it has never been configured, and builds the
# given targets in it.
bench_build() {
    if [[ ! -f $build/build.ninja ]]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_TESTS=OFF >/dev/null
    fi
    ninja -C "$build" -j2 "$@" >/dev/null
}

# Makes the Pocket Query folder $work/source/PQ with CACHES caches; sets `src` to its GPX file
# and `size` to that file's size in bytes.
bench_make_query() {
    "$build/bench/makepq" "$work/source" PQ "$1" >/dev/null
    src=$work/source/PQ/PQ.gpx
    size=$(stat -c %s "$src")
}

# A run deletes the source and renames the .prc file: each gets a fresh copy in $work/run/PQ,
# written back to disk before the clock starts, and the page cache holds the source.
bench_fresh_copy() {
    rm -rf "$work/run"
    mkdir -p "$work/run"
    cp -r "$work/source/PQ" "$work/run/PQ"
    sync
    cat "$src" "$work"/run/PQ/PQ.gpx >/dev/null 2>&1 || true
}

# Runs a command `runs` times under /usr/bin/time; prints "wall_seconds peak_kilobytes" of the
# fastest run. A function `prepare` runs before each, untimed. The output of the last run is
# left in $work/stdout and $work/stderr; the CPU time (user and system) of every run is added
# to $work/cpus.
measure() {
    local best_wall="" best_peak="" wall peak user sys
    for ((r = 0; r < runs; r++)); do
        prepare
        if ! /usr/bin/time -f "%e %M %U %S" -o "$work/time" "$@" >"$work/stdout" 2>"$work/stderr"; then
            echo "failed: $*" >&2
            cat "$work/stderr" >&2
            exit 1
        fi
        read -r wall peak user sys <"$work/time"
        awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f\n", u + s }' >>"$work/cpus"
        if [[ -z $best_wall ]] || awk -v a="$wall" -v b="$best_wall" 'BEGIN { exit !(a < b) }'; then
            best_wall=$wall
            best_peak=$peak
        fi
    done
    echo "$best_wall $best_peak"
}
