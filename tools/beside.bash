# Sourced, after tools/fail-loudly.bash, by the scripts whose steps can run
# beside each other: a build with its tests, or a Debian root, is made and
# used mostly on one core, so two go beside each other on a 2-core machine
# in little more than the time of one. Bash's own jobs run them: each is a
# function of the script, with the script's tables and temporary directory,
# which a job runner's fresh shell would not have.
#
#   . tools/beside.bash DIRECTORY
#
# DIRECTORY is the script's own temporary directory, where the output of
# each step waits. Gives:
#   beside NAME COMMAND...  runs COMMAND (a function of the script, which may
#              call fail) in the background, in a process group of its own,
#              with $log a file of its own; its output waits in a file
#   together   waits for all that beside started, shows each one's output
#              in the order they were started, and fails where any failed,
#              naming each that failed with the cause that its own closing
#              line gave, below its output
#   stop_besides  for the script's cleanup: stops what beside started, waits
#              while it cleans up after itself, and kills what has not
#              stopped after a minute, naming it
# shellcheck shell=bash disable=SC2034,SC2154

beside_dir=$1
besides=()
beside() {
	[ $# -ge 2 ] || fail "beside ${1-} names no command to run"
	local out=$beside_dir/beside-${#besides[@]}
	set -m
	(
		log=$out.log
		"${@:2}"
	) >"$out" 2>&1 &
	set +m
	besides+=("$! $out $1")
}
together() {
	local job out status last causes=()
	for job in "${besides[@]}"; do
		read -r _ out _ <<<"$job"
		status=0
		wait "${job%% *}" || status=$?
		if [ $status = 0 ]; then
			cat "$out"
			continue
		fi
		# Its closing line names the script and the step; without one, the
		# job's name and status say it.
		last=$(tail -n 1 "$out")
		if [[ $last = "$script: "* ]]; then
			head -n -1 "$out" >&2
		else
			cat "$out" >&2
			last="$script: $step: ${job#* * } failed with status $status (above)"
		fi
		causes+=("$last")
	done
	besides=()
	case ${#causes[@]} in
	0) return 0 ;;
	1) echo "${causes[0]}" >&2 ;;
	*)
		last=$(printf '%s; ' "${causes[@]}")
		echo "$script: $step: ${#causes[@]} steps beside each other failed: ${last%; }" >&2 ;;
	esac
	said=true
	exit 1
}
stop_besides() {
	local job i
	for job in "${besides[@]}"; do
		kill -TERM -- "-${job%% *}" 2>/dev/null
	done
	for job in "${besides[@]}"; do
		for ((i = 0; i < 60; i++)); do
			kill -0 -- "-${job%% *}" 2>/dev/null || continue 2
			sleep 1
		done
		echo "$script: $step: ${job#* * } did not stop within 60 s of TERM: killed" >&2
		kill -KILL -- "-${job%% *}" 2>/dev/null
		wait "${job%% *}" 2>/dev/null
	done
	besides=()
}
