# The cases, one row each; run-row describes the columns and settings.
# The driver sources this file and gives it $locales, $glibc, $any_line and
# $or.
# shellcheck shell=bash disable=SC2154

usage=$'Usage: lanternbox-try-setlocale [LOCALE]\n'
# 100,000 bytes: far past the C library's limit on a locale name.
long=$(head -c 100000 /dev/zero | tr '\0' L)
# Data of another codeset than the name's is refused: up to glibc 2.36
# without a reason (the name does not fit the data: Invalid argument), from
# 2.41 on as missing. The versions between were not measured: either.
named_invalid=$'setlocale "en_ZZ.ISO-8859-1": Invalid argument\n'
named_missing=$'setlocale "en_ZZ.ISO-8859-1": No such file or directory\n'
environment_invalid=$'setlocale "": Invalid argument\n'
environment_missing=$'setlocale "": No such file or directory\n'
if [ "${glibc#2.}" -le 36 ]; then
	named_mismatch=$named_invalid environment_mismatch=$environment_invalid
elif [ "${glibc#2.}" -ge 41 ]; then
	named_mismatch=$named_missing environment_mismatch=$environment_missing
else
	named_mismatch=$named_invalid$or$named_missing
	environment_mismatch=$environment_invalid$or$environment_missing
fi

# Accepted: silent, status 0. en_ZZ.UTF-8 exists only in $locales.
row accepted/c                      0 '' '' -- C
row accepted/posix                  0 '' '' -- POSIX
row accepted/c-utf8                 0 '' '' -- C.UTF-8
row accepted/compiled-locale        0 '' '' LOCPATH="$locales" -- en_ZZ.UTF-8
row accepted/after-separator        0 '' '' -- -- C
# What setlocale(LC_ALL, NULL) reports for mixed categories: valid for all of
# them at once, and for no single one.
row accepted/composite-name         0 '' '' -- "LC_CTYPE=C.UTF-8;LC_NUMERIC=C;LC_TIME=C;LC_COLLATE=C;LC_MONETARY=C;LC_MESSAGES=C;LC_PAPER=C;LC_NAME=C;LC_ADDRESS=C;LC_TELEPHONE=C;LC_MEASUREMENT=C;LC_IDENTIFICATION=C"

# Refused: one line quoting the name exactly as given, status 1.
row refused/missing-locale          1 '' $'setlocale "zz_ZZ.UTF-8": No such file or directory\n' -- zz_ZZ.UTF-8
row refused/without-locpath         1 '' $'setlocale "en_ZZ.UTF-8": No such file or directory\n' -- en_ZZ.UTF-8
row refused/lone-dash-is-a-name     1 '' $'setlocale "-": No such file or directory\n' -- -
row refused/help-after-separator    1 '' $'setlocale "--help": No such file or directory\n' -- -- --help
row refused/dash-name-after-separator 1 '' $'setlocale "-x": No such file or directory\n' -- -- -x
row refused/separator-after-separator 1 '' $'setlocale "--": No such file or directory\n' -- -- --
row refused/percent-signs-verbatim  1 '' $'setlocale "%s%n%%": No such file or directory\n' -- '%s%n%%'
row refused/invalid-utf8-verbatim   1 '' $'setlocale "\xff\xfe\xc3(": No such file or directory\n' -- $'\xff\xfe\xc3('
row refused/newline-verbatim        1 '' $'setlocale "a\nb": No such file or directory\n' -- $'a\nb'
row refused/escapes-verbatim        1 '' $'setlocale "\e[2J\e[31m\a": No such file or directory\n' -- $'\e[2J\e[31m\a'
row refused/codeset-mismatch        1 '' "$named_mismatch" LOCPATH="$locales" -- en_ZZ.ISO-8859-1
# Where the C library refuses without a reason, the probe gives Invalid
# argument: neither another guess nor the errno that the process started with.
row refused/no-reason-given         1 '' $'setlocale "C": Invalid argument\n' setlocale=refuses -- C
row refused/overlong-name           1 '' "setlocale \"$long\": Invalid argument"$'\n' -- "$long"
# The reason stays the C library's own words even where the environment
# names a locale whose messages it has translated.
row refused/reason-untranslated     1 '' $'setlocale "zz_ZZ.UTF-8": No such file or directory\n' LOCPATH="$locales" LANG=en_ZZ.UTF-8 LANGUAGE=de -- zz_ZZ.UTF-8
row refused/stderr-full             1 '' '' stderr=full -- zz_ZZ.UTF-8
row refused/stderr-closed           1 '' '' stderr=closed -- zz_ZZ.UTF-8

