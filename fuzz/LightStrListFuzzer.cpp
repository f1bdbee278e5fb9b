// TLightStrList: SetText splits a text into the lines a reference split gives (each of
// CR LF, a lone CR and a lone LF ends a line; a zero byte ends the text; a break at the
// very end adds no empty line), GetText gives them back each ended by CR LF, and SetText
// of that gives the same lines again. Add, Put and Get keep the slot array's invariants.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "LightStrList.h"

namespace {

std::vector<std::string> ReferenceLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string rest = text.substr(0, text.find('\0'));
  while (!rest.empty()) {
    std::size_t end = rest.find_first_of("\r\n");
    lines.push_back(rest.substr(0, end));
    if (end == std::string::npos) break;
    std::size_t next = rest.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    rest.erase(0, next);
  }
  return lines;
}

std::vector<std::string> LinesOf(const TLightStrList& list) {
  FUZZ_CHECK(list.Count >= 0 && list.Count <= list.Capacity && list.Capacity % 8 == 0);
  FUZZ_CHECK((list.Items == nullptr) == (list.Capacity == 0));
  std::vector<std::string> lines;
  for (std::int32_t i = 0; i < list.Count; ++i) lines.push_back(list.Get(i));
  for (std::int32_t i = list.Count; i < list.Capacity; ++i) FUZZ_CHECK(list.Items[i] == nullptr);
  return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  // A few edits after the split: each replaces or adds a line without CR, LF or zero byte.
  auto edits = provider.ConsumeIntegralInRange<int>(0, 4);
  std::vector<std::pair<std::int32_t, std::string>> changes;
  for (int i = 0; i < edits; ++i) {
    auto index = provider.ConsumeIntegralInRange<std::int32_t>(-1, 40);
    std::string line = provider.ConsumeRandomLengthString(16);
    std::erase_if(line, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    changes.emplace_back(index, line);
  }
  std::string text = provider.ConsumeRemainingBytesAsString();

  TLightStrList list;
  list.SetText(text);
  std::vector<std::string> expected = ReferenceLines(text);
  FUZZ_CHECK(LinesOf(list) == expected);

  for (const auto& [index, line] : changes) {
    if (index == list.Count) {
      list.Add(line);
      expected.push_back(line);
    } else {
      list.Put(index, line);  // an index outside the list changes nothing
      if (index >= 0 && index < static_cast<std::int32_t>(expected.size())) expected[static_cast<std::size_t>(index)] = line;
    }
  }
  FUZZ_CHECK(LinesOf(list) == expected);
  FUZZ_CHECK(list.Get(-1).empty() && list.Get(list.Count).empty());

  std::string joined = list.GetText();
  FUZZ_CHECK(joined == Joined(expected));
  TLightStrList again;
  again.SetText(joined);
  FUZZ_CHECK(LinesOf(again) == expected);
  list.Clear();
  FUZZ_CHECK(list.Count == 0 && list.Capacity == 0 && list.Items == nullptr && list.GetText().empty());
  return 0;
}
