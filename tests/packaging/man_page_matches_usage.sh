#!/usr/bin/env bash
# man_page_matches_usage.sh PROGRAM MAN_PAGE: the manual page documents every command, option and exit
# status that the program's usage text names, and names no option the program does not know.
# PROGRAM and MAN_PAGE are absolute paths.
set -euo pipefail
program=$1
page=$2

# The program runs in a scratch folder with a home of its own: an option tried below may write files.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config
usage=$("$program" --help)
# The manual page as words: roff's escaped hyphens and font changes removed.
section() { # the lines of one .SH section of the page
    awk -v name="$1" '/^\.SH /{gsub(/"/, ""); inside = ($0 == ".SH " name); next} inside' "$page" |
        sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g'
}
commands_section=$(section COMMANDS)
options_section=$(section OPTIONS)
exit_section=$(section 'EXIT STATUS')

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

commands=$(printf '%s\n' "$usage" | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' | sort -u)
options=$(printf '%s\n' "$usage" | grep -oE '(^|[][ |(])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
statuses=$(printf '%s\n' "$usage" | sed -n 's/^Exit status: *//Ip' | grep -oE '(^|[ ,])[0-9]+ ' | tr -d ' ,' | sort -u)
# A program with commands documents them under COMMANDS; one without has no such section.
[ -n "$commands" ] || [ -z "$commands_section" ] || fail "no command found in the usage text"
[ -n "$options" ] || fail "no option found in the usage text"
[ -n "$statuses" ] || fail "no exit status found in the usage text"

# grep -q reads a here-string: on a pipe it may stop reading early, which pipefail takes for a failure.
for c in $commands; do
    grep -qE "^\.SS $c( |$)" <<<"$commands_section" || fail "command $c has no .SS block under COMMANDS"
done
for o in $options; do
    grep -qE -- "(^|[ ,])$o([ =,]|$)" <<<"$options_section" || fail "option $o is not under OPTIONS"
done
for s in $statuses; do
    grep -qxE "\.B $s" <<<"$exit_section" || fail "exit status $s is not under EXIT STATUS"
done

# Every option the page documents is one the program knows.
page_options=$(printf '%s\n' "$options_section" | grep -E '^\.(B|BI|BR|I|IR) ' |
    grep -oE -- '(^|[ ,"])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
[ -n "$page_options" ] || fail "no option found under OPTIONS"
for o in $page_options; do
    complaint=$("$program" "$o" 2>&1 >/dev/null || true)
    case $complaint in
    *"unknown option"*) fail "the page documents $o, which the program does not know" ;;
    esac
done

echo "commands: $(echo $commands); options: $(echo $options); exit statuses: $(echo $statuses);" \
     "page options: $(echo $page_options)"
[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "the manual page matches the usage text"
