// LightStrList: the slot array is a plain array of pointers to texts, so that growing it
// is one realloc that keeps the slots without copying the texts.
#include "LightStrList.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr std::int32_t kGrowth = 8;
}  // namespace

namespace LightStrList {

const char* CutLine(const char* line, const char*& lineEnd) {
  lineEnd = line + std::strcspn(line, "\r\n");
  const char* next = lineEnd;
  if (*next == '\r') ++next;
  if (*next == '\n') ++next;
  return next;
}

}  // namespace LightStrList

TLightStrList::~TLightStrList() { Clear(); }

void TLightStrList::Put(std::int32_t index, const std::string& text) {
  if (index < 0 || index >= Count) return;
  delete Items[index];
  Items[index] = text.empty() ? nullptr : new std::string(text);
}

std::string TLightStrList::GetText() const {
  std::size_t length = 0;
  for (std::int32_t i = 0; i < Count; ++i) length += (Items[i] ? Items[i]->size() : 0) + 2;
  std::string text;
  text.reserve(length);
  for (std::int32_t i = 0; i < Count; ++i) {
    if (Items[i]) text += *Items[i];
    text += "\r\n";
  }
  return text;
}

void TLightStrList::SetText(const std::string& text) {
  Clear();
  const char* p = text.c_str();
  while (*p != 0) {
    const char* start = p;
    const char* end = nullptr;
    p = LightStrList::CutLine(p, end);
    Append(start, end);
  }
}

void TLightStrList::Add(const std::string& text) { Append(text.data(), text.data() + text.size()); }

void TLightStrList::Append(const char* first, const char* last) {
  if (Count == Capacity) SetCapacity(Capacity + kGrowth);
  // Items holds Capacity slots whenever Capacity is above 0, so slot Count is there.
  Items[Count] = first == last ? nullptr : new std::string(first, last);  // NOLINT(clang-analyzer-core.NullDereference)
  ++Count;
}

std::string TLightStrList::Get(std::int32_t index) const {
  if (index < 0 || index >= Count || Items[index] == nullptr) return {};
  return *Items[index];
}

void TLightStrList::Clear() {
  for (std::int32_t i = 0; i < Count; ++i) delete Items[i];
  Count = 0;
  SetCapacity(0);
}

void TLightStrList::SetCapacity(std::int32_t newCapacity) {
  if (newCapacity == 0) {
    std::free(Items);
    Items = nullptr;
  } else {
    // The slots are pointers to texts: sizeof *Items is the size of one slot.
    void* resized = std::realloc(Items, static_cast<std::size_t>(newCapacity) * sizeof *Items);  // NOLINT(bugprone-sizeof-expression)
    if (resized == nullptr) std::abort();  // out of memory, as for any other allocation
    Items = static_cast<std::string**>(resized);
    for (std::int32_t i = Capacity; i < newCapacity; ++i) Items[i] = nullptr;
  }
  Capacity = newCapacity;
}
