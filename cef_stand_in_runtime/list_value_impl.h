// CefListValue: a list of plain values, as a process message carries them.
#ifndef CEF_STAND_IN_RUNTIME_LIST_VALUE_IMPL_H_
#define CEF_STAND_IN_RUNTIME_LIST_VALUE_IMPL_H_

#include "include/cef_values.h"

#include <string>
#include <vector>

class ListValueImpl : public CefListValue {
 public:
  ListValueImpl() = default;

  // One channel field per entry: "string:u:<hex>", "int:5", "bool:true",
  // "double:1.5", "null" or "invalid".
  std::string describe(int index);
  void setReadOnly() { readOnly_ = true; }
  // A writable copy of the entries.
  CefRefPtr<ListValueImpl> clone() const;

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return readOnly_; }
  CefRefPtr<CefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override { return entries_.size(); }
  bool Clear() override;
  CefValueType GetType(int index) override;
  bool GetBool(int index) override;
  int GetInt(int index) override;
  double GetDouble(int index) override;
  CefString GetString(int index) override;
  bool SetNull(int index) override;
  bool SetBool(int index, bool value) override;
  bool SetInt(int index, int value) override;
  bool SetDouble(int index, double value) override;
  bool SetString(int index, const CefString& value) override;

 private:
  struct Entry {
    CefValueType type = VTYPE_NULL;
    bool boolean = false;
    int integer = 0;
    double number = 0;
    CefString text;
  };
  // The entry to write, or null when index is out of range or read-only.
  Entry* writable(int index);
  const Entry* readable(int index) const;

  std::vector<Entry> entries_;
  bool readOnly_ = false;

  IMPLEMENT_REFCOUNTING(ListValueImpl);
};

#endif  // CEF_STAND_IN_RUNTIME_LIST_VALUE_IMPL_H_
