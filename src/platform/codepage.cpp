#include "platform/codepage.h"

#include <array>
#include <cstdint>

namespace veldor {

namespace {

// Unicode of the Windows-1252 bytes 0x80 to 0x9F. The five bytes the code
// page leaves undefined stand for the C1 control of the same number.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

// Unicode of the OEM 850 bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kOem850High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8
};

constexpr char32_t kInvalid = 0xFFFFFFFF;

constexpr char16_t Cp1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t{byte};
}

// The Windows-1252 byte of a character, or -1 when the code page lacks it.
constexpr int UnicodeToCp1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (int i = 0; i < 32; ++i) {
    if (kCp1252High[i] == code) return 0x80 + i;
  }
  return -1;
}

constexpr std::array<char, 256> MakeCp1252ToOem850() {
  std::array<char, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    const char16_t code = Cp1252ToUnicode(static_cast<unsigned char>(byte));
    char oem = '?';
    if (code < 0x80) {
      oem = static_cast<char>(code);
    } else {
      for (int i = 0; i < 128; ++i) {
        if (kOem850High[i] == code) oem = static_cast<char>(0x80 + i);
      }
    }
    table[byte] = oem;
  }
  return table;
}

constexpr std::array<char, 256> kCp1252ToOem850 = MakeCp1252ToOem850();

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Decodes the UTF-8 sequence at text[pos]. Returns the character, or
// kInvalid for a malformed sequence; `pos` moves past the sequence, or past
// its longest well-formed beginning when it is malformed (at least one byte).
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  int length;
  char32_t code;
  unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return kInvalid;
  }
  for (int i = 1; i < length; ++i) {
    if (pos >= text.size()) return kInvalid;
    const auto next = static_cast<unsigned char>(text[pos]);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return kInvalid;
    code = (code << 6) | (next & 0x3F);
    ++pos;
  }
  return code;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char32_t code = DecodeUtf8(text, pos);
    const int byte = code == kInvalid ? -1 : UnicodeToCp1252(code);
    out += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (DecodeUtf8(text, pos) == kInvalid) return false;
  }
  return true;
}

std::string Cp1252ToOem850(std::string_view text) {
  std::string out(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    out[i] = kCp1252ToOem850[static_cast<unsigned char>(text[i])];
  }
  return out;
}

char Utf16UnitToCp1252(char16_t unit) {
  const int byte = UnicodeToCp1252(unit);
  return byte < 0 ? '?' : static_cast<char>(byte);
}

std::string Oem850ToCp1252(std::string_view text) {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> inverse;
    inverse.fill('?');
    for (int b = 0; b < 256; ++b) {
      const std::string oem = Cp1252ToOem850(std::string(1, static_cast<char>(b)));
      if (oem.size() != 1 || (oem[0] == '?' && b != '?')) continue;
      char& slot = inverse[static_cast<unsigned char>(oem[0])];
      if (slot == '?') slot = static_cast<char>(b);
    }
    return inverse;
  }();
  std::string out;
  out.reserve(text.size());
  for (const char c : text) out += table[static_cast<unsigned char>(c)];
  return out;
}

}  // namespace veldor
