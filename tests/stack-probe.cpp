// Built with the executable's own compile options: a local array written
// through a pointer is what -fstack-protector-strong guards, and the
// executable has none, so whether its flags give the stack protector shows
// here instead.
#include <cstdio>

int main(int argc, char *argv[])
{
	char name[64];
	(void)std::snprintf(name, sizeof name, "%s", argv[0]);
	return name[argc % sizeof name] == 0 ? 0 : 1;
}
