#!/bin/sh
# Checks a built manual page against the program it was made from: the compressed page holds it,
# groff reads it without a warning, it carries the program's version, and every item of the
# program's help (options, arguments, commands, usage lines) is a line of it.
#   sh check-man-page.sh PROGRAM PAGE.1 HELP_OPTION
set -eu
program=$1
page=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}
gzip -dc "$page.gz" | cmp -s "$page" - || fail "$page.gz does not hold $page"
groff -man -Tutf8 -ww -z "$page" 2>"$work/warnings" && [ ! -s "$work/warnings" ] || fail "groff warns: $(cat "$work/warnings")"
grep -q "^\.TH .* \"$("$program" --version)\"" "$page" || fail "the page does not carry the program's version"
LC_ALL=C groff -man -Tascii -P-cbou -rLL=200n "$page" 2>/dev/null | tr -s ' ' >"$work/page.txt"
# The term of each item as the help prints it, up to the blanks before its description; each
# usage line without its label.
"$program" "$3" | awk '/^(Usage| *or):/ { sub(/^[^:]*: /, ""); print; next }
    /^  [^ ]/ { t = substr($0, 3); sub(/  .*$/, "", t); sub(/ $/, "", t); print t }' | tr -s ' ' >"$work/items"
[ "$(wc -l <"$work/items")" -ge 3 ] || fail "$program $3 shows too few items"
while IFS= read -r term; do
    grep -qF -- "$term" "$work/page.txt" || fail "\"$term\" of $program $3 is not in the manual page"
done <"$work/items"
echo "ok"
