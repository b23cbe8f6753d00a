// Built with this build's flags alone, none of the program's hardening: it
// shows whether this compiler, C library and optimisation level can fortify
// fprintf in C++ at all, so that the executable's check expects exactly that.
#ifdef __OPTIMIZE__
#undef _FORTIFY_SOURCE
#define _FORTIFY_SOURCE 2
#endif
#include <cstdio>

int main(int argc, char *argv[])
{
	return std::fprintf(stderr, "%s: %d\n", argv[0], argc) < 0 ? 1 : 0;
}
