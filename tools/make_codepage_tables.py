#!/usr/bin/env python3
"""Writes lib/platform/CodePageTables.h: how Windows converts text of code pages 932 and 1252.

Windows maps the case and the width of ANSI text by converting it to Unicode, mapping the
characters and converting them back. This script derives the outcome of that round trip
from Python's cp932 and cp1252 codecs and the Unicode character data, so the simulated
Windows can apply it as tables. The contract tests check the same tables against the
platform. Run it from anywhere; the output is deterministic. With --check it writes nothing
and fails when the committed file differs from what it would write (a host test does so):

    python3 tools/make_codepage_tables.py [--check]
"""
import os
import sys
import unicodedata

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
OUTPUT = os.path.normpath(os.path.join(ROOT, "lib", "platform", "CodePageTables.h"))

LEAD_BYTES = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAIL_BYTES = [b for b in range(0x40, 0xFD) if b != 0x7F]
# A double-byte code without a character converts to the default character ・ (U+30FB).
DEFAULT_CODE = 0x8145
# A character that code page 932 cannot hold converts to the default byte "?".
DEFAULT_BYTE = b"?"
# Characters that code page 932 lacks but converts to a near one (Windows' best fit).
BEST_FIT_932 = {"\u00a2": 0x8191, "\u00a3": 0x8192, "\u00a5": 0x5C, "\u00a6": 0x7C, "\u00ac": 0x81CA,
                "\u00af": 0x8150}
# Quotation marks that the width mapping treats as full-width forms of the ASCII quotes.
QUOTE_HALF_WIDTHS = {"\u2018": "'", "\u2019": "'", "\u201c": '"', "\u201d": '"'}
# Japanese Windows takes ￥ for the full-width form of byte 0x5C (shown as a yen sign), so the
# full-width backslash keeps its width.
KEEPS_WIDTH = {"\uff3c"}
VOICED_MARKS = {"\u309b": "\u3099", "\u309c": "\u309a"}  # spacing marks and their combining forms


def double_byte_characters():
    """Every double-byte code of code page 932 that stands for a character."""
    characters = {}
    for lead in LEAD_BYTES:
        for trail in TRAIL_BYTES:
            try:
                characters[lead << 8 | trail] = bytes([lead, trail]).decode("cp932")
            except UnicodeDecodeError:
                pass
    return characters


def preferred_codes(characters):
    """The code each character converts back to: where code page 932 holds a character
    twice, the lowest code, except that the IBM extensions (FA-FC) win over the NEC
    selection of them (ED-EE)."""
    def preference(code):
        return (code >> 8 in (0xED, 0xEE), code)
    preferred = {}
    for code in sorted(characters, key=preference):
        preferred.setdefault(characters[code], code)
    return preferred


def code_bytes(code):
    return bytes([code]) if code <= 0xFF else bytes([code >> 8, code & 0xFF])


def encoder_932(preferred):
    def encode(text):
        out = b""
        for ch in text:
            single = None
            try:
                single = ch.encode("cp932")
            except UnicodeEncodeError:
                pass
            if single is not None and len(single) == 1:
                out += single
            elif ch in preferred:
                out += code_bytes(preferred[ch])
            elif ch in BEST_FIT_932:
                out += code_bytes(BEST_FIT_932[ch])
            else:
                out += DEFAULT_BYTE
        return out
    return encode


def single_byte_characters(codec, lead_bytes=()):
    characters = {}
    for byte in range(1, 0x100):
        if byte in lead_bytes:
            continue
        try:
            characters[byte] = bytes([byte]).decode(codec)
        except UnicodeDecodeError:
            pass  # an undefined byte converts to itself and has no case
    return characters


def case_maps(characters, encode, decode_code):
    """(code, lowered code) and (code, raised code) for every character whose case changes."""
    lower, upper = [], []
    for code, ch in sorted(characters.items()):
        for mapped, table in ((ch.lower(), lower), (ch.upper(), upper)):
            if mapped == ch or len(mapped) != 1:
                continue  # no case, or no single character for it (ß, ŉ)
            out = encode(mapped)
            if out == DEFAULT_BYTE or decode_code(out) != mapped:
                continue  # the other case is not in the code page
            table.append((code, int.from_bytes(out, "big")))
    return lower, upper


def half_width_form(ch, narrow_forms):
    if ch in KEEPS_WIDTH:
        return None
    if ch == "\u3000":
        return " "
    if ch in VOICED_MARKS:
        return narrow_forms[VOICED_MARKS[ch]]
    if ch in QUOTE_HALF_WIDTHS:
        return QUOTE_HALF_WIDTHS[ch]
    decomposition = unicodedata.decomposition(ch).split()
    if decomposition[:1] == ["<wide>"]:
        return chr(int(decomposition[1], 16))
    if ch in narrow_forms:
        return narrow_forms[ch]
    # A katakana with a sound mark becomes its base (half-width where it has such a form)
    # followed by the half-width sound mark.
    if "\u30a0" <= ch <= "\u30ff":
        parts = unicodedata.normalize("NFD", ch)
        if len(parts) == 2 and parts[1] in narrow_forms:
            return narrow_forms.get(parts[0], parts[0]) + narrow_forms[parts[1]]
    return None


