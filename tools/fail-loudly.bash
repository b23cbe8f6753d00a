# Sourced by the project's scripts, so that each fails the same way: a
# failure ends with one line "NAME: STEP: CAUSE", an interrupt with status 130
# and such a line, and a missing tool is named with its package before any
# work is done.
#
#   . tools/fail-loudly.bash NAME
#
# The script sets $step as it goes (setup at first), and $step_started to
# $SECONDS where it times the step, so that its closing line says how long
# the step ran; it calls fail CAUSE for a failure that it finds itself and needs COMMAND:PACKAGE... for its tools,
# and may define cleanup, which runs on every exit, to its end, even where a
# command in it fails. A failure that fail did not report (a command that
# failed under set -e) still ends with a line naming the step and the cause:
# where the script keeps the step's output in the file $step_log, what
# log_cause reads there, else the status, below the command's own output.
#
#   log_cause LOG STATUS   prints the cause of a failure whose output is in
#              LOG, in one phrase: the tests that failed; or the cause of a
#              closing line of this script's own for the step; or why apt
#              failed (apt_cause, where tools/registry.bash is sourced); or
#              the first line "FAIL: CAUSE" of a script run in a root; or
#              else STATUS and the last line
# shellcheck shell=bash

script=$1
step=setup
step_started=
said=false
# closing CAUSE: the closing line, with the step's time where it is timed.
closing() {
	echo "$script: $step: $*${step_started:+ (after $((SECONDS - step_started)) s)}" >&2
}
fail() {
	closing "$*"
	said=true
	exit 1
}
needs() {
	local tool
	for tool; do
		command -v "${tool%:*}" >/dev/null || fail "needs ${tool%:*}; install Debian's ${tool#*:} package"
	done
}
log_cause() {
	local failed last
	failed=$(sed -n '/The following tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \(.*\) ([A-Za-z ]*)$/\1/p' "$1" | sort -u)
	last=$(grep . "$1" | tail -n 1)
	if [ -n "$failed" ]; then
		echo "tests failed: ${failed//$'\n'/, }"
	elif [[ $last = "$script: $step: "* ]]; then
		last=${last#"$script: $step: "}
		echo "${last% (after [0-9]* s)}"
	elif ! declare -F apt_cause >/dev/null || ! apt_cause "$1"; then
		grep -m 1 '^FAIL: ' "$1" | sed 's/^FAIL: //' | grep . || echo "status $2: ${last:-its command printed nothing}"
	fi
}
finish() {
	local status=$? why
	# Everything below runs to its end, whatever fails in it: a failed
	# unmount must not keep the rest of cleanup, or the closing line, from
	# running, nor may a reader of its output that has gone (the caller's
	# tee, stopped with it).
	trap '' INT TERM PIPE
	set +e
	if [ "$status" != 0 ] && ! $said; then
		why="failed with status $status (above)"
		[ ! -s "${step_log-}" ] || why=$(log_cause "$step_log" "$status")
	fi
	if declare -F cleanup >/dev/null && ! cleanup && [ "$status" = 0 ]; then
		step=cleanup why="could not remove all that it made (above)" status=1
	fi
	[ -z "${why-}" ] || closing "$why"
	exit "$status"
}
trap finish EXIT
trap 'closing interrupted; said=true; exit 130' INT
trap 'closing terminated; said=true; exit 143' TERM
