# Sourced, after tools/fail-loudly.bash, by the scripts that make minimal
# roots of Debian releases with mmdebstrap and run steps in them, so that the
# roots' options, their clean environment, the build in them and the causes
# of a failure are the same in each.
#
#   . tools/debian-root.bash
#
# Needs root and mmdebstrap. Reads the tables architectures and releases
# (tools/tables.bash). Gives:
#   $tmp       a temporary directory, TMPDIR for what runs here (mmdebstrap,
#              piuparts, lintian make their files there); on exit, whatever
#              is mounted under it is unmounted and it is removed
#   $native    the machine's architecture, which its roots have too
#   root_options  the options of every root: the snapshot's expired Release
#              files are accepted (their signatures are still checked)
#   root_options_for VARIABLE [ARCH...]  sets the array VARIABLE to the
#              options of a root that also has those architectures
#   in_root    a customize hook's command that runs a bash script in the
#              root, in a fresh machine's environment
#   as_script FUNCTION [HELPER...]  writes FUNCTION, with the HELPERs that
#              it calls, to $tmp/FUNCTION: a script that runs FUNCTION with
#              its arguments, under set -euo pipefail, where fail ends it
#              with a line "FAIL: CAUSE", which step_in names
#   step_in NAME TEXT COMMAND...  runs the step NAME, its output kept in a
#              log; on success prints "$release: TEXT", on failure the
#              failed rows' reasons, the end of the log, and the closing
#              line with the cause. $release names the release it is about.
#   versions_agree  fails unless each "version: TOOL VERSION" line of the
#              last step's log is what the table releases gives $release
#   build_in RELEASE TARBALL OUT [--no-proc] [OPTION...] ARCH...  the step
#              that runs packaging/build-in-root, the tarball's own, with
#              the OPTIONs on TARBALL for the ARCHs, in a root of RELEASE
#              that has what that needs, and brings the packages out into
#              OUT; with --no-proc, the root has no /proc mounted, as one
#              entered by a plain chroot
#   beside, together  tools/beside.bash's, for roots beside each other:
#              beside step_in ..., beside build_in ...
# shellcheck shell=bash disable=SC2034,SC2154

[ "$(id -u)" = 0 ] || fail "needs root, for the roots' chroots and mounts"
needs mmdebstrap:mmdebstrap findmnt:util-linux dpkg:dpkg
# mmdebstrap's hooks split their paths at white space, and every root's files
# pass through TMPDIR.
case ${TMPDIR:-/tmp} in
*[[:space:]]*) fail "TMPDIR '$TMPDIR' holds white space, which mmdebstrap's hooks cannot take: name another TMPDIR" ;;
esac
# mmdebstrap, piuparts and lintian are Perl, which warns into their logs of a
# caller's locale that the machine lacks: they get one that every Debian
# system has.
export LC_ALL=C.UTF-8
unset LANGUAGE
# shellcheck source=tools/tables.bash
. tools/tables.bash
read_table architectures arch || fail "$table_error"
read_table releases release || fail "$table_error"
native=$(dpkg --print-architecture)
tmp=
cleanup() {
	[ -n "$tmp" ] || return 0
	# What runs beside is stopped first; then what a step left mounted
	# under a root, deepest first, then the roots.
	stop_besides
	findmnt -rno TARGET | { grep "^$tmp/" || true; } | sort -r | xargs -r umount -l
	rm -rf --one-file-system "$tmp"
}
tmp=$(mktemp -d)
export TMPDIR=$tmp
# shellcheck source=tools/beside.bash
. tools/beside.bash "$tmp"

as_script() {
	{
		echo 'set -euo pipefail'
		echo 'fail() { echo "FAIL: $*"; exit 1; }'
		declare -f "$@"
		echo "$1 \"\$@\""
	} >"$tmp/$1"
}

