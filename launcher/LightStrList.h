// LightStrList: TLightStrList, a small growable list of texts that cuts a text into lines.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace LightStrList {

// Cuts the line that begins at line in a zero-terminated text, as SetText cuts its lines:
// the line ends before the first zero, LF or CR (lineEnd is set there); then a CR LF, a
// lone CR or a lone LF is stepped over. Returns where the next line begins, which is the
// terminating zero after the last line.
const char* CutLine(const char* line, const char*& lineEnd);

}  // namespace LightStrList

// One text of a list in one block of memory: its byte count, then its bytes.
struct TLightText {
  std::size_t Length;
  std::string_view View() const { return {reinterpret_cast<const char*>(this + 1), Length}; }
};

// The list owns copies of its texts. Its slot array grows by eight slots at a time and is
// resized in place where the allocator can; it shrinks only through Clear.
class TLightStrList {
 public:
  TLightStrList() = default;
  TLightStrList(const TLightStrList&) = delete;
  TLightStrList& operator=(const TLightStrList&) = delete;
  virtual ~TLightStrList();  // Clear, then the list is freed

  // Replaces the text at index; an index outside 0 to Count - 1 changes nothing.
  virtual void Put(std::int32_t index, const std::string& text);
  // Every text followed by CR LF, the last one included; empty for an empty list.
  virtual std::string GetText() const;
  // Replaces the contents by the lines of text, which ends at its first zero byte. A line
  // ends at CR LF, at a lone CR or at a lone LF; a break at the very end adds no empty line.
  virtual void SetText(const std::string& text);

  void Add(const std::string& text);
  // The text at index; the empty text for an index outside 0 to Count - 1.
  std::string Get(std::int32_t index) const;
  // Drops all texts and the slot array.
  void Clear();

  // Read them freely; only the list's own operations change them.
  // Slots 0 to Count - 1 hold the texts; a null slot is the empty text. Null while Capacity is 0.
  TLightText** Items = nullptr;
  std::int32_t Count = 0;
  std::int32_t Capacity = 0;

 private:
  // Add of the bytes from first up to last, copied once.
  void Append(const char* first, const char* last);
  void SetCapacity(std::int32_t newCapacity);
};
