// Windows only: special folders and change notifications (shell32), and the shell link
// object (ole32) behind our own small interfaces: each interface of ours wraps one
// reference to the real interface.
#include "platform/ShellLink.h"

#include "Win32.h"

#include <objbase.h>
#include <shlobj.h>

namespace Win {
using Real::As;

static_assert(sizeof(Win::GUID) == sizeof(::GUID));

namespace {

const ::GUID& RealGuid(const GUID& guid) { return reinterpret_cast<const ::GUID&>(guid); }

HRESULT Wrap(::IUnknown* real, const GUID& iid, void** object);

template <typename Interface, typename RealInterface>
class Wrapper : public Interface {
 public:
  explicit Wrapper(RealInterface* real) : real_(real) {}
  HRESULT QueryInterface(const GUID& iid, void** object) override { return Wrap(real_, iid, object); }
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ~Wrapper() override { real_->Release(); }
  RealInterface* real_;

 private:
  ULONG references_ = 1;
};

class WrappedUnknown final : public Wrapper<IUnknown, ::IUnknown> {
 public:
  using Wrapper::Wrapper;
};

class WrappedShellLink final : public Wrapper<IShellLinkA, ::IShellLinkA> {
 public:
  using Wrapper::Wrapper;
  HRESULT GetPath(char* file, int size, WIN32_FIND_DATAA* findData, DWORD flags) override {
    return real_->GetPath(file, size, As<::WIN32_FIND_DATAA>(findData), flags);
  }
  HRESULT SetPath(const char* file) override { return real_->SetPath(file); }
  HRESULT SetArguments(const char* arguments) override { return real_->SetArguments(arguments); }
  HRESULT SetWorkingDirectory(const char* folder) override { return real_->SetWorkingDirectory(folder); }
  HRESULT SetIconLocation(const char* iconFile, int index) override { return real_->SetIconLocation(iconFile, index); }
  HRESULT SetShowCmd(int showCommand) override { return real_->SetShowCmd(showCommand); }
};

class WrappedPersistFile final : public Wrapper<IPersistFile, ::IPersistFile> {
 public:
  using Wrapper::Wrapper;
  HRESULT Load(const WCHAR* fileName, DWORD mode) override {
    return real_->Load(reinterpret_cast<const wchar_t*>(fileName), mode);
  }
  HRESULT Save(const WCHAR* fileName, BOOL remember) override {
    return real_->Save(reinterpret_cast<const wchar_t*>(fileName), remember);
  }
};

// Asks the real object for iid and hands out our interface over it.
HRESULT Wrap(::IUnknown* real, const GUID& iid, void** object) {
  *object = nullptr;
  void* found = nullptr;
  HRESULT result = real->QueryInterface(RealGuid(iid), &found);
  if (FAILED(result)) return result;
  if (RealGuid(iid) == __uuidof(::IShellLinkA)) {
    *object = static_cast<IShellLinkA*>(new WrappedShellLink(static_cast<::IShellLinkA*>(found)));
  } else if (RealGuid(iid) == __uuidof(::IPersistFile)) {
    *object = static_cast<IPersistFile*>(new WrappedPersistFile(static_cast<::IPersistFile*>(found)));
  } else if (RealGuid(iid) == __uuidof(::IUnknown)) {
    *object = static_cast<IUnknown*>(new WrappedUnknown(static_cast<::IUnknown*>(found)));
  }
  if (*object == nullptr) {  // an interface we have no wrapper for
    static_cast<::IUnknown*>(found)->Release();
    return E_NOINTERFACE;
  }
  return S_OK;
}

}  // namespace

HRESULT CoCreateInstance(const GUID& classId, IUnknown*, DWORD context, const GUID& iid, void** object) {
  *object = nullptr;
  ::IUnknown* real = nullptr;
  HRESULT result = ::CoCreateInstance(RealGuid(classId), nullptr, context, __uuidof(::IUnknown), reinterpret_cast<void**>(&real));
  if (FAILED(result)) return result;
  result = Wrap(real, iid, object);
  real->Release();
  return result;
}

BOOL SHGetSpecialFolderPathA(HWND owner, char* path, int folder, BOOL create) {
  return ::SHGetSpecialFolderPathA(reinterpret_cast<::HWND>(owner), path, folder, create);
}
void SHChangeNotify(LONG eventId, UINT flags, const void* item1, const void* item2) {
  ::SHChangeNotify(eventId, flags, item1, item2);
}

}  // namespace Win
