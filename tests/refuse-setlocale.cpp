// Preloaded in place of the C library's setlocale: it refuses every locale
// and, as glibc 2.36 does for data of another codeset, gives no reason in
// errno. As the process starts it leaves EDOM there, which no refusal of a
// locale gives, so that a probe which reads an errno that it did not clear
// shows it.
#include <cerrno>

extern "C" char *setlocale(int, const char *)
{
	return nullptr;
}

__attribute__((constructor)) static void leave_stale_errno()
{
	errno = EDOM;
}
