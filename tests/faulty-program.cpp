// What the executable's check must catch on every architecture: a function
// of its own among the dynamic symbols, and the C++ library among the needed.
#include <exception>

int lanternbox_planted(int n)
{
	return n + 1;
}

int main(int argc, char *[])
{
	if (argc > 1000)
		std::terminate();
	return lanternbox_planted(argc) == 0 ? 1 : 0;
}
