// Every call goes to the C client's handler, which checks what arrived, in
// this order: plain text, empty text, Chinese text with an emoji (a surrogate
// pair) written as UTF-8 and again as escapes, and a value that is no string.
cpp.JS_COMMUNICATION("hello");
cpp.JS_COMMUNICATION("");
cpp.JS_COMMUNICATION("中文😀");
cpp.JS_COMMUNICATION("\u4e2d\u6587\ud83d\ude00", "second argument");
cpp.JS_COMMUNICATION(42);
