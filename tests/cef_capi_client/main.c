/* Drives libcef.dll through CEF's C API alone, as a client written in C:
 * runs a renderer on the page named by --stand-in-page, binds a C handler as
 * cpp.JS_COMMUNICATION in the new context, and checks that the page's calls
 * reach it with their text unchanged and that every reference is given back.
 * Exit code 0 when every check holds. */
#include "borrowed_string.h"
#include "bridge_app.h"
#include "browser_references.h"
#include "cef_c_api.h"
#include "client_object.h"
#include "runtime_references.h"

#include <stdio.h>
#include <wchar.h>

typedef struct expected_call {
  size_t argument_count;
  int is_string;
  const char16* text;
} expected_call;

static const char16 kHello[] = {'h', 'e', 'l', 'l', 'o', 0};
static const char16 kEmpty[] = {0};
/* U+4E2D U+6587, then U+1F600 as its surrogate pair. */
static const char16 kChineseAndEmoji[] = {0x4E2D, 0x6587, 0xD83D, 0xDE00, 0};

/* The calls that bridge_page.js makes, in order. */
static const expected_call kExpectedCalls[] = {
    {1, 1, kHello},           {1, 1, kEmpty}, {1, 1, kChineseAndEmoji},
    {2, 1, kChineseAndEmoji}, {1, 0, NULL},
};
#define EXPECTED_CALL_COUNT (sizeof kExpectedCalls / sizeof kExpectedCalls[0])

static int failures;

static void check(int holds, const char* what) {
  printf("%s %s\n", holds ? "ok:  " : "FAIL:", what);
  if (!holds)
    ++failures;
}

static void print_code_units(const char* label, const char16* text, size_t length) {
  size_t i;
  printf("      %s:", label);
  for (i = 0; i < length; ++i)
    printf(" %04x", (unsigned)text[i]);
  printf("\n");
}

static int call_matches(const bridge_call* call, const expected_call* expected) {
  if (!call->name_matches || call->argument_count != expected->argument_count ||
      call->first_is_string != expected->is_string)
    return 0;
  if (!expected->is_string)
    return 1;
  return call->text_length == wcslen(expected->text) &&
         wmemcmp(call->text, expected->text, call->text_length) == 0;
}

static void check_calls(const bridge_observations* seen) {
  size_t i;
  check(seen->call_count == (int)EXPECTED_CALL_COUNT,
        "the handler was called once for each call in the page");
  for (i = 0; i < EXPECTED_CALL_COUNT && i < (size_t)seen->call_count; ++i) {
    const bridge_call* call = &seen->calls[i];
    const expected_call* expected = &kExpectedCalls[i];
    char what[128];
    snprintf(what, sizeof what, "call %u: name, %u argument(s), first %s", (unsigned)(i + 1),
             (unsigned)expected->argument_count,
             expected->is_string ? "a string with the page's code units" : "not a string");
    check(call_matches(call, expected), what);
    if (!call_matches(call, expected) && expected->is_string) {
      print_code_units("expected", expected->text, wcslen(expected->text));
      print_code_units("received", call->text,
                       call->text_length < BRIDGE_MAX_TEXT ? call->text_length : BRIDGE_MAX_TEXT);
    }
  }
}

/* The value of a switch of this process's command line, read through the
 * runtime's own command-line parser. */
static int switch_value(const char16* name, char16* value, size_t value_size) {
  const cef_string_t process_command_line = borrowed_string(GetCommandLineW());
  const cef_string_t switch_name = borrowed_string(name);
  cef_command_line_t* command_line =
      (cef_command_line_t*)runtime_ref_received(cef_command_line_create());
  cef_string_userfree_t text;
  int found = 0;
  if (!command_line)
    return 0;
  command_line->init_from_string(command_line, &process_command_line);
  text = command_line->get_switch_value(command_line, &switch_name);
  if (text && text->length > 0 && text->length < value_size) {
    wmemcpy(value, text->str, text->length);
    value[text->length] = 0;
    found = 1;
  }
  if (text)
    cef_string_userfree_utf16_free(text);
  runtime_ref_release(command_line);
  return found;
}

static int run_renderer(void) {
  cef_main_args_t args;
  cef_app_t* app = bridge_app_create();
  int exit_code;
  args.instance = GetModuleHandleW(NULL);
  /* The reference that travels with the argument; ours stays with us. */
  app->base.add_ref(&app->base);
  exit_code = cef_execute_process(&args, app, NULL);
  check(client_object_references(app) == 1,
        "the runtime released the application's reference it was given");
  check(app->base.release(&app->base) == 1, "our release was the application's last");
  return exit_code;
}

static void check_hooks(const bridge_observations* seen) {
  check(seen->render_threads_created == 1 && seen->browsers_created == 1 &&
            seen->browsers_destroyed == 1,
        "one render thread and one browser, created and destroyed");
  check(seen->contexts_created == 1 && seen->contexts_released == 1,
        "one context, created and released");
  check(seen->properties_set == 2, "cpp set on the global object, JS_COMMUNICATION on cpp");
}

static void check_references(const wchar_t* channel) {
  const client_object_counts ours = client_object_totals();
  const browser_reference_report browsers = read_browser_references(channel);
  printf(
      "      client structs: %ld made, %ld add_ref, %ld release; "
      "runtime structs: %ld received\n",
      ours.created, ours.add_refs, ours.releases, runtime_refs_received());
  check(ours.created == 3 && ours.destroyed == ours.created,
        "the application, its handler and the bridge handler all reached 0 references");
  check(ours.releases_after_destroy == 0 && ours.releases == ours.created + ours.add_refs,
        "every add_ref on the client's structs matched by one release, none too many");
  check(runtime_refs_received() > 0 && runtime_refs_held() == 0,
        "every struct received from the runtime released exactly once");
  check(browsers.readable && browsers.browsers == 1 && browsers.browsers_balanced == 1,
        "the runtime holds only its own reference to the browser at the end");
}

int main(void) {
  wchar_t channel[MAX_PATH];
  int exit_code;
  printf("      libcef.dll reports API hash %s\n", cef_api_hash(0));
  if (!switch_value(L"stand-in-channel", channel, MAX_PATH)) {
    fprintf(stderr,
            "usage: cef_capi_client --type=renderer --stand-in-page=<page> "
            "--stand-in-channel=<record file>\n");
    return 2;
  }
  /* The runtime appends its records; only this run's may be read. */
  _wremove(channel);

  exit_code = run_renderer();
  check(exit_code == 0, "cef_execute_process returned the renderer's exit code 0");
  check_hooks(bridge_observed());
  check_calls(bridge_observed());
  check_references(channel);
  printf("%s\n", failures ? "FAILED" : "PASSED");
  return failures ? 1 : 0;
}
