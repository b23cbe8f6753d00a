// Built as the executable is: what it exports, the toolchain put there.
int main()
{
	return 0;
}
