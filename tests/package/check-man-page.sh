#!/bin/sh
# Checks the built manual page of zat2kor against the program it was made from: the compressed
# page holds it, groff reads it without a warning, it carries the program's version, and every
# item of "zat2kor --help" and of each subcommand's help (options, arguments, subcommands,
# examples) is a line of it.
#   sh check-man-page.sh ZAT2KOR PAGE.1 PAGE.1.gz
set -eu
program=$1
page=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}
gzip -dc "$3" | cmp -s "$page" - || fail "$3 does not hold $page"
groff -man -Tutf8 -ww -z "$page" 2>"$work/warnings" && [ ! -s "$work/warnings" ] || fail "groff warns: $(cat "$work/warnings")"
grep -qF ".TH ZAT2KOR 1 \"\" \"$("$program" --version)\"" "$page" || fail "the page does not carry the program's version"
groff -man -Tascii -P-cbou -rLL=200n "$page" 2>/dev/null | tr -s ' ' >"$work/page.txt"
# The term of each item as the help prints it, up to the blanks before its description; the
# examples of the footer whole.
subcommands=$("$program" --help | awk '/^[^ ].*:$/ { s = $0; next } s == "Subcommands:" && /^  [^ ]/ { print $1 }')
[ -n "$subcommands" ] || fail "zat2kor --help lists no subcommands"
for command in "" $subcommands; do
    # shellcheck disable=SC2086
    "$program" $command --help | awk '/^  zat2kor / { print; next } /^  [^ ]/ { t = substr($0, 3); sub(/  .*$/, "", t); sub(/ $/, "", t); print t }' | tr -s ' ' >"$work/items"
    [ "$(wc -l <"$work/items")" -ge 4 ] || fail "zat2kor $command --help shows too few items"
    while IFS= read -r term; do
        grep -qxF -- " ${term# }" "$work/page.txt" || grep -qF -- " zat2kor $term" "$work/page.txt" || fail "\"$term\" of zat2kor $command --help is not in the manual page"
    done <"$work/items"
done
echo "ok"
