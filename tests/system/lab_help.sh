# shellcheck shell=bash
# How the system tests read the lab's --help, for the checks that hold a list of their own
# (the manual page, the completion) to it. Sourced, not run.

# The commands the lab's --help lists under "Subcommands:", one a line.
help_commands() { awk '/^Subcommands:/ { inside = 1; next } inside && NF { print $1 }'; }

# The long options a help text lists in its first column ("-h,--help" gives --help).
help_options() { sed -n 's/^  \(-[a-z],\)\{0,1\}\(--[a-z][a-z-]*\).*/\2/p'; }

# The names a help line offers after its first words: help_names '--strategy NAME' reads
# "--strategy NAME   worst, size, parts or random" as "worst size parts random".
help_names() { sed -n "s/^ *$1 *//p" | tr -c 'a-z\n' ' ' | sed 's/\bor\b//'; }
