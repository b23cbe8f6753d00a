/* The floor of the benchmark: a process that does nothing but the probe. */
#include <locale.h>

int main(int argc, char *argv[])
{
	(void)argc;
	setlocale(LC_ALL, argv[1]);
	return 0;
}
