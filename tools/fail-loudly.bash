# Sourced by the project's scripts, so that each fails the same way: a
# failure ends with one line "NAME: STEP: CAUSE", an interrupt with status 130
# and such a line, and a missing tool is named with its package before any
# work is done.
#
#   . tools/fail-loudly.bash NAME
#
# The script sets $step as it goes (setup at first), calls fail CAUSE for a
# failure that it finds itself and needs COMMAND:PACKAGE... for its tools,
# and may define cleanup, which runs on every exit, to its end, even where a
# command in it fails. A failure that fail did not report (a command that
# failed under set -e) still ends with a line naming the step and the cause:
# what the script's function explain prints, given the status, where it has
# one, else the status, below the command's own output.
# shellcheck shell=bash

script=$1
step=setup
said=false
fail() {
	echo "$script: $step: $*" >&2
	said=true
	exit 1
}
needs() {
	local tool
	for tool; do
		command -v "${tool%:*}" >/dev/null || fail "needs ${tool%:*}; install Debian's ${tool#*:} package"
	done
}
finish() {
	local status=$? why
	trap '' INT TERM
	# Everything below runs to its end, whatever fails in it: a failed
	# unmount must not keep the rest of cleanup, or the closing line, from
	# running.
	set +e
	if [ "$status" != 0 ] && ! $said; then
		why="failed with status $status (above)"
		! declare -F explain >/dev/null || why=$(explain "$status")
	fi
	if declare -F cleanup >/dev/null && ! cleanup && [ "$status" = 0 ]; then
		step=cleanup why="could not remove all that it made (above)" status=1
	fi
	[ -z "${why-}" ] || echo "$script: $step: $why" >&2
	exit "$status"
}
trap finish EXIT
trap 'echo "$script: $step: interrupted" >&2; said=true; exit 130' INT
trap 'echo "$script: $step: terminated" >&2; said=true; exit 143' TERM
