// Page scripts calling the bridge as a user's pages would, run by real
// JavaScript in the stand-in runtime against the real ClientAppRenderer.
#include "page_run.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Texts = std::vector<std::u16string>;

// Throws inside the page (seen as a script error) when a call yields a value.
const char kExpectUndefined[] =
    "function expectUndefined(r) { if (r !== undefined) throw new Error('yielded ' + r); }\n";

struct ScriptCase {
  const char* title;
  std::string script;
  Texts expected;
};

TEST(PageScripts, BridgeCallsFromOneFrame) {
  const std::vector<ScriptCase> cases = {
      {"hello", "expectUndefined(cpp.JS_COMMUNICATION('hello'));", {u"hello"}},
      {"empty string", "expectUndefined(cpp.JS_COMMUNICATION(''));", {u""}},
      {"Chinese text", "cpp.JS_COMMUNICATION('你好，世界：中文测试');", {u"你好，世界：中文测试"}},
      {"pair written as a character",
       "cpp.JS_COMMUNICATION('a\xF0\x9F\x98\x80z');",
       {u"a\U0001F600z"}},
      {"pair written as escapes",
       "cpp.JS_COMMUNICATION('\\uD83D\\uDE00'.slice(0));",
       {u"\U0001F600"}},
      {"lone surrogates",
       "cpp.JS_COMMUNICATION('\\uDC00x\\uD800');",
       {std::u16string(u"\xDC00x\xD800")}},
      {"string built at run time",
       "cpp.JS_COMMUNICATION(String.fromCharCode(0x4e2d, 0xd83d, 0xde00, 0) + [1, 2].join('|'));",
       {std::u16string(u"\x4e2d\xd83d\xde00\0"
                       u"1|2",
                       7)}},
      {"JSON text",
       "cpp.JS_COMMUNICATION(JSON.stringify({a: [1, 'x'], b: null}));",
       {u"{\"a\":[1,\"x\"],\"b\":null}"}},
      {"spaces kept", "cpp.JS_COMMUNICATION('  \\t two words \\n');", {u"  \t two words \n"}},
      {"many calls in order",
       "for (var i = 0; i < 50; i++) expectUndefined(cpp.JS_COMMUNICATION('m' + i));",
       [] {
         Texts t;
         for (int i = 0; i < 50; ++i) {
           const std::string s = "m" + std::to_string(i);
           t.emplace_back(s.begin(), s.end());
         }
         return t;
       }()},
      {"not one string: nothing sent, no exception, undefined",
       "var f = cpp.JS_COMMUNICATION;\n"
       "expectUndefined(f()); expectUndefined(f('a', 'b')); expectUndefined(f('a', 1));\n"
       "expectUndefined(f(42)); expectUndefined(f(4.5)); expectUndefined(f(true));\n"
       "expectUndefined(f(null)); expectUndefined(f(undefined)); expectUndefined(f({}));\n"
       "expectUndefined(f(['x'])); expectUndefined(f(function () {}));\n"
       "expectUndefined(f(new String('boxed'))); expectUndefined(f(Symbol('s')));\n"
       "expectUndefined(f(new Date(0)));",
       {}},
      {"function taken off cpp",
       "var f = cpp.JS_COMMUNICATION; expectUndefined(f('alone'));\n"
       "f.call(null, 'null receiver'); ({other: f}).other('other receiver');\n"
       "f.apply(window, ['apply']);",
       {u"alone", u"null receiver", u"other receiver", u"apply"}},
      {"bridge shape",
       "cpp.JS_COMMUNICATION([typeof cpp, typeof cpp.JS_COMMUNICATION, typeof window.cpp,\n"
       "  cpp.JS_COMMUNICATION.name, Object.keys(cpp).join('+')].join(','));",
       {u"object,function,object,JS_COMMUNICATION,JS_COMMUNICATION"}},
      {"both properties writable, enumerable and deletable",
       "function flags(o, k) { var d = Object.getOwnPropertyDescriptor(o, k);\n"
       "  return [d.writable, d.enumerable, d.configurable].join(); }\n"
       "cpp.JS_COMMUNICATION(flags(window, 'cpp') + ';' + flags(cpp, 'JS_COMMUNICATION'));",
       {u"true,true,true;true,true,true"}},
      {"script reassigns cpp",
       "var send = cpp.JS_COMMUNICATION; cpp = 5; if (cpp !== 5) throw new Error('kept');\n"
       "send(typeof cpp.JS_COMMUNICATION);",
       {u"undefined"}},
      {"script deletes the function",
       "var send = cpp.JS_COMMUNICATION;\n"
       "if (!(delete cpp.JS_COMMUNICATION)) throw new Error('not deleted');\n"
       "send(String('JS_COMMUNICATION' in cpp));\n"
       "var threw = false; try { cpp.JS_COMMUNICATION('x'); } catch (e) { threw = true; }\n"
       "send('call after delete threw: ' + threw);",
       {u"false", u"call after delete threw: true"}},
      {"script deletes cpp",
       "var send = cpp.JS_COMMUNICATION; delete window.cpp; send(typeof cpp);",
       {u"undefined"}},
  };
  for (const ScriptCase& c : cases) {
    SCOPED_TRACE(c.title);
    const PageRunResult result = PageRun().script(kExpectUndefined + c.script).run();
    EXPECT_TRUE(recordsOf(result.records, "script-error").empty()) << result.problems();
    EXPECT_EQ(result.texts(), c.expected);
    for (const ProcessMessage& message : result.messages)
      EXPECT_EQ(message.browser, 1);
  }
}

