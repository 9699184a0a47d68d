/* Imports a name that a real libcef.dll does not export; the import check
 * must reject it. Never run. */
const char* cef_api_hash(int entry);
int cef_stand_in_execute_process(void);

int main(void) {
  return cef_api_hash(0) != 0 ? cef_stand_in_execute_process() : 1;
}
