#include "js_heap.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

constexpr char kHeapKey[] = "stand-in-heap";

struct HandlerUse {
  int id;
  int bindings;
};
std::map<const CefV8Handler*, HandlerUse> g_handlerUses;
int g_nextHandlerId = 1;

void fatalEngineError(void* /*udata*/, const char* message) {
  std::fprintf(stderr, "stand-in libcef: fatal JavaScript engine error: %s\n",
               message ? message : "");
  std::abort();
}

}  // namespace

FunctionBinding::FunctionBinding(const CefString& functionName, CefRefPtr<CefV8Handler> h)
    : name(functionName), handler(h), handlerId(0) {
  if (!handler)
    return;
  auto found = g_handlerUses.find(handler.get());
  if (found == g_handlerUses.end())
    found = g_handlerUses.emplace(handler.get(), HandlerUse{g_nextHandlerId++, 0}).first;
  ++found->second.bindings;
  handlerId = found->second.id;
}

FunctionBinding::~FunctionBinding() {
  auto found = g_handlerUses.find(handler.get());
  if (found != g_handlerUses.end() && --found->second.bindings == 0)
    g_handlerUses.erase(found);
}

JsHeap::JsHeap() : engine_(duk_create_heap(nullptr, nullptr, nullptr, nullptr, fatalEngineError)) {
  if (!engine_)
    return;
  duk_push_global_stash(engine_);
  duk_push_pointer(engine_, this);
  duk_put_prop_string(engine_, -2, kHeapKey);
  duk_pop(engine_);
}

JsHeap* JsHeap::of(duk_context* engine) {
  duk_push_global_stash(engine);
  duk_get_prop_string(engine, -1, kHeapKey);
  auto* heap = static_cast<JsHeap*>(duk_get_pointer(engine, -1));
  duk_pop_2(engine);
  return heap;
}

JsHeap::~JsHeap() {
  close();
}

void JsHeap::close() {
  if (engine_) {
    duk_destroy_heap(engine_);
    engine_ = nullptr;
  }
  // Handlers go with their context, as they do when V8 drops a context.
  bindings_.clear();
}

int JsHeap::keep(duk_idx_t index) {
  const duk_idx_t absolute = duk_normalize_index(engine_, index);
  const int slot = nextSlot_++;
  duk_push_heap_stash(engine_);
  duk_dup(engine_, absolute);
  duk_put_prop_index(engine_, -2, static_cast<duk_uarridx_t>(slot));
  duk_pop(engine_);
  return slot;
}

void JsHeap::push(int slot) {
  duk_push_heap_stash(engine_);
  duk_get_prop_index(engine_, -1, static_cast<duk_uarridx_t>(slot));
  duk_remove(engine_, -2);
}

void JsHeap::drop(int slot) {
  if (!engine_)
    return;
  duk_push_heap_stash(engine_);
  duk_del_prop_index(engine_, -1, static_cast<duk_uarridx_t>(slot));
  duk_pop(engine_);
}

FunctionBinding* JsHeap::bind(const CefString& name, CefRefPtr<CefV8Handler> handler) {
  bindings_.push_back(std::unique_ptr<FunctionBinding>(new FunctionBinding(name, handler)));
  return bindings_.back().get();
}