TEST(PageScripts, EveryFrameGetsItsOwnBridgeWithItsOwnBrowser) {
  const std::string probe =
      "var fresh = typeof cpp.mark === 'undefined'; cpp.mark = 1;\n"
      "cpp.JS_COMMUNICATION(document_name + (fresh ? ' fresh' : ' shared'));";
  const PageRunResult result = PageRun()
                                   .script("var document_name = 'top';\n" + probe)
                                   .script("var document_name = 'ad';\n" + probe)
                                   .newBrowser()
                                   .script("var document_name = 'second';\n" + probe)
                                   .script("var document_name = 'third';\n" + probe)
                                   .run();
  EXPECT_TRUE(recordsOf(result.records, "script-error").empty()) << result.problems();
  EXPECT_EQ(result.texts(), (Texts{u"top fresh", u"ad fresh", u"second fresh", u"third fresh"}));
  ASSERT_EQ(result.messages.size(), 4u);
  EXPECT_EQ(result.messages[0].browser, 1);
  EXPECT_EQ(result.messages[1].browser, 1);
  EXPECT_EQ(result.messages[2].browser, 2);
  EXPECT_EQ(result.messages[3].browser, 2);

  // One function and one handler per context, never shared.
  const auto functions = recordsOf(result.records, "function");
  ASSERT_EQ(functions.size(), 4u);
  std::set<int> contexts, handlers;
  for (const ChannelRecord& f : functions) {
    EXPECT_EQ(f.text("name"), u"JS_COMMUNICATION");
    contexts.insert(f.number("context"));
    handlers.insert(f.number("handler"));
  }
  EXPECT_EQ(contexts.size(), 4u);
  EXPECT_EQ(handlers.size(), 4u);
}

TEST(PageScripts, ReloadInstallsTheBridgeAgainInTheNewContext) {
  const PageRunResult result =
      PageRun()
          .script(
              "var reloaded = typeof window.seen !== 'undefined'; window.seen = 1;\n"
              "cpp.JS_COMMUNICATION(reloaded ? 'old state' : 'clean state');\n"
              "delete cpp.JS_COMMUNICATION;")
          .reload(1)
          .reload(1)
          .run();
  EXPECT_TRUE(recordsOf(result.records, "script-error").empty()) << result.problems();
  EXPECT_EQ(result.texts(), (Texts{u"clean state", u"clean state", u"clean state"}));
  ASSERT_EQ(result.messages.size(), 3u);
  EXPECT_NE(result.messages[0].context, result.messages[1].context);
  EXPECT_NE(result.messages[1].context, result.messages[2].context);
  for (const ChannelRecord& navigation : recordsOf(result.records, "navigation"))
    EXPECT_EQ(navigation.field("cancelled"), "0");
  EXPECT_EQ(recordsOf(result.records, "function").size(), 3u);
}

TEST(PageScripts, HooksComeInCefOrderAndEveryReferenceIsDroppedAtTheEnd) {
  const PageRunResult result = PageRun()
                                   .script("cpp.JS_COMMUNICATION('one');")
                                   .script("cpp.JS_COMMUNICATION('two');")
                                   .reload(2)
                                   .messageFromBrowser(L"FROM_BROWSER")
                                   .run(0);
  std::vector<std::string> hooks;
  for (const ChannelRecord& hook : recordsOf(result.records, "hook"))
    hooks.push_back(hook.detail);
  EXPECT_EQ(hooks, (std::vector<std::string>{
                       "render-thread-created", "webkit-initialized", "browser-created",
                       "context-created", "context-created", "context-released", "context-created",
                       "context-released", "context-released", "browser-destroyed"}));

  // The application offers CEF only its render-process hooks.
  const auto start = recordsOf(result.records, "execute-process");
  ASSERT_EQ(start.size(), 1u);
  EXPECT_EQ(start[0].field("render-process-handler"), "1");
  EXPECT_EQ(start[0].field("custom-schemes"), "0");
  EXPECT_EQ(start[0].field("resource-bundle-handler"), "0");
  EXPECT_EQ(start[0].field("browser-process-handler"), "0");

  // A message from the browser process is not handled in the renderer.
  const auto received = recordsOf(result.records, "received");
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].text("name"), u"FROM_BROWSER");
  EXPECT_EQ(received[0].field("handled"), "0");

  // Handlers released their browser with their context; CEF released the
  // application, which our last Release deleted exactly once.
  const auto destroyed = recordsOf(result.records, "hook", "browser-destroyed");
  ASSERT_EQ(destroyed.size(), 1u);
  EXPECT_EQ(destroyed[0].field("references"), "1");
  EXPECT_TRUE(result.appHadOneReference);
  EXPECT_EQ(result.appDeletions, 1);
  EXPECT_EQ(result.texts(), (Texts{u"one", u"two", u"two"}));
}

TEST(PageScripts, ScriptBlocksAndScriptFilesRunInDocumentOrder) {
  PageRun run;
  run.file(L"lib.js", "var prefix = 'from file';");
  run.page(L"page.html",
           "<html><script src=\"lib.js\"></script>\n"
           "<SCRIPT type=\"text/javascript\">cpp.JS_COMMUNICATION(prefix + ' 1');</SCRIPT>\n"
           "<p>text</p><script>cpp.JS_COMMUNICATION(prefix + ' 2');</script></html>");
  const PageRunResult result = run.run();
  EXPECT_EQ(result.texts(), (Texts{u"from file 1", u"from file 2"}));
  EXPECT_TRUE(recordsOf(result.records, "script-error").empty()) << result.problems();
}

}  // namespace
