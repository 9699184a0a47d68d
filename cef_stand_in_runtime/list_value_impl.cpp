#include "list_value_impl.h"

#include "string_codec.h"

#include <sstream>

std::string ListValueImpl::describe(int index) {
  const Entry* entry = readable(index);
  if (!entry)
    return "invalid";
  switch (entry->type) {
    case VTYPE_NULL:
      return "null";
    case VTYPE_BOOL:
      return entry->boolean ? "bool:true" : "bool:false";
    case VTYPE_INT:
      return "int:" + std::to_string(entry->integer);
    case VTYPE_DOUBLE: {
      std::ostringstream text;
      text.precision(17);
      text << "double:" << entry->number;
      return text.str();
    }
    case VTYPE_STRING:
      return "string:" + toHexUnits(entry->text);
    default:
      return "invalid";
  }
}

CefRefPtr<ListValueImpl> ListValueImpl::clone() const {
  CefRefPtr<ListValueImpl> copy = new ListValueImpl;
  copy->entries_ = entries_;
  return copy;
}

CefRefPtr<CefListValue> ListValueImpl::Copy() {
  return clone().get();
}

bool ListValueImpl::SetSize(size_t size) {
  if (readOnly_)
    return false;
  entries_.resize(size);
  return true;
}

bool ListValueImpl::Clear() {
  if (readOnly_)
    return false;
  entries_.clear();
  return true;
}

ListValueImpl::Entry* ListValueImpl::writable(int index) {
  if (readOnly_ || index < 0)
    return nullptr;
  // CEF grows the list when an entry past its end is set.
  if (static_cast<size_t>(index) >= entries_.size())
    entries_.resize(static_cast<size_t>(index) + 1);
  return &entries_[static_cast<size_t>(index)];
}

const ListValueImpl::Entry* ListValueImpl::readable(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= entries_.size())
    return nullptr;
  return &entries_[static_cast<size_t>(index)];
}

CefValueType ListValueImpl::GetType(int index) {
  const Entry* entry = readable(index);
  return entry ? entry->type : VTYPE_INVALID;
}

bool ListValueImpl::GetBool(int index) {
  const Entry* entry = readable(index);
  return entry && entry->type == VTYPE_BOOL && entry->boolean;
}

int ListValueImpl::GetInt(int index) {
  const Entry* entry = readable(index);
  return entry && entry->type == VTYPE_INT ? entry->integer : 0;
}

double ListValueImpl::GetDouble(int index) {
  const Entry* entry = readable(index);
  return entry && entry->type == VTYPE_DOUBLE ? entry->number : 0;
}

CefString ListValueImpl::GetString(int index) {
  const Entry* entry = readable(index);
  return entry && entry->type == VTYPE_STRING ? entry->text : CefString();
}

bool ListValueImpl::SetNull(int index) {
  Entry* entry = writable(index);
  if (!entry)
    return false;
  *entry = Entry();
  return true;
}

bool ListValueImpl::SetBool(int index, bool value) {
  Entry* entry = writable(index);
  if (!entry)
    return false;
  *entry = Entry();
  entry->type = VTYPE_BOOL;
  entry->boolean = value;
  return true;
}

bool ListValueImpl::SetInt(int index, int value) {
  Entry* entry = writable(index);
  if (!entry)
    return false;
  *entry = Entry();
  entry->type = VTYPE_INT;
  entry->integer = value;
  return true;
}

bool ListValueImpl::SetDouble(int index, double value) {
  Entry* entry = writable(index);
  if (!entry)
    return false;
  *entry = Entry();
  entry->type = VTYPE_DOUBLE;
  entry->number = value;
  return true;
}

bool ListValueImpl::SetString(int index, const CefString& value) {
  Entry* entry = writable(index);
  if (!entry)
    return false;
  *entry = Entry();
  entry->type = VTYPE_STRING;
  entry->text = value;
  return true;
}
