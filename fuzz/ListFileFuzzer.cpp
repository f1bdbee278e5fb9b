// List files, whole files as input, read in chunks of a size its first byte chooses:
// - the reader gives what a reference split gives: each line up to a line feed, carriage
//   returns no part of it, the last one needing no line end; a Ctrl-Z where a line would
//   begin on its own (the launcher stops there, the checker reads on past it);
// - read as UTF-8 (the first line with a byte-order mark makes every line so), a line comes to
//   the code page (here ASCII) with what it lacks in percent form, and only then is marked so;
// - every line is classified as its trimmed text says (blank, comment, pause with its
//   number read by the reference and cut above 10000, web address or command after an
//   optional "url="), and its command line is the browser's quoted path and the address,
//   or the expanded text.
#include <algorithm>

#include "FuzzSupport.h"
#include "ListFile.h"

constexpr char kCtrlZ = 26;

// What reading data gives: its lines, and "\n" (which no line holds) for each Ctrl-Z.
std::vector<std::string> ReferenceRead(const std::string& data) {
  std::vector<std::string> results;
  for (std::size_t at = 0; at < data.size(); ++at) {
    std::size_t end = data[at] == kCtrlZ ? at : std::min(data.find('\n', at), data.size());
    std::string line = data.substr(at, end - at);
    std::erase(line, '\r');
    results.push_back(data[at] == kCtrlZ ? "\n" : line);
    at = end;
  }
  return results;
}

bool StartsWithKey(const std::string& text, const std::string& key) {
  auto same = [](char k, char c) { return k == (c >= 'A' && c <= 'Z' ? c + 32 : c); };
  return text.size() >= key.size() && std::equal(key.begin(), key.end(), text.begin(), same);
}

std::string Browser() { return "C:\\Program Files\\Web\\web.exe"; }
std::string Expand(const std::string& text) { return "<" + text + ">"; }

void CheckLine(const std::string& line) {
  TListLine classified = ClassifyListLine(line);
  std::string trimmed = Reference::Trim(line);
  FUZZ_CHECK(classified.Trimmed == trimmed);
  TLineKind kind = TLineKind::Blank;
  if (!trimmed.empty() && trimmed[0] == ';') {
    kind = TLineKind::Comment;
  } else if (StartsWithKey(trimmed, "wait=")) {
    kind = TLineKind::Pause;
    std::optional<std::int32_t> value = Reference::StrToInt(trimmed.substr(5));
    FUZZ_CHECK(classified.ValueIsNumber == value.has_value() && classified.Value == value.value_or(0) &&
               classified.Milliseconds == static_cast<Win::DWORD>(std::clamp(value.value_or(0), 0, 10000)) &&
               classified.Capped() == (value.value_or(0) > 10000));
  } else if (!trimmed.empty()) {
    bool prefixed = StartsWithKey(trimmed, "url=");
    std::string text = trimmed.substr(prefixed ? 4 : 0);
    kind = text.starts_with("http:") || text.starts_with("www.") ? TLineKind::WebAddress : TLineKind::Command;
    FUZZ_CHECK(classified.HadUrlPrefix == prefixed && classified.Text == text);
    FUZZ_CHECK(CommandLineOf(classified, Browser, Expand) ==
               (kind == TLineKind::WebAddress ? "\"" + Browser() + "\" " + text : Expand(text)));
  }
  FUZZ_CHECK(classified.Kind == kind);
}

void CheckDecoding(const std::vector<std::string>& lines) {
  TLineDecoder decoder(Ascii);
  bool marked = !lines.empty() && lines[0].starts_with(Unicode::kUtf8Bom);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TDecodedLine decoded = decoder.Decode(lines[i]);
    std::string_view text = lines[i];
    if (i == 0 && marked) text.remove_prefix(Unicode::kUtf8Bom.size());
    auto high = [](char c) { return (c & 0x80) != 0; };
    FUZZ_CHECK(decoded.Utf8 == (marked || Unicode::IsUtf8Text(lines[i])));
    FUZZ_CHECK(decoded.Utf8 ? decoded.Lacking == std::any_of(text.begin(), text.end(), high)
                            : decoded.Text == lines[i] && !decoded.Lacking);
    if (decoded.Utf8) FUZZ_CHECK(std::none_of(decoded.Text.begin(), decoded.Text.end(), high));
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string content(reinterpret_cast<const char*>(data), size);
  TChunks source(content, size > 0 ? 1 + data[0] % 64 : 1);
  TLineReader reader(source);
  std::vector<std::string> read;
  std::string line;
  for (TReadResult result; (result = reader.ReadLine(line)) != TReadResult::End;) {
    read.push_back(result == TReadResult::CtrlZ ? "\n" : line);
  }
  FUZZ_CHECK(read == ReferenceRead(content));
  for (const std::string& each : read) CheckLine(each);
  CheckDecoding(read);
  return 0;
}
