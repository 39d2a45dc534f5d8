// Everything a help file is built from, once the help project and its
// topic files have been read: options, windows, the context map, the
// topics of each file, and a way to load the pictures they name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "helprtf/help_topics.h"
#include "winhelp/byte_writer.h"

namespace veldor::winhelp {

// A window of the [WINDOWS] section.
struct HelpWindow {
  std::string name;     // at most 8 characters; "main" for the main window
  std::string caption;  // at most 50
  std::string type;     // window type, rarely given
  bool hasPosition = false;
  int x = 0, y = 0, width = 0, height = 0;  // in 1/1024 of the screen
  int maximize = 0;                         // 1: maximized
  bool hasMainColour = false, hasNonScrollColour = false;
  uint8_t mainColour[3] = {255, 255, 255};
  uint8_t nonScrollColour[3] = {255, 255, 255};
  bool onTop = false;
};

// A [MAP] entry: a context string and the number an application asks for.
struct HelpMapEntry {
  std::string context;
  uint32_t id = 0;
  std::string origin;  // where it was read, for messages ("DEMO.HPJ" or a map file)
};

// A topic file and its topics, in the order of [FILES].
struct HelpSourceFile {
  std::string path;  // as the messages name it
  helprtf::HelpDocument document;
};

// A picture ready to embed: the "lP" picture file data (one or several
// images with their hot spots) and its number of hot spots.
struct HelpPicture {
  Bytes data;
  int hotSpots = 0;
};

// Loads the picture a topic names ({bmc NAME}); false with a reason when it
// cannot be found or read.
using PictureLoader = std::function<bool(const helprtf::PictureRef& reference, HelpPicture& picture,
                                         std::string& reason)>;

struct HlpInput {
  std::string title;
  std::string copyright;
  std::string contents;  // context string of the contents topic; empty: the first topic
  std::string citation;
  Bytes icon;  // an .ICO file
  std::vector<std::string> configMacros;
  std::vector<HelpWindow> windows;
  bool compress = true;
  std::vector<HelpMapEntry> map;
  std::map<std::string, std::string> aliases;  // upper-case context string -> its replacement
  std::vector<HelpSourceFile> files;
  PictureLoader loadPicture;
  uint32_t date = 0;  // seconds since 1970, 0 for none
};

}  // namespace veldor::winhelp
