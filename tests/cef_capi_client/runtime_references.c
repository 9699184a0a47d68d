#include "runtime_references.h"

static volatile LONG received_count;
static volatile LONG held_count;

void* runtime_ref_received(void* runtime_struct) {
  if (runtime_struct) {
    InterlockedIncrement(&received_count);
    InterlockedIncrement(&held_count);
  }
  return runtime_struct;
}

void runtime_ref_release(void* runtime_struct) {
  cef_base_t* base = (cef_base_t*)runtime_struct;
  if (!base)
    return;
  InterlockedDecrement(&held_count);
  base->release(base);
}

void runtime_ref_add(void* runtime_struct) {
  cef_base_t* base = (cef_base_t*)runtime_struct;
  InterlockedIncrement(&held_count);
  base->add_ref(base);
}

void* runtime_ref_hand_over(void* runtime_struct) {
  if (runtime_struct)
    InterlockedDecrement(&held_count);
  return runtime_struct;
}

long runtime_refs_received(void) {
  return received_count;
}

long runtime_refs_held(void) {
  return held_count;
}
