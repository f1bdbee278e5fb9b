// TinyUtils, text half: numbers from text, case and width mapping, trimming, the model of
// double-byte characters and the parts of file paths. Texts are byte strings in the ANSI
// code page; positions in texts are 1-based, offsets into zero-terminated buffers 0-based.
// No operation changes its argument or fails loudly: bad input gives a default or empty text.
#pragma once

#include <cstdint>
#include <string>

namespace TinyUtils {

enum class ByteKind { SingleByte = 0, LeadByte = 1, TrailByte = 2 };

struct TLocaleInfo {
  std::uint32_t DefaultLCID = 0x0409;
  std::uint32_t PrimaryLanguage = 9;  // LANG_ENGLISH
  bool FarEast = false;               // the locale uses a double-byte character set
};

// Process-wide state, set by Startup before the program's own code runs, read-only after.
extern std::int32_t PlatformId;  // dwPlatformId; 2 is the NT family; 0 when unknown
extern TLocaleInfo LocaleInfo;
struct TLeadByteSet {
  bool Contains(unsigned char byte) const { return (bits[byte >> 5] >> (byte & 31)) & 1u; }
  void Add(unsigned char byte) { bits[byte >> 5] |= 1u << (byte & 31); }
  bool Empty() const;
  std::uint32_t bits[8] = {};
};
extern TLeadByteSet LeadByteSet;

// The unit's start-up step: InitPlatformId, then InitLocaleInfo. Runs once per program;
// tests run it again after switching the simulated platform.
void Startup();
void InitPlatformId();
void InitLocaleInfo();
bool IsWesternLanguage();
std::uint32_t CodePageOfLocale(std::uint32_t locale);
void BuildLeadByteSet(std::uint32_t codePage);

// The value of text (blanks first, decimal with optional sign, or hexadecimal after "$",
// "x", "X", "0x", "0X", nothing after), or defaultValue when it is no valid 32-bit number.
std::int32_t StrToIntDefault(const std::string& text, std::int32_t defaultValue);
// The same reading: true with value set when text is a valid number; false, value unchanged.
bool TryStrToInt(const std::string& text, std::int32_t& value);
std::string AsciiLowerCase(const std::string& text);  // "A" to "Z" only
std::string LowerCase(const std::string& text);       // the platform's CharLowerBuffA
std::string UpperCase(const std::string& text);       // the platform's CharUpperBuffA
// Full-width forms replaced by half-width ones (LCMapStringA, thread locale); empty when
// the platform cannot map the text.
std::string ToHalfWidth(const std::string& text);
std::string Trim(std::string text);  // without leading and trailing bytes 0 to 32
// The characters of text up to its first zero byte, counted as the platform's Unicode
// calls count them (UTF-16 units); 0 when the platform cannot convert it.
std::size_t WideLength(const std::string& text);

// Position of the first byte equal to byte, the terminator included; null when absent.
const char* FindChar(const char* text, char byte);
// Copies text up to its length or first zero byte, then a zero; destination must hold
// the text's length plus 1 bytes.
char* CopyToBuffer(char* destination, const std::string& text);
ByteKind GetBufferByteType(const char* buffer, std::size_t offset);
ByteKind GetByteType(const std::string& text, std::size_t index);  // index 1 to length

// 1-based position of the last byte of text that is one of delimiters and not the second
// byte of a double-byte character; 0 when none.
std::size_t FindLastDelimiter(const std::string& delimiters, const std::string& text);
std::string ExtractFolder(const std::string& path);     // up to and including the last "\" or ":"
std::string ExtractName(const std::string& path);       // after the last "\" or ":"
std::string ExtractExtension(const std::string& path);  // from the last "." of the name; empty without
std::string ChangeExtension(const std::string& path, const std::string& extension);
bool IsBackslashAt(const std::string& text, std::size_t index);
std::string AddTrailingBackslash(const std::string& text);
std::string RemoveTrailingBackslash(const std::string& text);

}  // namespace TinyUtils
