#ifndef CEF_STAND_IN_RUNTIME_PROCESS_MESSAGE_IMPL_H_
#define CEF_STAND_IN_RUNTIME_PROCESS_MESSAGE_IMPL_H_

#include "list_value_impl.h"

#include "include/cef_process_message.h"

class ProcessMessageImpl : public CefProcessMessage {
 public:
  explicit ProcessMessageImpl(const CefString& name) : name_(name), arguments_(new ListValueImpl) {}
  ProcessMessageImpl(const CefString& name, CefRefPtr<ListValueImpl> arguments)
      : name_(name), arguments_(arguments) {}

  ListValueImpl& arguments() { return *arguments_; }

  bool IsValid() override { return true; }
  bool IsReadOnly() override { return arguments_->IsReadOnly(); }
  CefRefPtr<CefProcessMessage> Copy() override {
    return new ProcessMessageImpl(name_, arguments_->clone());
  }
  CefString GetName() override { return name_; }
  CefRefPtr<CefListValue> GetArgumentList() override { return arguments_.get(); }

 private:
  CefString name_;
  CefRefPtr<ListValueImpl> arguments_;

  IMPLEMENT_REFCOUNTING(ProcessMessageImpl);
};

#endif  // CEF_STAND_IN_RUNTIME_PROCESS_MESSAGE_IMPL_H_