# shellcheck source=tools/registry.bash
. tools/registry.bash
# Every root updates its indexes as tools/registry.bash does, in a setup
# hook that runs with the root's apt configuration (which mmdebstrap gives
# hooks as MMDEBSTRAP_APT_CONFIG); mmdebstrap's own update, which fails on
# any index that fails, is skipped. A hook's "$1" is the root,
# for mmdebstrap to expand.
as_script apt_update
# The registry is a snapshot: the Release files of testing and unstable name
# a Valid-Until that has passed, which apt would refuse. A root with a second
# architecture has its release's own suites alone: the security suite's C
# library may be a newer build than the release's, where every
# architecture's must be the same.
root_options_for() {
	local -n into=$1
	shift
	into=(--aptopt='Acquire::Check-Valid-Until "false"')
	if [ $# -gt 0 ]; then
		local IFS=,
		# shellcheck disable=SC2016
		into+=(--architectures="$native,$*"
			--setup-hook='sed -i "/-security/d" "$1/etc/apt/sources.list"')
	fi
	# shellcheck disable=SC2016
	into+=(--setup-hook='APT_CONFIG=$MMDEBSTRAP_APT_CONFIG bash '"$tmp/apt_update" --skip=update)
}
root_options_for root_options
# shellcheck disable=SC2016
in_root='chroot "$1" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive bash'


log=$tmp/log
step_in() {
	step=$1
	"${@:3}" >"$log" 2>&1 && { echo "$release: $2"; return; }
	local status=$?
	{
		grep -E -A 8 '^FAIL' "$log" | head -n 80
		echo "--- the end of the step's log:"
		tail -n 40 "$log"
	} >&2 || true
	fail "$(log_cause "$log" $status)"
}

versions_agree() {
	local tool found wanted pair versions
	local -A table=([gcc]=${release_gcc[$release]} [cmake]=${release_cmake[$release]}
		[glibc]=${release_glibc[$release]} [qemu]=${release_qemu[$release]}
		[rpm]=${release_rpm[$release]} [buildah]=${release_buildah[$release]})
	local IFS=,
	for pair in ${release_compilers[$release]}; do
		[ "$pair" = - ] || table[${pair%%=*}]=${pair#*=}
	done
	IFS=' '
	versions=$(sed -n 's/^version: //p' "$log")
	[ -n "$versions" ] || fail "the step names no version of its tools"
	while read -r tool found; do
		wanted=${table[$tool]--}
		[ "$wanted" != - ] || fail "$release has $tool $found, of which the table releases says nothing"
		# 10.2.1 matches 10.2.
		[ "$found" = "$wanted" ] || [ "${found#"$wanted".}" != "$found" ] ||
			fail "$release has $tool $found, the table releases says $wanted"
	done <<<"$versions"
}

build_in() {
	release=$1
	local tarball=$2 out=$3
	shift 3
	# The root holds what the README names for building and packing, and
	# what the rows that skip without it need, unless --bare-first leaves
	# that for build-in-root to install after the first run of the suite.
	local options=() packages=() foreign=() arch mounts=()
	local extras=locales,libc-l10n,mandoc,man-db,zsh,fish,tmux,gpg,openssh-client,skopeo,rpm
	# shellcheck disable=SC2016 # backticks of markdown
	read -ra packages <<<"$(sed -n 's/.*`sudo apt-get install \([^`]*\)`.*/\1/p' README.md | tr '\n' ' ')"
	[ ${#packages[@]} -gt 0 ] || fail "README.md names no package to install with sudo apt-get install"
	while [ $# -gt 0 ]; do
		case $1 in
		--no-proc)
			# shellcheck disable=SC2016
			mounts=(--skip=chroot/mount/proc
				--customize-hook='[ ! -e "$1/proc/self" ] || { echo "FAIL: the root has /proc"; exit 1; }')
			# build-in-root mounts /proc for the scripts of what it installs.
			packages+=(mount)
			shift
			continue ;;
		--bare-first) options+=("$1" "$extras") extras= ;;
		--twice | --trees) options+=("$1") ;;
		--rpm) options+=("$1") packages+=(rpm) ;;
		--with) options+=("$1" "$2") packages+=("${2/clang++/clang}"); shift ;;
		*) break ;;
		esac
		shift
	done
	[ -z "$extras" ] || packages+=("$extras")
	for arch; do
		[ "$arch" != "$native" ] || continue
		packages+=("g++-${arch_triplet[$arch]}")
		# Where the release has no C library of the architecture,
		# build-in-root makes a symbols file stand in for it.
		if has_c_library "$arch" "$release"; then
			foreign+=("$arch") packages+=("libc6:$arch")
		fi
	done
	# Every test of another architecture runs under qemu-user.
	[ "$*" = "$native" ] || packages+=(qemu-user)
	# A file of its own: builds may go beside each other. ($script is the
	# name that fail gives.)
	local root runner
	runner=$(mktemp "$tmp/build-in-root.XXXXXX")
	tar -xOf "$tarball" --wildcards '*/packaging/build-in-root' >"$runner" ||
		fail "${tarball##*/} holds no packaging/build-in-root"
	root_options_for root "${foreign[@]}"
	mkdir -p "$out"
	# shellcheck disable=SC2016
	step_in "build in $release" "built, tested and packaged $* from ${tarball##*/}" \
		mmdebstrap --variant=apt "${root[@]}" "${mounts[@]}" "$release" /dev/null \
		--include="$(IFS=,; echo "${packages[*]}")" \
		--customize-hook="upload $tarball /${tarball##*/}" \
		--customize-hook="upload $runner /usr/local/bin/build-in-root" \
		--customize-hook="$in_root /usr/local/bin/build-in-root ${options[*]} /${tarball##*/} $*" \
		--customize-hook="sync-out /out $out"
	sed -n 's/^version: /  with /p; s/^suite: /  the suite for /p; s/^installed: /  installed /p; s/^removed: /  removed /p; s/^twice: /  /p
		s,^.*/\([^/]*\.deb: lintian-clean\),  \1,p
		s/^[0-9]*% tests passed.*/    &/p; s/^\t *\(.*(Skipped)\)$/      \1/p' "$log"
	step="versions in $release"
	versions_agree
}
