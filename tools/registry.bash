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
	local try output failed
	# apt's output is kept in memory, not in a file that an interrupt
	# between the tries would leave behind.
	for try in 1 2 3; do
		output=$("$@" apt-get update 2>&1) && return 0
		[ $try = 3 ] || sleep $((try * 10))
	done
	failed=$(sed -n 's,^[EW]: Failed to fetch [a-z+]*://[^/]*/\([^ ]*\) .*,\1,p' <<<"$output" | sort -u)
	if [ -z "$failed" ]; then
		printf '%s\n' "$output"
		return 1
	fi
	echo "apt-get update: these indexes failed three times, so the install decides: ${failed//$'\n'/ }"
}

#   apt_cause LOG
#
# prints why the apt-get run whose output is in LOG failed, in one phrase
# that names what failed: the registry, a release, a file, a package. It
# returns 1 where LOG holds none of these.
apt_cause() {
	local log=$1 found
	if grep -Eq 'Temporary failure resolving|Could not resolve|Network is unreachable|Could not connect|Connection (failed|timed out|refused)' "$log"; then
		echo "the package registry could not be reached"
	elif found=$(sed -n "s/^E: The repository '.* \([^ ]*\) Release' does not have a Release file.*/\1/p" "$log") && [ -n "$found" ]; then
		echo "the package registry has no release ${found%%$'\n'*}"
	elif grep -q 'Release file for .* is expired' "$log"; then
		echo "apt refused an expired Release file"
	elif found=$(sed -n 's,^E: Failed to fetch .*/\([^/ ]*\)  *404 .*,\1,p' "$log") && [ -n "$found" ]; then
		# An index lists a file that the registry does not serve.
		echo "the package registry lacks ${found//$'\n'/, }"
	elif found=$(sed -n "s/^E: Unable to locate package \(.*\)/\1/p; s/^E: Package '\(.*\)' has no installation candidate/\1/p" "$log" | sort -u) && [ -n "$found" ]; then
		echo "the package registry has no ${found//$'\n'/, }"
	elif found=$(sed -n 's/^ \([^ ]*\) : [A-Z][A-Za-z-]*: .*/\1/p' "$log" | sort -u) && [ -n "$found" ]; then
		# "The following packages have unmet dependencies:", one line each,
		# where the first few say enough.
		local count
		count=$(wc -l <<<"$found")
		found=$(head -n 3 <<<"$found")
		[ "$count" -le 3 ] || found+=$'\n'"$((count - 3)) more"
		echo "${found//$'\n'/, } cannot be installed beside this machine's packages"
	else
		return 1
	fi
}
