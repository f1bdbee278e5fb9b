// Windows only: profile files and the clipboard through <windows.h> itself.
#include "FixtureClipboard.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>
#include <string>

namespace Fixture {
namespace {

// The thread whose window holds the clipboard open, and the events it waits on.
HANDLE holder = nullptr;
HANDLE holding = nullptr;
HANDLE released = nullptr;

DWORD WINAPI HoldClipboardUntilReleased(void*) {
  HWND window = CreateWindowA("STATIC", "clipboard holder", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  BOOL opened = OpenClipboard(window);
  SetEvent(holding);
  WaitForSingleObject(released, INFINITE);
  if (opened) CloseClipboard();
  DestroyWindow(window);
  return 0;
}

// Opens the clipboard and empties it; the caller puts its data and closes it.
bool OpenEmptied() {
  if (!OpenClipboard(nullptr)) return false;
  ::EmptyClipboard();
  return true;
}

// The clipboard's contents replaced by one block of the format.
void PutBlock(UINT format, const std::string& bytes) {
  if (!OpenEmptied()) return;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (void* data = GlobalLock(block)) {
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block);
  }
  if (!SetClipboardData(format, block)) GlobalFree(block);
  CloseClipboard();
}

}  // namespace

std::string WindowsFolder() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, sizeof folder);
  return folder;
}

void RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

void PutClipboardBlock(const std::string& bytes) { PutBlock(CF_TEXT, bytes); }

void PutClipboardPicture() {
  // One white pixel as a device-independent bitmap: its header, then one 32-bit row.
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = 1;
  header.biHeight = 1;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const DWORD row = 0x00FFFFFF;
  std::string picture(reinterpret_cast<const char*>(&header), sizeof header);
  picture.append(reinterpret_cast<const char*>(&row), sizeof row);
  PutBlock(CF_DIB, picture);
}

void EmptyClipboard() {
  if (OpenEmptied()) CloseClipboard();
}

void HoldClipboard() {
  holding = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  released = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  holder = CreateThread(nullptr, 0, HoldClipboardUntilReleased, nullptr, 0, nullptr);
  WaitForSingleObject(holding, INFINITE);
}

void ReleaseClipboard() {
  SetEvent(released);
  WaitForSingleObject(holder, INFINITE);
  for (HANDLE* handle : {&holder, &holding, &released}) {
    CloseHandle(*handle);
    *handle = nullptr;
  }
}

}  // namespace Fixture
