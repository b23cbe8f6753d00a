# Sourced, after tools/fail-loudly.bash, by the scripts whose steps can run
# beside each other: a build with its tests, or a Debian root, is made and
# used mostly on one core, so two go beside each other on a 2-core machine
# in little more than the time of one.
#
#   . tools/beside.bash DIRECTORY
#
# DIRECTORY is the script's own temporary directory, where the output of
# each step waits. Gives:
#   beside COMMAND...  runs COMMAND (a function of the script, which may
#              call fail) in the background, in a process group of its own,
#              with $log a file of its own; its output waits in a file
#   together   waits for all that beside started, shows each one's output
#              in the order they were started, and fails with the closing
#              line of the first that failed, its own output above
#   stop_besides  for the script's cleanup: stops what beside started, and
#              waits while it cleans up after itself
# shellcheck shell=bash disable=SC2034,SC2154

beside_dir=$1
besides=()
beside() {
	local out=$beside_dir/beside-${#besides[@]}
	set -m
	(
		log=$out.log
		"$@"
	) >"$out" 2>&1 &
	set +m
	besides+=("$! $out")
}
together() {
	local job status last failed=""
	for job in "${besides[@]}"; do
		status=0
		wait "${job%% *}" || status=$?
		if [ $status = 0 ]; then
			cat "${job#* }"
		elif [ -z "$failed" ]; then
			failed=${job#* }
		fi
	done
	besides=()
	[ -n "$failed" ] || return 0
	last=$(tail -n 1 "$failed")
	if [[ $last = "$script: "* ]]; then
		head -n -1 "$failed" >&2
		echo "$last" >&2
		said=true
		exit 1
	fi
	cat "$failed" >&2
	fail "a step that ran beside others failed (above)"
}
stop_besides() {
	local job
	for job in "${besides[@]}"; do
		kill -TERM -- "-${job%% *}" 2>/dev/null
	done
	for job in "${besides[@]}"; do
		while kill -0 -- "-${job%% *}" 2>/dev/null; do sleep 1; done
	done
	besides=()
}
