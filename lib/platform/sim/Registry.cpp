// Simulation only: the registry: keys with subkeys and typed values, opened through
// handles; the NT family refuses to delete a key with subkeys, the 95 family deletes it
// with its whole tree.
#include <cstring>
#include <map>
#include <vector>

#include "Machine.h"
#include "SimRegistry.h"
#include "platform/Locale.h"
#include "platform/Registry.h"

namespace Sim {
namespace Detail {
namespace {

struct Key {
  std::string name;
  std::vector<std::shared_ptr<Key>> subkeys;
  std::map<std::string, RegistryValue> values;  // by upper-cased name
  bool deleted = false;

  std::shared_ptr<Key> Subkey(const std::string& subkeyName) const {
    for (const auto& key : subkeys) {
      if (SameName(key->name, subkeyName)) return key;
    }
    return nullptr;
  }
};

struct RegistryState {
  std::map<std::uintptr_t, std::shared_ptr<Key>> roots;
  std::map<std::uintptr_t, std::shared_ptr<Key>> open;  // handle → key
  std::uintptr_t nextHandle = 0x2000;
};
RegistryState state;

void ResetRegistry() {
  state = RegistryState{};
  for (std::uintptr_t root : {0x80000000u, 0x80000001u, 0x80000002u}) state.roots[root] = std::make_shared<Key>();
}
[[maybe_unused]] const bool registered = RegisterReset(&ResetRegistry);

std::shared_ptr<Key> KeyOf(Win::HKEY handle) {
  auto id = reinterpret_cast<std::uintptr_t>(handle);
  if (auto root = state.roots.find(id); root != state.roots.end()) return root->second;
  if (auto found = state.open.find(id); found != state.open.end() && !found->second->deleted) return found->second;
  return nullptr;
}

std::vector<std::string> SplitKeyPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

// The key at path below base; created with its parents when create is set.
std::shared_ptr<Key> Walk(std::shared_ptr<Key> key, const std::string& path, bool create, bool* created = nullptr) {
  for (const auto& part : SplitKeyPath(path)) {
    auto next = key->Subkey(part);
    if (!next) {
      if (!create) return nullptr;
      next = std::make_shared<Key>();
      next->name = part;
      key->subkeys.push_back(next);
      if (created) *created = true;
    }
    key = next;
  }
  return key;
}

Win::HKEY NewHandle(std::shared_ptr<Key> key) {
  state.nextHandle += 4;
  state.open[state.nextHandle] = std::move(key);
  return reinterpret_cast<Win::HKEY>(state.nextHandle);
}

void MarkDeleted(Key& key) {
  key.deleted = true;
  for (auto& subkey : key.subkeys) MarkDeleted(*subkey);
}

// The key that holds key as a subkey; null for a root key.
std::shared_ptr<Key> ParentOf(const Key& key, const std::shared_ptr<Key>& below) {
  for (const auto& subkey : below->subkeys) {
    if (subkey.get() == &key) return below;
    if (auto found = ParentOf(key, subkey)) return found;
  }
  return nullptr;
}
std::shared_ptr<Key> ParentOf(const Key& key) {
  for (const auto& [id, root] : state.roots) {
    if (auto found = ParentOf(key, root)) return found;
  }
  return nullptr;
}

std::string ValueKey(const char* valueName) { return AsciiUpper(valueName ? valueName : ""); }

}  // namespace
}  // namespace Detail

void SetRegistryValue(Win::HKEY root, const std::string& keyPath, const std::string& valueName, Win::DWORD type,
                      const std::string& data) {
  auto key = Detail::Walk(Detail::KeyOf(root), keyPath, true);
  key->values[Detail::AsciiUpper(valueName)] = RegistryValue{type, data};
}

void SetRegistryString(Win::HKEY root, const std::string& keyPath, const std::string& valueName,
                       const std::string& text) {
  SetRegistryValue(root, keyPath, valueName, 1, text + std::string(1, '\0'));  // REG_SZ
}

void AddRegistryKey(Win::HKEY root, const std::string& keyPath) { Detail::Walk(Detail::KeyOf(root), keyPath, true); }

bool RegistryKeyExists(Win::HKEY root, const std::string& keyPath) {
  return Detail::Walk(Detail::KeyOf(root), keyPath, false) != nullptr;
}

std::optional<RegistryValue> GetRegistryValue(Win::HKEY root, const std::string& keyPath,
                                              const std::string& valueName) {
  auto key = Detail::Walk(Detail::KeyOf(root), keyPath, false);
  if (!key) return std::nullopt;
  auto found = key->values.find(Detail::AsciiUpper(valueName));
  if (found == key->values.end()) return std::nullopt;
  return found->second;
}

namespace {
void CollectPaths(const Detail::Key& key, const std::string& prefix, std::vector<std::string>& paths) {
  for (const auto& subkey : key.subkeys) {
    paths.push_back(prefix + subkey->name);
    CollectPaths(*subkey, prefix + subkey->name + "\\", paths);
  }
}
}  // namespace

std::vector<std::string> RegistryKeyPaths(Win::HKEY root) {
  std::vector<std::string> paths;
  CollectPaths(*Detail::KeyOf(root), "", paths);
  return paths;
}

std::vector<std::string> RegistryValueNames(Win::HKEY root, const std::string& keyPath) {
  std::vector<std::string> names;
  auto key = Detail::Walk(Detail::KeyOf(root), keyPath, false);
  if (key) {
    for (const auto& [name, value] : key->values) names.push_back(name);
  }
  return names;
}

int OpenRegistryKeys() { return static_cast<int>(Detail::state.open.size()); }

}  // namespace Sim

