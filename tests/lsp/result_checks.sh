# Shared by the editors' end-to-end tests (sourced): reading what the editor wrote to $work/result.txt.
fail=0

# Prints the result, or fails the test when the editor wrote none (NAME, LOG to show).
read_result() {
    [ -f "$work/result.txt" ] || { echo "$1 wrote no result"; [ -f "${2:-}" ] && tail -30 "$2"; exit 1; }
    cat "$work/result.txt"
}

# A line of the result that must match the pattern.
expect() {
    grep -qE "$1" "$work/result.txt" || { echo "MISSING: $1"; fail=1; }
}

# What `format` prints for the script FILE, with LF line ends, no blank at a line end and a final
# line end, into OUT.
laid_out() {
    { "$exe" format "$1"; echo; } | tr -d '\r' | sed 's/[ \t]*$//' > "$2"
    [ "$(wc -l < "$2")" -gt 5 ] || { echo "format printed too little"; fail=1; }
}
