#!/bin/sh
# Runs cmake/HelpToMan.sh on a made-up program whose help has the awkward cases of the CLI11
# layout, and checks the page groff reads without a warning and the text it renders.
#   sh check-help-to-man.sh HELPTOMAN_SCRIPT
set -eu
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}

# The made-up program: "tool --help", "tool --version", "tool go --help", "tool stop --help".
# A term of 27 characters leaves a single blank before its description; a long term puts the
# description on the next line; a description wraps; a group heading of its own; a backslash,
# a leading dot, a semicolon and a quote in the texts; a footer that every help repeats.
cat >"$work/tool" <<'PROGRAM'
#!/bin/sh
footer='

Examples:
  tool go --path '"'"'C:\dir\file.zat'"'"' now
      goes; then stops
.hidden line that starts with a dot
'
case "$*" in
--version) echo "tool 2.5.1" ;;
--help)
    cat <<'HELP'
tool: moves things from here to there
Usage: tool [OPTIONS] SUBCOMMAND

Options:
  -h,--help                   Print this help message and exit
  --version                   Display program version information and exit

Subcommands:
  go                          Goes
  stop                        Stops
HELP
    printf '%s' "$footer" ;;
"go --help")
    cat <<'HELP'
Goes somewhere
Usage: tool go [OPTIONS] WHERE

Positionals:
  WHERE TEXT REQUIRED         Where to go; "here" or "there"

Options:
  -h,--help                   Print this help message and exit
  --exactly-27-characters-wid Has a single blank before its text
  --a-very-long-option-name-that-overflows TEXT
                              Is described on the next line
  --wrapped                   First line of a description
                              .and a second line that starts with a dot

Report options:
  --report FILE               Writes a report to FILE (C:\out\report.json)
HELP
    printf '%s' "$footer" ;;
"stop --help")
    cat <<'HELP'
Stops
Usage: tool stop [OPTIONS]

Options:
  -h,--help                   Print this help message and exit
  --immediately               Stops at once
HELP
    printf '%s' "$footer" ;;
*) exit 109 ;;
esac
PROGRAM
chmod +x "$work/tool"

sh "$script" "$work/tool" "$work/tool.1" || fail "HelpToMan.sh failed"
[ -s "$work/tool.1" ] || fail "no page written"
ls "$work" | grep -q tmp && fail "a temporary file was left behind"

groff -man -Tutf8 -ww -z "$work/tool.1" 2>"$work/warnings" || fail "groff failed"
[ -s "$work/warnings" ] && fail "groff warns: $(cat "$work/warnings")"

# The rendered text, without bold and underline, blanks squeezed.
groff -man -Tascii -P-cbou -rLL=200n "$work/tool.1" 2>/dev/null | tr -s ' ' >"$work/page.txt"
expect() {
    grep -qxF -- "$1" "$work/page.txt" || fail "missing line \"$1\" in:
$(cat "$work/page.txt")"
}
expect " tool - moves things from here to there"
expect " tool moves things from here to there."
expect " tool [OPTIONS] SUBCOMMAND"
expect " tool go [OPTIONS] WHERE"
expect " tool stop [OPTIONS]"
expect " --version"
expect " Display program version information and exit"
expect " tool go"
expect " Goes somewhere"
expect " WHERE TEXT REQUIRED"
expect " Where to go; \"here\" or \"there\""
expect " --exactly-27-characters-wid"
expect " Has a single blank before its text"
expect " --a-very-long-option-name-that-overflows TEXT"
expect " Is described on the next line"
expect " First line of a description .and a second line that starts with a dot"
expect " Report options:"
expect " --report FILE"
expect " Writes a report to FILE (C:\\out\\report.json)"
expect " --immediately"
expect " Stops at once"
expect " tool go --path 'C:\\dir\\file.zat' now"
expect " goes; then stops"
expect " .hidden line that starts with a dot"
expect " tool 2.5.1"

# The list of subcommands is not repeated as options, and the footer appears once.
[ "$(grep -c -- 'goes; then stops' "$work/page.txt")" -eq 1 ] || fail "the footer is not written exactly once"
grep -q -- '^ go Goes$' "$work/page.txt" && fail "the subcommand list is written as items"
# Option names are written as minus signs, so they can be copied from the page.
grep -qF -- '\fB\-\-report FILE\fR' "$work/tool.1" || fail "option hyphens are not escaped"
grep -qF -- '.TH TOOL 1 "" "tool 2.5.1"' "$work/tool.1" || fail "wrong .TH line"

# The same help gives the same page, byte for byte.
sh "$script" "$work/tool" "$work/again.1"
cmp -s "$work/tool.1" "$work/again.1" || fail "the page differs between two runs"

# A program that fails leaves no page behind.
printf '#!/bin/sh\nexit 3\n' >"$work/broken"
chmod +x "$work/broken"
if sh "$script" "$work/broken" "$work/broken.1" 2>/dev/null; then fail "a failing program gave a page"; fi
[ -e "$work/broken.1" ] && fail "a failing program left a page"
echo "ok"
