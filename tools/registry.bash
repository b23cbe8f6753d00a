# Sourced by the scripts that update apt's indexes from the package registry:
# .ci/run on the machine, tools/debian-root.bash in every root it makes.
#
#   apt_update [PREFIX...]
#
# runs apt-get update (through PREFIX, sudo say), three times at most.
# Indexes that still fail are named in one line on standard output, and it
# returns 0: apt-get install then decides whether what it needs came from
# the others, and names a package that it cannot install. A fault in one
# suite of the registry (its security suite's indexes of some architectures,
# say) so stops nothing that does not need that suite. It returns 1, with
# apt's output, only where apt names no index that failed.
# shellcheck shell=bash

apt_update() {
	local try log failed
	log=$(mktemp) || return 1
	for try in 1 2 3; do
		if "$@" apt-get update >"$log" 2>&1; then
			rm -f "$log"
			return 0
		fi
		[ $try = 3 ] || sleep $((try * 10))
	done
	failed=$(sed -n 's,^[EW]: Failed to fetch [a-z+]*://[^/]*/\([^ ]*\) .*,\1,p' "$log" | sort -u)
	if [ -z "$failed" ]; then
		cat "$log"
		rm -f "$log"
		return 1
	fi
	rm -f "$log"
	echo "apt-get update: these indexes failed three times, so the install decides: ${failed//$'\n'/ }"
}
