// The formatting prologue and closing shared by the RTF writers of all
// subject types, and the maps they read (font and colour numbers, topic
// references).
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace veldor {

class CTypeEdit;
class CTypeFont;
class GlobalLinker;

using StringMap = std::map<std::string, std::string>;

// What a subject writer is handed by the topic and project writers.
struct RtfMaps {
  // Font key ("\fswiss Arial") to font number.
  const StringMap& fonts;
  // Colour key (";\red0\green0\blue0") to colour number.
  const StringMap& colours;
  // Topic context string to the reference context string jumps must use.
  const StringMap& topicRefs;
  // The document's global strings prepared for substitution; when null,
  // writers prepare them from the document for each subject (slower).
  const GlobalLinker* linker = nullptr;
};

// ";\red%d\green%d\blue%d" of a 0x00BBGGRR colour.
std::string ColourKey(uint32_t rgb);
// "\" + family word + " " + face name.
std::string FontKey(const CTypeFont& style);
// Centimetres to twips: the integer part of cm x 566.93.
long CmToTwips(float cm);

// "\plain", character formatting, borders and, for a subject that ends
// its paragraph, the paragraph layout followed by one blank.
void WriteRtfFormat(const CTypeEdit& subject, std::string& out, const RtfMaps& maps);
// "\par", "\pard" (default style) and "}" for a subject that ends its
// paragraph; then a line feed in every case.
void WriteRtfClosing(const CTypeEdit& subject, std::string& out);

}  // namespace veldor
