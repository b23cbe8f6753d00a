# Sourced by the scripts that need what the tables at the top of the tree,
# architectures and releases, hold, so that each reads them the same way and
# none keeps a copy of its own.
#
#   . tools/tables.bash
#   read_table FILE PREFIX
#
# read_table reads the table in FILE: the first line that is not a comment
# names the columns, each further line is a row keyed by its first field.
# It sets the array PREFIX_names to the keys in the table's order and, for
# each column, the associative array PREFIX_COLUMN, keyed by them:
# arch_triplet[s390x], release_glibc[bullseye]. A table that cannot be read,
# holds no row, has a row of another width than its head or a key twice, is
# no table: read_table then returns 1, with the reason, which names FILE, in
# $table_error, for the caller's own closing line.
#
#   known PREFIX KEY TABLE   returns 1 unless KEY is a row of the table read
#                            as PREFIX, with a reason in $table_error that
#                            names TABLE
#   has_c_library ARCH RELEASE   whether RELEASE has ARCH's C library: whether
#                            ARCH's oldest release comes no later than it
#                            (both tables read, as arch and release)
#   cross_lacks ARCH         prints what this machine lacks to cross-build
#                            ARCH and run its programs under qemu-user,
#                            as Debian's packages (but the emulator, where
#                            qemu-user has none for ARCH), space-separated:
#                            nothing where it lacks nothing (the table read
#                            as arch)
#   installed PACKAGE        whether dpkg has PACKAGE installed
#   package_files COLUMN [DOCUMENT]  prints the files that INSTALL.md's
#                            table of what the packages hold (its first
#                            column headed file) gives the package of
#                            COLUMN (.deb, RPM), one a line, sorted
#   readme_block TEXT [DOCUMENT]  prints the fenced block of commands that
#                            holds TEXT, the first such, in DOCUMENT (the
#                            README unless named), for a script to run as
#                            written there; nothing where none does
# The callers read table_error.
# shellcheck shell=bash disable=SC2154,SC2034

table_error=
read_table() {
	local file=$1 prefix=$2 line fields columns=() column count=0 i
	local -n names=${prefix}_names
	names=()
	if [ ! -f "$file" ] || [ ! -r "$file" ]; then
		table_error="cannot read the table $file"
		return 1
	fi
	while IFS= read -r line || [ -n "$line" ]; do
		case $line in '#'* | '') continue ;; esac
		read -ra fields <<<"$line"
		if [ ${#columns[@]} = 0 ]; then
			columns=("${fields[@]}")
			for column in "${columns[@]}"; do
				declare -gA "${prefix}_$column=()"
			done
			continue
		fi
		count=$((count + 1))
		if [ ${#fields[@]} != ${#columns[@]} ]; then
			table_error="$file: the row of ${fields[0]} has ${#fields[@]} fields, the head ${#columns[@]}"
			return 1
		fi
		if [[ " ${names[*]} " = *" ${fields[0]} "* ]]; then
			table_error="$file: ${fields[0]} has two rows"
			return 1
		fi
		names+=("${fields[0]}")
		for ((i = 0; i < ${#columns[@]}; i++)); do
			printf -v "${prefix}_${columns[i]}[${fields[0]}]" %s "${fields[i]}"
		done
	done <"$file" || { table_error="cannot read the table $file"; return 1; }
	[ $count -gt 0 ] || { table_error="the table $file has no rows"; return 1; }
}

known() {
	local -n keys=$1_names
	[[ " ${keys[*]} " != *" $2 "* ]] || return 0
	table_error="$3 has no row for '$2'"
	return 1
}

has_c_library() {
	local name
	for name in "${release_names[@]}"; do
		[ "$name" != "${arch_oldest[$1]}" ] || return 0
		[ "$name" != "$2" ] || return 1
	done
	return 1
}

cross_lacks() {
	local triplet=${arch_triplet[$1]} packages=()
	command -v "$triplet-g++" >/dev/null || packages+=("g++-$triplet")
	# An older qemu-user may lack the emulator (Debian 11's has no
	# qemu-loongarch64): then the emulator is what is missing.
	if ! command -v "${arch_qemu[$1]}" >/dev/null; then
		if installed qemu-user; then
			packages+=("${arch_qemu[$1]}")
		else
			packages+=(qemu-user)
		fi
	fi
	echo "${packages[*]}"
}

# installed PACKAGE: whether dpkg has PACKAGE installed.
installed() {
	dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed$'
}


version_matches() {
	[ "$1" = "$2" ] || [ "${1#"$2".}" != "$1" ]
}

package_files() {
	awk -F '|' -v column="$1" '
		function cell(i) { c = $i; gsub(/[ `]/, "", c); return c }
		/^\| *file *\|/ { for (i = 2; i < NF; i++) if (cell(i) == column) at = i; next }
		at && /^\|/ && cell(at) == "yes" { print cell(2) }
		at && !/^\|/ { at = 0 }' "${2-INSTALL.md}" | LC_ALL=C sort
}

readme_block() {
	awk -v text="$1" '/^ *```/ { if (inside && found) { printf "%s", block; exit } inside = !inside; block = ""; next }
		inside { block = block $0 "\n"; if (index($0, text)) found = 1 }' "${2-README.md}"
}
