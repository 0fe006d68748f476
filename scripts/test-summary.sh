# The test command's bookkeeping, sourced by scripts/test.sh: each part's passed, failed and
# skipped tests and its time, the reason for each skip, and the table at the end.
summary=()  # "part|passed|failed|skipped|seconds"
skipped_because=()

# part NAME COMMAND...: runs the part; a step that fails counts as one failure.
part() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    part_passed=0 part_failed=0 part_skipped=0
    "$@" || part_failed=$((part_failed + 1))
    summary+=("$name|$part_passed|$part_failed|$part_skipped|$((SECONDS - start))")
}

# count_tests LOG STATUS RESULTS: CTest's lines in LOG counted as the part's tests, and the reasons
# of its skipped tests taken from the JUnit file RESULTS. A STATUS other than 0 with no failed
# test (a build that did not compile) is one failure.
count_tests() {
    local line='^ *[0-9]+/[0-9]+ Test +#[0-9]+: ' total passed skipped reason
    total=$(grep -cE "$line" "$1")
    passed=$(grep -cE "$line.* Passed +[0-9.]+ sec" "$1")
    skipped=$(grep -cE "$line.*\*\*\*Skipped " "$1")
    part_passed=$((part_passed + passed))
    part_skipped=$((part_skipped + skipped))
    part_failed=$((part_failed + total - passed - skipped))
    [ "$2" -eq 0 ] || [ "$total" -gt "$((passed + skipped))" ] || part_failed=$((part_failed + 1))
    # CTest shows no output of a skipped test: its first "skipped:" line says why.
    while IFS= read -r reason; do
        echo "skipped: $reason"
        skipped_because+=("${3%/*}: $reason")
    done < <(skip_reasons "$3")
}

skip_reasons() {
    [ -f "$1" ] || return 0
    awk '/<testcase / { match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7); skip = 0 }
         /<skipped / { skip = 1 }
         skip && /skipped: / {
             sub(/.*skipped: /, "")
             gsub(/&lt;/, "<"); gsub(/&gt;/, ">"); gsub(/&quot;/, "\""); gsub(/&apos;/, "\047")
             gsub(/&amp;/, "\\&")
             print name ": " $0; skip = 0
         }' "$1"
}

# count_rows LOG STATUS: a check script's "ok: ", "FAIL: " and "skipped: " lines as the part's;
# a STATUS other than 0 with no failed row is one failure.
count_rows() {
    local reason
    part_passed=$((part_passed + $(grep -c '^ok: ' "$1")))
    part_failed=$((part_failed + $(grep -c '^FAIL: ' "$1")))
    while IFS= read -r reason; do
        skipped_because+=("$reason")
        part_skipped=$((part_skipped + 1))
    done < <(sed -n 's/^skipped: //p' "$1")
    [ "$2" -eq 0 ] || grep -q '^FAIL: ' "$1" || part_failed=$((part_failed + 1))
}

# The table of every part, the totals, and the status: 1 when anything failed.
summarize() {
    echo
    echo "== Summary"
    local reason row name p f s seconds passed=0 failed=0 skipped=0
    for reason in "${skipped_because[@]}"; do
        echo "skipped in $reason"
        [ -z "${MORVATEK_SUMMARY:-}" ] || echo "$reason" >>"$MORVATEK_SUMMARY.skipped"
    done
    printf '%-74s %7s %7s %8s %8s\n' part passed failed skipped time
    for row in "${summary[@]}"; do
        IFS='|' read -r name p f s seconds <<<"$row"
        printf '%-74s %7d %7d %8d %5d:%02d\n' "$name" "$p" "$f" "$s" $((seconds / 60)) $((seconds % 60))
        [ -z "${MORVATEK_SUMMARY:-}" ] || echo "$row" >>"$MORVATEK_SUMMARY"
        passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
    done
    echo "$passed passed, $failed failed, $skipped skipped"
    [ "$failed" -eq 0 ]
}
