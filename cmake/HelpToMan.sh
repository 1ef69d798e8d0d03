#!/bin/sh
# Writes the manual page of a CLI11 program from the program's own --help and --version texts,
# so that the page never drifts from what the program prints.
#
#   sh HelpToMan.sh PROGRAM OUTPUT.1
#
# The page holds: NAME and DESCRIPTION from the first line of PROGRAM --help, a SYNOPSIS of
# every "Usage:" line, the program's own option sections, one COMMANDS subsection per
# subcommand (from PROGRAM SUBCOMMAND --help) and every free-text section of the main help (the
# examples) as preformatted text. The output is deterministic: no date, no host names.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: sh HelpToMan.sh PROGRAM OUTPUT.1" >&2
    exit 2
fi
program=$1
output=$2
name=$(basename "$program")

version=$("$program" --version)
main_help=$("$program" --help)

# The subcommands are the items of the main help's "Subcommands:" section.
subcommands=$(printf '%s\n' "$main_help" | awk '
    /^[^ ].*:$/ { section = $0; next }
    /^$/ { next }
    section == "Subcommands:" && /^  [^ ]/ { print $1 }')

# One stream for the formatter: each help text after a "@@" line that names its part.
stream=$(
    printf '@@main\n%s\n' "$main_help"
    for subcommand in $subcommands; do
        printf '@@sub %s\n' "$subcommand"
        "$program" "$subcommand" --help
    done
)

temporary="$output.tmp.$$"
trap 'rm -f "$temporary"' EXIT
printf '%s\n' "$stream" | awk -v program="$name" -v version="$version" '
# Escapes text for roff: backslashes always; hyphens that start a word or follow a hyphen (option
# names) become minus signs so that they can be copied; a leading dot or quote is neutralised.
function roff(text, keepHyphens,    out, i, c, previous) {
    out = ""
    previous = " "
    for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        if (c == "\\") {
            out = out "\\e"
        } else if (c == "-" && (!keepHyphens || index(" \t-[,", previous) > 0)) {
            out = out "\\-"
        } else {
            out = out c
        }
        previous = c
    }
    if (out ~ /^[.\047]/) out = "\\&" out
    return out
}
function trim(text) {
    sub(/^[ \t]+/, "", text)
    sub(/[ \t]+$/, "", text)
    return text
}
function quoteArg(text) {
    gsub(/"/, "\"\"", text)
    return "\"" text "\""
}
# The column at which item descriptions start: found in the first item line of the main help
# that has a description on the same line ("  -h,--help" then blanks then the text).
function findColumn(    i, line, rest) {
    for (i = 1; i <= count; i++) {
        line = lines[i]
        if (line ~ /^@@sub /) break
        if (line ~ /^  [^ ].*[^ ]  +[^ ]/) {
            rest = line
            sub(/^  [^ ]([^ ]| [^ ])*  +/, "", rest)
            return length(line) - length(rest) + 1
        }
    }
    return 31
}
# True when line i is an item line: an indented term, and either a description at the column or
# the description on the next line, indented to the column.
function isItem(i,    line, next1) {
    line = lines[i]
    if (line !~ /^  [^ ]/) return 0
    if (length(line) >= column && substr(line, column - 1, 1) == " " && substr(line, column, 1) != " ") return 1
    next1 = (i < count) ? lines[i + 1] : ""
    return isContinuation(next1)
}
function isContinuation(line) {
    return length(line) >= column && substr(line, 1, column - 1) ~ /^ +$/ && substr(line, column, 1) != " "
}
function emitItem(term, description) {
    print ".TP"
    print "\\fB" roff(trim(term), 0) "\\fR"
    if (description != "") print description
}
# Writes the item sections (options, positionals) of the help text in lines[first..last], the
# part after its Usage line. Free-text sections are left to emitFree; the list of subcommands in
# the main help is left out, since every subcommand gets a subsection of its own.
function emitSections(first, last, level,    i, j, line, heading, active, term, description) {
    active = 0
    term = ""
    for (i = first; i <= last; i++) {
        line = lines[i]
        if (line ~ /^[^ ].*:$/) {
            if (term != "") { emitItem(term, description); term = "" }
            if (active && level != "main") print ".RE"
            heading = substr(line, 1, length(line) - 1)
            for (j = i + 1; j <= last && lines[j] == ""; j++) {}
            active = (j <= last && isItem(j)) && !(level == "main" && heading == "Subcommands")
            if (!active) continue
            if (level == "main") {
                print ".SH " toupper(roff(heading, 1))
            } else {
                print ".PP"
                print "\\fB" roff(heading, 1) ":\\fR"
                print ".RS"
            }
            continue
        }
        if (!active || line == "") continue
        if (line !~ /^ /) {
            # Text at the margin that is no heading ends the list.
            if (term != "") { emitItem(term, description); term = "" }
            if (level != "main") print ".RE"
            active = 0
            continue
        }
        if (isContinuation(line)) {
            description = description (description == "" ? "" : "\n") roff(trim(line), 1)
            continue
        }
        if (term != "") emitItem(term, description)
        if (length(line) >= column && substr(line, column - 1, 1) == " " && substr(line, column, 1) != " ") {
            term = substr(line, 1, column - 1)
            description = roff(trim(substr(line, column)), 1)
        } else {
            term = line
            description = ""
        }
    }
    if (term != "") emitItem(term, description)
    if (active && level != "main") print ".RE"
}
{ lines[++count] = $0 }
END {
    column = findColumn()
    # Split the stream into its parts.
    parts = 0
    for (i = 1; i <= count; i++) {
        if (lines[i] ~ /^@@/) {
            if (parts > 0) partLast[parts] = i - 1
            parts++
            partFirst[parts] = i + 1
            partName[parts] = (lines[i] == "@@main") ? "" : substr(lines[i], 7)
        }
    }
    partLast[parts] = count
    for (p = 1; p <= parts; p++) {
        description[p] = (lines[partFirst[p]] ~ /^Usage: /) ? "" : lines[partFirst[p]]
        usageLine[p] = 0
        for (i = partFirst[p]; i <= partLast[p]; i++) {
            if (lines[i] ~ /^Usage: /) { usageLine[p] = i; break }
        }
    }
    summary = description[1]
    if (index(summary, program ": ") == 1) summary = substr(summary, length(program) + 3)
    # The version line reads "PROGRAM VERSION".
    print ".\\\" Made from the output of \"" program " --help\" at build time; edit the program, not this file."
    print ".TH " toupper(program) " 1 \"\" " quoteArg(version) " \"User Commands\""
    print ".SH NAME"
    print roff(program " - " summary, 1)
    print ".SH SYNOPSIS"
    for (p = 1; p <= parts; p++) {
        if (!usageLine[p]) continue
        usage = substr(lines[usageLine[p]], 8)
        command = program (partName[p] == "" ? "" : " " partName[p])
        if (index(usage, command) == 1) usage = substr(usage, length(command) + 1)
        if (p > 1) print ".br"
        print ".B " roff(command, 0)
        if (trim(usage) != "") print roff(trim(usage), 1)
    }
    # A summary that reads as a verb phrase ("converts ...") becomes a sentence about the program.
    sentence = summary
    if (sentence ~ /^[a-z]/) sentence = program " " sentence
    if (sentence != "" && sentence !~ /[.!?]$/) sentence = sentence "."
    print ".SH DESCRIPTION"
    print roff(sentence, 1)
    if (usageLine[1]) emitSections(usageLine[1] + 1, partLast[1], "main")
    if (parts > 1) {
        print ".SH COMMANDS"
        for (p = 2; p <= parts; p++) {
            print ".SS " quoteArg(program " " partName[p])
            print roff(description[p], 1)
            if (usageLine[p]) emitSections(usageLine[p] + 1, partLast[p], "sub")
        }
    }
    # The free-text sections (the examples) of the main help come last.
    if (usageLine[1]) emitFree(usageLine[1] + 1, partLast[1])
    print ".SH VERSION"
    print roff(version, 1)
}
function emitFree(first, last,    i, line, inFree, j, lastText) {
    inFree = 0
    for (i = first; i <= last; i++) {
        line = lines[i]
        if (line ~ /^[^ ].*:$/) {
            if (inFree) { print ".fi"; inFree = 0 }
            for (j = i + 1; j <= last && lines[j] == ""; j++) {}
            if (j <= last && isItem(j)) continue
            print ".SH " toupper(substr(line, 1, length(line) - 1))
            print ".nf"
            inFree = 1
            # Leave out the blank lines at the end of the section.
            for (lastText = j; lastText <= last && lines[lastText] !~ /^[^ ].*:$/; lastText++) {}
            for (lastText--; lastText > i && lines[lastText] == ""; lastText--) {}
            continue
        }
        if (inFree && i <= lastText) print (line == "" ? "" : roff(line, 0))
    }
    if (inFree) print ".fi"
}
' > "$temporary"
mv "$temporary" "$output"
trap - EXIT
