#!/bin/sh
# Checks the built manual page of zat2kor against the program it was made from: groff reads it
# without a warning, its version is the program's, and it lists every option and argument of
# "zat2kor --help" and of every subcommand's help.
#   sh check-man-page.sh ZAT2KOR PAGE.1 PAGE.1.gz
set -eu
program=$1
page=$2
compressed=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}

[ -s "$page" ] || fail "no manual page at $page"
gzip -dc "$compressed" >"$work/unpacked.1" || fail "$compressed is not a gzip file"
cmp -s "$page" "$work/unpacked.1" || fail "$compressed does not hold $page"

groff -man -Tutf8 -ww -z "$page" 2>"$work/warnings" || fail "groff failed"
[ -s "$work/warnings" ] && fail "groff warns: $(cat "$work/warnings")"

version=$("$program" --version)
grep -qF ".TH ZAT2KOR 1 \"\" \"$version\"" "$page" || fail "the page does not carry the version \"$version\""

groff -man -Tascii -P-cbou -rLL=200n "$page" 2>/dev/null | tr -s ' ' >"$work/page.txt"
grep -qxF " zat2kor - $("$program" --help | head -n 1 | sed 's/^zat2kor: //')" "$work/page.txt" ||
    fail "the NAME line is not the first line of zat2kor --help"

# Every item of every help (options, positionals, subcommands) is a line of the page: the term
# as the program prints it, up to the blanks before its description.
items() {
    "$@" --help | awk '/^  [^ ]/ { term = substr($0, 3); sub(/  .*$/, "", term); sub(/ $/, "", term); print term }'
}
subcommands=$("$program" --help | awk '/^[^ ].*:$/ { s = $0; next } s == "Subcommands:" && /^  [^ ]/ { print $1 }')
[ -n "$subcommands" ] || fail "zat2kor --help lists no subcommands"
checked=0
for command in "" $subcommands; do
    # shellcheck disable=SC2086
    items "$program" $command >"$work/items"
    while IFS= read -r term; do
        case "$term" in
        zat2kor\ *) continue ;; # an example of the footer, checked below
        esac
        if ! grep -qxF " $term" "$work/page.txt" && ! grep -qF " zat2kor $term" "$work/page.txt"; then
            fail "\"$term\" of zat2kor $command --help is not in the manual page"
        fi
        checked=$((checked + 1))
    done <"$work/items"
    grep -qxF " zat2kor${command:+ $command} $("$program" $command --help | sed -n 's/^Usage: zat2kor *//p' |
        sed "s/^$command *//")" "$work/page.txt" || fail "the synopsis of zat2kor $command is missing"
done
[ "$checked" -ge 6 ] || fail "only $checked items were found in the help texts"
# The examples are on the page as the program prints them.
"$program" --help | awk '/^Examples:$/ { on = 1; next } on && /^  zat2kor / { print }' | tr -s ' ' >"$work/examples"
[ -s "$work/examples" ] || fail "zat2kor --help shows no examples"
while IFS= read -r example; do
    grep -qxF -- "$example" "$work/page.txt" || fail "the example \"$example\" is not on the page"
done <"$work/examples"
echo "ok: $checked items"
