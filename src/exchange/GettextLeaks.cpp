// LeakSanitizer's settings in sanitized builds (cmake/Sanitizers.cmake
// links this file into every program): libgettextpo, which reads PO files
// (PoFile), never frees some strings it makes (of messages it creates, of
// error texts). Those leaks are the library's.

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libgettextpo.so\n";
}

// Without the list of suppressions used at exit: kvtool's standard error
// stays what the program wrote, as scripts and tests read it.
extern "C" const char *__lsan_default_options()
{
    return "print_suppressions=0";
}