# Without a name, the C library reads LC_ALL, then LC_*, then LANG; a refusal
# quotes the empty name, never the environment's value.
row environment/empty               0 '' '' --
row environment/lang-accepted       0 '' '' LOCPATH="$locales" LANG=en_ZZ.UTF-8 --
row environment/lang-refused        1 '' $'setlocale "": No such file or directory\n' LANG=zz_ZZ.UTF-8 --
row environment/lc-all-over-lang    0 '' '' LOCPATH="$locales" LC_ALL=en_ZZ.UTF-8 LANG=zz_ZZ.UTF-8 --
row environment/lc-all-refused      1 '' $'setlocale "": No such file or directory\n' LOCPATH="$locales" LC_ALL=zz_ZZ.UTF-8 LANG=en_ZZ.UTF-8 --
row environment/lc-all-codeset-mismatch 1 '' "$environment_mismatch" LOCPATH="$locales" LC_ALL=en_ZZ.ISO-8859-1 --
row environment/no-reason-given     1 '' $'setlocale "": Invalid argument\n' setlocale=refuses --
row environment/lc-all-over-category 0 '' '' LOCPATH="$locales" LC_ALL=en_ZZ.UTF-8 LC_MESSAGES=zz_ZZ.UTF-8 --
row environment/category-over-lang  1 '' $'setlocale "": No such file or directory\n' LOCPATH="$locales" LC_MESSAGES=zz_ZZ.UTF-8 LANG=en_ZZ.UTF-8 --
row environment/empty-name          1 '' $'setlocale "": No such file or directory\n' LANG=zz_ZZ.UTF-8 -- ''
row environment/lone-separator      1 '' $'setlocale "": No such file or directory\n' LANG=zz_ZZ.UTF-8 -- --

# Help: the usage line on standard output, status 0, and no probe, wherever
# --help stands, as long as no bad option comes first.
row help/usage-line                 0 "$usage" '' -- --help
row help/abbreviated                0 "$usage" '' -- --he
row help/after-operand              0 "$usage" '' -- zz_ZZ.UTF-8 --help
row help/with-two-operands          0 "$usage" '' -- C POSIX --help
row help/before-bad-option          0 "$usage" '' -- --help -x
row help/named-by-link              0 $'Usage: other-name [LOCALE]\n' '' via=other-name -- --help
row help/stdout-full                0 '' '' stdout=full -- --help
row help/stdout-closed              0 '' '' stdout=closed -- --help

# Usage errors: status 2, the usage line on standard error, after the option
# parser's own diagnostic where there is a bad option.
row usage/short-h                   2 '' "$any_line$usage" -- -h
row usage/unknown-long-option       2 '' "$any_line$usage" -- --version
row usage/help-with-argument        2 '' "$any_line$usage" -- --help=yes
row usage/bad-option-before-help    2 '' "$any_line$usage" -- -x --help
row usage/bad-option-after-operand  2 '' "$any_line$usage" -- C -x
# With POSIXLY_CORRECT the parser stops at the first operand: --help after
# it is a second operand.
row usage/help-after-operand-posixly 2 '' "$usage" POSIXLY_CORRECT=1 -- C --help
row usage/two-operands              2 '' "$usage" LANG=zz_ZZ.UTF-8 -- C POSIX
row usage/operand-after-separator   2 '' "$usage" -- C -- POSIX
row usage/thirty-thousand-operands  2 '' "$usage" -- $(seq 30000)
row usage/named-by-link             2 '' $'Usage: other-name [LOCALE]\n' via=other-name -- C POSIX
row usage/stderr-closed             2 '' '' stderr=closed -- C POSIX
