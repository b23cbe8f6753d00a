// lanternbox-try-setlocale: tell by the exit status alone whether the C library
// can switch every locale category to LOCALE, or to the environment's locale.

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <getopt.h>

// Other C libraries accept any locale name at all (musl does), so there the
// answer would mean nothing.
#ifndef __GLIBC__
#error "needs the GNU C library: others accept any locale name"
#endif

[[noreturn]] static void print_usage_and_exit(int status)
{
	// The status is the answer; a failed write must not change it, here or
	// below.
	(void)std::fprintf(status == 0 ? stdout : stderr,
			   "Usage: %s [LOCALE]\n",
			   program_invocation_short_name);
	std::exit(status);
}

int main(int argc, char *argv[])
{
	// A kernel before Linux 5.18 lets a program start with no argv[0]; the
	// option parser would then read past the end of the argument vector.
	if (argc < 1)
		print_usage_and_exit(2);

	// There are no short options, so "-h" is an error like any other. With
	// no leading '+', '-' or ':' in the option string, the parser permutes
	// (--help counts after the operand too) and words its own diagnostics.
	// Every option ends the run: only the first one found matters.
	static const option longopts[] = {
		{ "help", no_argument, nullptr, 1 },
		{ nullptr, 0, nullptr, 0 },
	};
	switch (getopt_long(argc, argv, "", longopts, nullptr)) {
	case -1:
		break;
	case 1:
		print_usage_and_exit(0);
	default:
		print_usage_and_exit(2);
	}

	const int n = argc - optind;
	if (n > 1)
		print_usage_and_exit(2);

	// The empty name asks the C library to take the locale from LC_ALL, the
	// category variables and LANG, so this program reads none of them.
	const char *locale = n == 1 ? argv[optind] : "";
	errno = 0;
	if (std::setlocale(LC_ALL, locale) != nullptr)
		return 0;

	// The failed call left its reason in errno; nothing may run in between.
	// It leaves none when it refuses data whose codeset is not the one that
	// the name gives: then the name does not fit the data found for it.
	const int error = errno != 0 ? errno : EINVAL;
	(void)std::fprintf(stderr, "setlocale \"%s\": %s\n", locale,
			   std::strerror(error));
	return 1;
}
