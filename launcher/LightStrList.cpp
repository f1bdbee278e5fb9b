// LightStrList: the slot array is a plain array of pointers to texts, so that growing it
// is one realloc that keeps the slots without copying the texts; each text is one block.
#include "LightStrList.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr std::int32_t kGrowth = 8;

// A copy of the bytes from first up to last in a block of its own; null for none.
TLightText* NewText(const char* first, const char* last) {
  if (first == last) return nullptr;
  auto length = static_cast<std::size_t>(last - first);
  auto* text = static_cast<TLightText*>(std::malloc(sizeof(TLightText) + length));
  if (text == nullptr) std::abort();  // out of memory, as for any other allocation
  text->Length = length;
  std::memcpy(text + 1, first, length);
  return text;
}

std::string_view ViewOf(const TLightText* text) { return text != nullptr ? text->View() : std::string_view(); }

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
  std::free(Items[index]);
  Items[index] = NewText(text.data(), text.data() + text.size());
}

std::string TLightStrList::GetText() const {
  std::size_t length = 0;
  for (std::int32_t i = 0; i < Count; ++i) length += ViewOf(Items[i]).size() + 2;
  std::string text;
  text.reserve(length);
  for (std::int32_t i = 0; i < Count; ++i) {
    text += ViewOf(Items[i]);
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
  Items[Count] = NewText(first, last);  // NOLINT(clang-analyzer-core.NullDereference)
  ++Count;
}

std::string TLightStrList::Get(std::int32_t index) const {
  if (index < 0 || index >= Count) return {};
  return std::string(ViewOf(Items[index]));
}

void TLightStrList::Clear() {
  for (std::int32_t i = 0; i < Count; ++i) std::free(Items[i]);
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
    Items = static_cast<TLightText**>(resized);
    for (std::int32_t i = Capacity; i < newCapacity; ++i) Items[i] = nullptr;
  }
  Capacity = newCapacity;
}
