#include "exchange/html_text.h"

namespace veldor {

const std::array<HtmlEntity, 66> HtmlEntityTable = {{
    {0x26, "amp"},    {0x3C, "lt"},     {0x3E, "gt"},     {0x22, "quot"},   {0xE9, "eacute"},
    {0xE8, "egrave"}, {0xEA, "ecirc"},  {0xEB, "euml"},   {0xC0, "Agrave"}, {0xC1, "Aacute"},
    {0xC2, "Acirc"},  {0xC3, "Atilde"}, {0xC4, "Auml"},   {0xC5, "Aring"},  {0xC6, "AElig"},
    {0xC7, "Ccedil"}, {0xC8, "Egrave"}, {0xC9, "Eacute"}, {0xCA, "Ecirc"},  {0xCB, "Euml"},
    {0xCC, "Igrave"}, {0xCD, "Iacute"}, {0xCE, "Icirc"},  {0xCF, "Iuml"},   {0xD0, "ETH"},
    {0xD1, "Ntilde"}, {0xD2, "Ograve"}, {0xD3, "Oacute"}, {0xD4, "Ocirc"},  {0xD5, "Otilde"},
    {0xD6, "Ouml"},   {0xD8, "Oslash"}, {0xD9, "Ugrave"}, {0xDA, "Uacute"}, {0xDB, "Ucirc"},
    {0xDC, "Uuml"},   {0xDD, "Yacute"}, {0xDE, "THORN"},  {0xDF, "szlig"},  {0xE0, "agrave"},
    {0xE1, "aacute"}, {0xE2, "acirc"},  {0xE3, "atilde"}, {0xE4, "auml"},   {0xE5, "aring"},
    {0xE6, "aelig"},  {0xE7, "ccedil"}, {0xEC, "igrave"}, {0xED, "iacute"}, {0xEE, "icirc"},
    {0xEF, "iuml"},   {0xF0, "eth"},    {0xF1, "ntilde"}, {0xF2, "ograve"}, {0xF3, "oacute"},
    {0xF4, "ocirc"},  {0xF5, "otilde"}, {0xF6, "ouml"},   {0xF8, "oslash"}, {0xF9, "ugrave"},
    {0xFA, "uacute"}, {0xFB, "ucirc"},  {0xFC, "uuml"},   {0xFD, "yacute"}, {0xFE, "thorn"},
    {0xFF, "yuml"},
}};

namespace {

// Entity name of every byte, or nullptr; built once from the table.
struct EntityIndex {
  std::array<const char*, 256> names{};
  EntityIndex() {
    for (const HtmlEntity& entity : HtmlEntityTable) names[entity.code] = entity.name;
  }
};

const EntityIndex& Entities() {
  static const EntityIndex index;
  return index;
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
  const EntityIndex& entities = Entities();
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    const char* name = entities.names[static_cast<unsigned char>(c)];
    if (name != nullptr) {
      out += '&';
      out += name;
      out += ';';
    } else {
      out += c;
      if (c == '\n') out += "<BR>";
    }
  }
  return out;
}

std::string PathToUrl(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  const std::size_t colon = out.find(':');
  if (colon != std::string::npos) {
    out[colon] = '|';
    if (colon == 1) out.insert(out.begin(), '/');
  }
  return out;
}

namespace {

// The character reference of a character that would end a double-quoted
// attribute or start markup or a reference; nullptr for any other.
const char* MarkupReference(char c) {
  switch (c) {
    case '"':
      return "&quot;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '&':
      return "&amp;";
    default:
      return nullptr;
  }
}

}  // namespace

std::string HtmlUrlAttribute(std::string_view url) {
  std::string out;
  out.reserve(url.size() + 8);
  for (char c : url) {
    if (const char* reference = MarkupReference(c)) {
      out += reference;
    } else if (c == '%' || c == '#' || c == '?') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += '%';
      out += kHex[(c >> 4) & 0xF];
      out += kHex[c & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

std::string HtmlMarkupEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    const char* reference = MarkupReference(c);
    if (reference != nullptr) {
      out += reference;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace veldor
