// How Windows maps the case and the width of ANSI text of code pages 932 and 1252, one
// character at a time, from the generated tables of CodePageTables.h. The simulated Windows
// applies these rules and the contract tests hold the real platform to them; the programs
// themselves never use this file, they ask the platform.
#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "platform/CodePageTables.h"

namespace CodePages {

// What a code page 932 code without a character converts to: ・ (U+30FB).
inline constexpr std::uint16_t kDefaultCode932 = 0x8145;

inline bool IsLeadByte932(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The bytes of a character code: one byte below 0x100, else lead byte and trail byte.
inline std::string CodeBytes(std::uint16_t code) {
  if (code <= 0xFF) return std::string(1, static_cast<char>(code));
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

namespace Detail {

using CodePageTables::CodePair;

// The entry for code in a table sorted by its first member, or the table's end.
template <typename Entry, std::size_t N>
const Entry* Lookup(const Entry (&table)[N], std::uint16_t code, std::uint16_t Entry::*key) {
  const Entry* found = std::lower_bound(std::begin(table), std::end(table), code,
                                        [key](const Entry& entry, std::uint16_t c) { return entry.*key < c; });
  return found != std::end(table) && found->*key == code ? found : std::end(table);
}

template <std::size_t N>
std::uint16_t MapOrKeep(const CodePair (&table)[N], std::uint16_t code) {
  const CodePair* pair = Lookup(table, code, &CodePair::from);
  return pair != std::end(table) ? pair->to : code;
}

}  // namespace Detail

// A double-byte code of code page 932 as Windows reads it: the code of its character (the
// preferred one where the code page holds the character twice), or the default character.
inline std::uint16_t Canonical932(std::uint16_t code) {
  using CodePageTables::kAssigned932;
  auto after = std::upper_bound(std::begin(kAssigned932), std::end(kAssigned932), code,
                                [](std::uint16_t c, const CodePageTables::CodePair& range) { return c < range.from; });
  if (after == std::begin(kAssigned932) || code > std::prev(after)->to) return kDefaultCode932;
  return Detail::MapOrKeep(CodePageTables::kDuplicates932, code);
}

// The other case of a character: a single byte, or (code page 932) a canonical code.
inline std::uint16_t LowerOf(std::uint32_t codePage, std::uint16_t code) {
  return codePage == 932 ? Detail::MapOrKeep(CodePageTables::kLower932, code)
                         : Detail::MapOrKeep(CodePageTables::kLower1252, code);
}
inline std::uint16_t UpperOf(std::uint32_t codePage, std::uint16_t code) {
  return codePage == 932 ? Detail::MapOrKeep(CodePageTables::kUpper932, code)
                         : Detail::MapOrKeep(CodePageTables::kUpper1252, code);
}

// The bytes of the half-width form of a code page 932 character (single byte or canonical
// code); a character without one keeps its own bytes.
inline std::string HalfWidthOf932(std::uint16_t code) {
  using CodePageTables::HalfWidthForm;
  using CodePageTables::kHalfWidth932;
  const HalfWidthForm* form = Detail::Lookup(kHalfWidth932, code, &HalfWidthForm::code);
  return form != std::end(kHalfWidth932) ? std::string(form->bytes) : CodeBytes(code);
}

}  // namespace CodePages
