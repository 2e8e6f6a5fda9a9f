#!/bin/bash
# Times the batch runner on a scenario as a whole process: `runs` runs (15
# unless given), the CSV thrown away. Prints each run's wall and CPU (user +
# system) time sorted, their medians in seconds, and the load average at
# the end. On a loaded machine the CPU time is the better guide.
# usage: bench/scenarios/time_batch.sh <vortan-batch> <scenario> [runs]
batch=$1 scenario=$2 runs=${3:-15}
TIMEFORMAT='%3R %3U %3S'
for ((i = 0; i < runs; i++)); do
    { time "$batch" "$scenario" > /dev/null; } 2>&1 || exit 1
done | awk '{ wall[NR] = $1; cpu[NR] = $2 + $3 }
    function median(a, n,   k, j, t) {
        for (k = 2; k <= n; k++)
            for (j = k; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END { printf "median of %d runs: wall %.3f s, CPU %.3f s\n", NR, median(wall, NR), median(cpu, NR) }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
