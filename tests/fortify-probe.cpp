// Built with the executable's own compile options and definitions: whether
// they ask for fortification shows in a section of the probe's own, which
// the preprocessor leaves only then, and whether this compiler and C library
// then give it, in the checked fprintf among its dynamic symbols. The build
// also asks the toolchain with it, built with fortification asked for.
#include <cstdio>

#if defined __OPTIMIZE__ && _FORTIFY_SOURCE > 0
__attribute__((used, section(".lanternbox.fortify-asked"))) static const char asked[] = "";
#endif

int main(int argc, char *argv[])
{
	return std::fprintf(stderr, "%s: %d\n", argv[0], argc) < 0 ? 1 : 0;
}
