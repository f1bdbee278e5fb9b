// Win32 boundary: special folders, change notifications and shell link objects
// (shell32, ole32). The link object is reached through small interfaces of our
// own with the methods of IShellLinkA and IPersistFile that the programs use.
#pragma once

#include "platform/WinTypes.h"

namespace Win {

class IUnknown {
 public:
  // S_OK and the interface (to be released) or E_NOINTERFACE and null.
  virtual HRESULT QueryInterface(const GUID& iid, void** object) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  virtual ~IUnknown() = default;
};

class IShellLinkA : public IUnknown {
 public:
  // The target into file (at most size bytes with the zero); S_FALSE and an empty text
  // when the link has no target.
  virtual HRESULT GetPath(char* file, int size, WIN32_FIND_DATAA* findData, DWORD flags) = 0;
  virtual HRESULT SetPath(const char* file) = 0;
  virtual HRESULT SetArguments(const char* arguments) = 0;
  virtual HRESULT SetWorkingDirectory(const char* folder) = 0;
  virtual HRESULT SetIconLocation(const char* iconFile, int index) = 0;
  virtual HRESULT SetShowCmd(int showCommand) = 0;
};

class IPersistFile : public IUnknown {
 public:
  virtual HRESULT Load(const WCHAR* fileName, DWORD mode) = 0;
  // Writes the link file, replacing a file of that name.
  virtual HRESULT Save(const WCHAR* fileName, BOOL remember) = 0;
};

// S_OK and the object's interface iid (to be released); an error code and null otherwise.
HRESULT CoCreateInstance(const GUID& classId, IUnknown* outer, DWORD context, const GUID& iid, void** object);

// Zero when the folder cannot be had (with create FALSE, also when it does not exist);
// path must hold 261 bytes.
BOOL SHGetSpecialFolderPathA(HWND owner, char* path, int folder, BOOL create);
void SHChangeNotify(LONG eventId, UINT flags, const void* item1, const void* item2);

}  // namespace Win
