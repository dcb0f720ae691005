// The system's font library keeps its caches for the life of the process; in sanitized builds
// the leak checker is told that these are not leaks of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
