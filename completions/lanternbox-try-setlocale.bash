# bash completion for lanternbox-try-setlocale: its options for a word that
# begins with -, before --; the locales that the system has, as locale -a
# lists them, with C and POSIX, which it always accepts, for its one
# operand; nothing after that operand. Candidates are matched against the
# word as typed, never expanded: a word that no candidate begins with is left
# alone.
_lanternbox_try_setlocale() {
	local cur=${COMP_WORDS[COMP_CWORD]} word i separator=false
	COMPREPLY=()
	for ((i = 1; i < COMP_CWORD; i++)); do
		word=${COMP_WORDS[i]}
		if ! $separator && [ "$word" = -- ]; then
			separator=true
		elif $separator || [[ $word != -?* ]]; then
			return 0
		fi
	done
	local candidates=() name seen=' '
	if ! $separator && [[ $cur = -* ]]; then
		candidates=(--help --)
	else
		mapfile -t candidates <<<"$(locale -a 2>/dev/null)"
		candidates+=(C POSIX)
	fi
	for name in "${candidates[@]}"; do
		[[ -n $name && $name = "$cur"* && $seen != *" $name "* ]] || continue
		seen+="$name "
		COMPREPLY+=("$name")
	done
}
complete -F _lanternbox_try_setlocale lanternbox-try-setlocale
