#!/usr/bin/env bash
# Speed and memory of the built zat2kor as a whole process, on generated projects:
#   - a Quarix project of 2,000 files and 4 configurations (about 2 MB of .zat) and one with four
#     times as many files: conversion time, the floor (reading the .zat and writing the .krp and
#     .krs bytes with plain file copies), their ratio, the 4x/1x ratio and the peak resident memory;
#   - a tree of 500 small and medium projects of both families: `zat2kor multiple` over the tree
#     against the sum of `zat2kor single` over the projects of the family it converts.
#
#   bench/run_scale.sh [BUILD_DIR]      (default: build-scale beside this folder's parent)
#   BASELINE=/path/to/older/zat2kor bench/run_scale.sh ...
#                                       (also compares the CPU time and peak memory of an older
#                                        build on the same projects, runs interleaved)
#
# Builds zat2kor and make_large_project (Release), generates into BUILD_DIR/scale-scratch and
# prints every figure in one run. Each time is the best of RUNS runs (default 5; the tree 3), as
# the machine may be shared. The floor has two forms: plain copies (cat and cp through the page
# cache) and durable copies (the written bytes forced to disk, as zat2kor's save does).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build-scale}
RUNS=${RUNS:-5}
TREE_RUNS=${TREE_RUNS:-3}

if [[ ! -x /usr/bin/time ]]; then
    echo "installing GNU time for the peak memory figure" >&2
    apt-get install -y time >/dev/null 2>&1 || { apt-get update >/dev/null 2>&1 && apt-get install -y time >/dev/null; }
fi

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZAT2KOR_BUILD_BENCH=ON \
    -DZAT2KOR_BUILD_GUI=OFF >/dev/null
cmake --build "$BUILD" --target zat2kor make_large_project >/dev/null

Z2K=$BUILD/src/cli/zat2kor
GEN=$BUILD/tools/make_large_project
SCRATCH=$BUILD/scale-scratch
rm -rf "$SCRATCH"
mkdir -p "$SCRATCH"
"$GEN" project "$SCRATCH/one/large.zat" 'D:\one'
"$GEN" project --scale 4 "$SCRATCH/four/large.zat" 'D:\four'
"$GEN" tree "$SCRATCH/tree" 'D:\tree' >"$SCRATCH/manifest.txt"

now() { date +%s%N; }
seconds() { awk -v ns="$1" 'BEGIN { printf "%.4f", ns / 1e9 }'; }
divide() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
mb() { awk -v bytes="$1" 'BEGIN { printf "%.2f", bytes / 1e6 }'; }

convert_args=(--drive "D=$SCRATCH" --code-page single --no-backup)

# best_ns RUNS COMMAND...: the least wall time of RUNS runs, in nanoseconds.
best_ns() {
    local runs=$1 best=0 start elapsed i
    shift
    for ((i = 0; i < runs; i++)); do
        start=$(now)
        "$@"
        elapsed=$(($(now) - start))
        if ((best == 0 || elapsed < best)); then best=$elapsed; fi
    done
    echo "$best"
}

convert_single() { "$Z2K" single "${convert_args[@]}" "$1" ws >/dev/null 2>&1; }

# cpu_and_peak BINARY ZAT: "CPU seconds" and "peak kB" of one conversion by BINARY. The CPU time
# is perf's task clock where perf runs (GNU time rounds to hundredths of a second).
cpu_and_peak() {
    local cpu peak
    /usr/bin/time -f '%U %S %M' -o "$SCRATCH/time.txt" "$1" single "${convert_args[@]}" "$2" ws >/dev/null 2>&1
    read -r cpu peak < <(awk '{ printf "%.3f %d\n", $1 + $2, $3 }' "$SCRATCH/time.txt")
    if perf stat -x, -e task-clock -o "$SCRATCH/perf.txt" "$1" single "${convert_args[@]}" "$2" ws \
        >/dev/null 2>&1; then
        cpu=$(awk -F, '$3 == "task-clock" { printf "%.4f", $1 / 1000 }' "$SCRATCH/perf.txt")
    fi
    echo "$cpu $peak"
}

# compare_baseline ZAT: the least CPU time of RUNS conversions by this build and by $BASELINE,
# run in turns so that both see the same machine, and the ratio.
compare_baseline() {
    local zat=$1 i cpu peak new_best=0 old_best=0 new_peak=0 old_peak=0
    for ((i = 0; i < RUNS; i++)); do
        read -r cpu peak < <(cpu_and_peak "$Z2K" "$zat")
        new_best=$(awk -v a="$new_best" -v b="$cpu" 'BEGIN { print (a == 0 || b < a) ? b : a }')
        ((peak > new_peak)) && new_peak=$peak
        read -r cpu peak < <(cpu_and_peak "$BASELINE" "$zat")
        old_best=$(awk -v a="$old_best" -v b="$cpu" 'BEGIN { print (a == 0 || b < a) ? b : a }')
        ((peak > old_peak)) && old_peak=$peak
    done
    echo "  baseline: cpu $old_best s -> $new_best s (ratio $(divide "$new_best" "$old_best"), goal <= 0.50);" \
        "peak $(awk -v kb="$old_peak" 'BEGIN { printf "%.1f", kb * 1024 / 1e6 }') MB ->" \
        "$(awk -v kb="$new_peak" 'BEGIN { printf "%.1f", kb * 1024 / 1e6 }') MB"
}