namespace Win {
using namespace Sim::Detail;

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD, DWORD, HKEY* result) {
  auto base = KeyOf(key);
  if (!base) return 6;  // ERROR_INVALID_HANDLE
  auto found = Walk(base, subKey ? subKey : "", false);
  if (!found) return 2;  // ERROR_FILE_NOT_FOUND
  *result = NewHandle(found);
  return 0;
}

LONG RegQueryValueExA(HKEY key, const char* valueName, DWORD*, DWORD* type, BYTE* data, DWORD* dataSize) {
  auto base = KeyOf(key);
  if (!base) return 6;
  auto found = base->values.find(ValueKey(valueName));
  if (found == base->values.end()) return 2;
  const auto& value = found->second;
  auto size = static_cast<DWORD>(value.data.size());
  if (type) *type = value.type;
  if (data != nullptr) {
    if (dataSize == nullptr) return 87;  // ERROR_INVALID_PARAMETER
    if (*dataSize < size) {
      *dataSize = size;
      return 234;  // ERROR_MORE_DATA
    }
    std::memcpy(data, value.data.data(), size);
  }
  if (dataSize) *dataSize = size;
  return 0;
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD, char*, DWORD, DWORD, void*, HKEY* result,
                     DWORD* disposition) {
  auto base = KeyOf(key);
  if (!base) return 6;
  bool created = false;
  auto found = Walk(base, subKey ? subKey : "", true, &created);
  *result = NewHandle(found);
  if (disposition) *disposition = created ? 1 : 2;  // REG_CREATED_NEW_KEY, REG_OPENED_EXISTING_KEY
  return 0;
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize) {
  auto base = KeyOf(key);
  if (!base) return 6;
  base->values[ValueKey(valueName)] = Sim::RegistryValue{type, std::string(reinterpret_cast<const char*>(data), dataSize)};
  return 0;
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
  auto base = KeyOf(key);
  if (!base) return 6;
  // An empty name deletes the opened key itself (the platform opens the subkey "" anew).
  auto target = Walk(base, subKey ? subKey : "", false);
  auto parent = target ? ParentOf(*target) : nullptr;
  if (!target) return 2;
  if (!parent) return 5;  // ERROR_ACCESS_DENIED: a root key
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  bool ntFamily = !GetVersionExA(&version) || version.dwPlatformId == 2;
  // NT refuses to delete a key that still has subkeys; 95/98/Me delete the whole tree.
  if (ntFamily && !target->subkeys.empty()) return 5;  // ERROR_ACCESS_DENIED
  MarkDeleted(*target);
  std::erase(parent->subkeys, target);
  return 0;
}

LONG RegCloseKey(HKEY key) {
  auto id = reinterpret_cast<std::uintptr_t>(key);
  if (state.roots.count(id)) return 0;
  return state.open.erase(id) == 1 ? 0 : 6;
}

}  // namespace Win
