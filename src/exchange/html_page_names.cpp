#include "exchange/html_page_names.h"

#include <unordered_set>

#include "model/document.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace veldor {

namespace {

// Bytes of UTF-8 a page name may take: with ".htm" and a "_NNNN" suffix
// it stays below the usual limit of 255 bytes for one file name.
constexpr std::size_t kMaxPageNameUtf8 = 200;

bool UnsafeInFileName(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return true;
  switch (c) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
      return true;
    default:
      return false;
  }
}

// Bytes one Windows-1252 byte takes in UTF-8.
std::size_t Utf8Length(unsigned char c) {
  if (c < 0x80) return 1;
  if (c >= 0xA0) return 2;
  return 3;  // the 0x80-0x9F block holds characters above U+07FF
}

}  // namespace

std::string SafeHtmlPageName(const std::string& topicName) {
  std::string out;
  std::size_t utf8 = 0;
  for (char c : topicName) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const std::size_t length = Utf8Length(byte);
    if (utf8 + length > kMaxPageNameUtf8) break;
    utf8 += length;
    out += UnsafeInFileName(byte) ? '_' : c;
  }
  if (out.empty()) out = "_";
  return out;
}

HtmlPageNames::HtmlPageNames(const CVeldorDoc& doc) {
  const int count = doc.topicCount();
  pages_.assign(static_cast<size_t>(count), std::string());
  std::unordered_set<std::string> taken;  // upper-cased page names
  std::vector<int> pending;
  // First pass: topics whose name is already a safe page name keep it.
  for (int i = 0; i < count; ++i) {
    const std::string& name = doc.GetTopic(i)->name;
    exact_.emplace(name, i);
    folded_.emplace(AsciiUpper(name), i);
    const std::string safe = SafeHtmlPageName(name);
    if (safe == name && taken.insert(AsciiUpper(safe)).second) {
      pages_[static_cast<size_t>(i)] = safe;
    } else {
      pending.push_back(i);
    }
  }
  // Second pass: the others take their safe name or a numbered form of it.
  for (int i : pending) {
    const std::string safe = SafeHtmlPageName(doc.GetTopic(i)->name);
    std::string page = safe;
    for (int n = 2; !taken.insert(AsciiUpper(page)).second; ++n) {
      page = safe + "_" + std::to_string(n);
    }
    pages_[static_cast<size_t>(i)] = page;
  }
}

std::string HtmlPageNames::PageOfTarget(const std::string& target) const {
  auto exact = exact_.find(target);
  if (exact != exact_.end()) return pages_[static_cast<size_t>(exact->second)];
  auto folded = folded_.find(AsciiUpper(target));
  if (folded != folded_.end()) return pages_[static_cast<size_t>(folded->second)];
  return SafeHtmlPageName(target);
}

std::string HtmlPageFileName(const std::string& pageName) {
  return Cp1252ToUtf8(pageName) + ".htm";
}

}  // namespace veldor
