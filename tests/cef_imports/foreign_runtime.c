/* Exports one real libcef.dll function and one that no real libcef.dll has.
 * Never run: it only gives the fixture client something to import. */
#ifdef _WIN32
#define RUNTIME_EXPORT __declspec(dllexport)
#else
#define RUNTIME_EXPORT
#endif

RUNTIME_EXPORT const char* cef_api_hash(int entry) {
  (void)entry;
  return "";
}

RUNTIME_EXPORT int cef_stand_in_execute_process(void) {
  return 0;
}