# The floor for one project: read the .zat, write the bytes of the .krp and .krs it gives.
floor_copy() {
    local dir=$1
    cat "$dir/large.zat" >/dev/null
    cp "$dir/large.krp" "$dir/floor.krp"
    cp "$dir/ws.krs" "$dir/floor.krs"
}
floor_sync() {
    local dir=$1
    cat "$dir/large.zat" >/dev/null
    dd if="$dir/large.krp" of="$dir/floor.krp" conv=fsync status=none
    dd if="$dir/ws.krs" of="$dir/floor.krs" conv=fsync status=none
}

declare -A convert_ns cpu_s
printf '%-4s %8s %8s %10s %8s %11s %11s %10s %10s %9s %9s\n' project zat_MB krp_MB convert_s cpu_s \
    floor_copy_s floor_sync_s x_copy x_sync peak_MB mem_goal
for size in one four; do
    dir=$SCRATCH/$size
    zat="D:\\$size\\large.zat"
    convert_single "$zat" # warms the page cache and makes the .krp the floor copies
    ns=$(best_ns "$RUNS" convert_single "$zat")
    convert_ns[$size]=$ns
    /usr/bin/time -f '%M %U %S' -o "$SCRATCH/time.txt" "$Z2K" single "${convert_args[@]}" "$zat" ws >/dev/null 2>&1
    read -r peak_kb user_s sys_s <"$SCRATCH/time.txt"
    cpu_s[$size]=$(awk -v u="$user_s" -v s="$sys_s" 'BEGIN { print u + s }')
    copy_ns=$(best_ns "$RUNS" floor_copy "$dir")
    sync_ns=$(best_ns "$RUNS" floor_sync "$dir")
    zat_bytes=$(stat -c %s "$dir/large.zat")
    krp_bytes=$(stat -c %s "$dir/large.krp")
    goal_mb=$(awk -v a="$zat_bytes" -v b="$krp_bytes" 'BEGIN { printf "%.1f", 4 * (a + b) / 1e6 + 16.777216 }')
    printf '%-4s %8s %8s %10s %8s %11s %11s %10s %10s %9s %9s\n' "$([[ $size == one ]] && echo 1x || echo 4x)" "$(mb "$zat_bytes")" \
        "$(mb "$krp_bytes")" "$(seconds "$ns")" "${cpu_s[$size]}" \
        "$(seconds "$copy_ns")" "$(seconds "$sync_ns")" "$(divide "$ns" "$copy_ns")" \
        "$(divide "$ns" "$sync_ns")" "$(awk -v kb="$peak_kb" 'BEGIN { printf "%.1f", kb * 1024 / 1e6 }')" "$goal_mb"
    rm -f "$dir/floor.krp" "$dir/floor.krs"
    if [[ -n "${BASELINE:-}" ]]; then compare_baseline "$zat"; fi
done
in_ratio=$(divide "$(stat -c %s "$SCRATCH/four/large.zat")" "$(stat -c %s "$SCRATCH/one/large.zat")")
echo "4x/1x conversion time: $(divide "${convert_ns[four]}" "${convert_ns[one]}") wall," \
    "$(divide "${cpu_s[four]}" "${cpu_s[one]}") cpu (input size ratio $in_ratio; goal <= 4.4)"
echo "goals: x_sync (or x_copy) <= 5, aim 3; peak_MB <= mem_goal = 4 x (zat + krp) + 16 MiB"

# ---- multiple mode over the tree ---------------------------------------------------------------
family='Quarix RISC engine'
mapfile -t matching < <(awk -F'\t' -v f="$family" '$1 == f { print $2 }' "$SCRATCH/manifest.txt")
found=$(wc -l <"$SCRATCH/manifest.txt")
singles() {
    local relative
    for relative in "${matching[@]}"; do
        "$Z2K" single "${convert_args[@]}" "D:\\tree\\${relative//\//\\}" single >/dev/null 2>&1
    done
}
multiple() {
    "$Z2K" multiple "${convert_args[@]}" 'D:\tree' all --family "$family" >"$SCRATCH/multiple.out" 2>/dev/null
}
multiple
converted=$(grep -c '^Project converted\.$' "$SCRATCH/multiple.out" || true)
singles_ns=$(best_ns "$TREE_RUNS" singles)
multiple_ns=$(best_ns "$TREE_RUNS" multiple)
/usr/bin/time -f '%M' -o "$SCRATCH/time.txt" "$Z2K" multiple "${convert_args[@]}" 'D:\tree' all \
    --family "$family" >/dev/null 2>&1
echo "multiple mode: $found projects found, ${#matching[@]} of family \"$family\", $converted converted;" \
    "multiple $(seconds "$multiple_ns") s, sum of singles $(seconds "$singles_ns") s," \
    "ratio $(divide "$multiple_ns" "$singles_ns") (goal <= 1.2); peak" \
    "$(awk -v kb="$(cat "$SCRATCH/time.txt")" 'BEGIN { printf "%.1f", kb * 1024 / 1e6 }') MB"
