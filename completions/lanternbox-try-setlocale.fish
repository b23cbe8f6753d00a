# fish completion for lanternbox-try-setlocale: its options for a word that
# begins with -, before --; the locales that the system has, as locale -a
# lists them, with C and POSIX, which it always accepts, for its one
# operand; nothing after that operand, and never a file name.

# Whether the command line so far holds no operand; with --separator, also
# no -- (options are still options).
function __lanternbox_try_setlocale_wants --argument-names what
    set -l separator 0
    for token in (commandline -opc)[2..-1]
        if test $separator = 0 -a "$token" = --
            set separator 1
        else if test $separator = 1; or not string match -qr -- '^-.' $token
            return 1
        end
    end
    test "$what" != --options; or test $separator = 0
end

function __lanternbox_try_setlocale_locales
    locale -a 2>/dev/null
    printf '%s\n' C POSIX
end

complete -c lanternbox-try-setlocale -f
complete -c lanternbox-try-setlocale -n '__lanternbox_try_setlocale_wants --options' -l help -d 'Print the usage line'
complete -c lanternbox-try-setlocale -n '__lanternbox_try_setlocale_wants --options' -a '--' -d 'End of options'
complete -c lanternbox-try-setlocale -n '__lanternbox_try_setlocale_wants' -a '(__lanternbox_try_setlocale_locales)' -d Locale
