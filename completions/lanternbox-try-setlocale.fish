# fish completion for lanternbox-try-setlocale: its options for a word that
# begins with -, before --; the locales that the system has, as locale -a
# lists them, with C and POSIX, which it always accepts, for its one
# operand; nothing after that operand, and never a file name.

# Whether the command line so far holds no operand, and the word being
# completed is, with --options, an option (before --), or else the operand
# (not a word that begins with - before --).
function __lanternbox_try_setlocale_wants --argument-names what
    set -l separator 0
    for token in (commandline -opc)[2..-1]
        if test $separator = 0 -a "$token" = --
            set separator 1
        else if test $separator = 1; or not string match -qr -- '^-.' $token
            return 1
        end
    end
    set -l option 0
    if test $separator = 0; and string match -q -- '-*' (commandline -ct)
        set option 1
    end
    if test "$what" = --options
        test $option = 1
    else
        test $option = 0
    end
end

# Each name once: fish before 3.2 shows a candidate as often as it is given.
function __lanternbox_try_setlocale_locales
    set -l names
    for name in (locale -a 2>/dev/null) C POSIX
        contains -- $name $names; or set names $names $name
    end
    printf '%s\n' $names
end

complete -c lanternbox-try-setlocale -f
complete -c lanternbox-try-setlocale -n '__lanternbox_try_setlocale_wants --options' -l help -d 'Print the usage line'
complete -c lanternbox-try-setlocale -n '__lanternbox_try_setlocale_wants --options' -a '--' -d 'End of options'
complete -c lanternbox-try-setlocale -n '__lanternbox_try_setlocale_wants --operand' -a '(__lanternbox_try_setlocale_locales)' -d Locale