def half_width_forms(characters, preferred, encode):
    narrow_forms = {}
    for cp in range(0xFF61, 0xFFEF):
        decomposition = unicodedata.decomposition(chr(cp)).split()
        if decomposition[:1] == ["<narrow>"]:
            narrow_forms[chr(int(decomposition[1], 16))] = chr(cp)
    forms = []
    for code, ch in sorted(characters.items()):
        if preferred[ch] != code:
            continue  # converts to its preferred code first
        form = half_width_form(ch, narrow_forms)
        if form is not None and encode(form) != code_bytes(code):
            forms.append((code, encode(form)))
    return forms


def ranges(codes):
    result = []
    for code in sorted(codes):
        if result and result[-1][1] + 1 == code:
            result[-1][1] = code
        else:
            result.append([code, code])
    return result


def c_bytes(data):
    return '"' + "".join("\\x%02X" % b for b in data) + '"'


def rows(items, per_line, indent="    "):
    lines = []
    for i in range(0, len(items), per_line):
        lines.append(indent + " ".join(items[i:i + per_line]))
    return "\n".join(lines)


def pairs(table):
    return rows(["{0x%X, 0x%X}," % tuple(pair) for pair in table], 5)


def main():
    characters = double_byte_characters()
    preferred = preferred_codes(characters)
    encode = encoder_932(preferred)

    def decode_932(data):
        return data.decode("cp932")

    singles_932 = single_byte_characters("cp932", LEAD_BYTES)
    canonical = {code: ch for code, ch in characters.items() if preferred[ch] == code}
    lower_932, upper_932 = case_maps({**singles_932, **canonical}, encode, decode_932)
    duplicates = [(code, preferred[ch]) for code, ch in sorted(characters.items()) if preferred[ch] != code]
    forms = half_width_forms(characters, preferred, encode)

    singles_1252 = single_byte_characters("cp1252")

    def encode_1252(text):
        try:
            return text.encode("cp1252")
        except UnicodeEncodeError:
            return DEFAULT_BYTE

    lower_1252, upper_1252 = case_maps(singles_1252, encode_1252, lambda data: data.decode("cp1252"))

    text = f"""// Generated by tools/make_codepage_tables.py from Python's cp932 and cp1252 codecs and the
// Unicode character data; do not edit. How Windows converts the case and the width of ANSI
// text: through Unicode and back. The simulated Windows applies these tables (CodePages.h);
// the contract tests check them against the platform.
#pragma once

#include <cstdint>

namespace CodePageTables {{

struct CodePair {{
  std::uint16_t from;
  std::uint16_t to;
}};

// Code page 932: the double-byte codes that stand for a character (inclusive ranges). Any
// other lead byte followed by a byte converts to the default character, code 0x{DEFAULT_CODE:X}.
inline constexpr CodePair kAssigned932[] = {{
{pairs(ranges(characters))}
}};

// Codes of characters that code page 932 holds twice, and the code Windows converts them to.
inline constexpr CodePair kDuplicates932[] = {{
{pairs(duplicates)}
}};

// Case mapping of code page 932 (single bytes below 0x100), from the preferred codes.
inline constexpr CodePair kLower932[] = {{
{pairs(lower_932)}
}};
inline constexpr CodePair kUpper932[] = {{
{pairs(upper_932)}
}};

// Half-width forms of code page 932 characters (LCMAP_HALFWIDTH), from the preferred codes;
// every other character keeps its form.
struct HalfWidthForm {{
  std::uint16_t code;
  const char* bytes;
}};
inline constexpr HalfWidthForm kHalfWidth932[] = {{
{rows(["{0x%X, %s}," % (code, c_bytes(form)) for code, form in forms], 4)}
}};

// Case mapping of code page 1252.
inline constexpr CodePair kLower1252[] = {{
{pairs(lower_1252)}
}};
inline constexpr CodePair kUpper1252[] = {{
{pairs(upper_1252)}
}};

}}  // namespace CodePageTables
"""
    if "--check" in sys.argv[1:]:
        with open(OUTPUT, encoding="utf-8", newline="") as committed:
            if committed.read() != text:
                sys.exit(f"{OUTPUT} differs from what {os.path.basename(__file__)} writes; run it")
        return
    with open(OUTPUT, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)


if __name__ == "__main__":
    main()
