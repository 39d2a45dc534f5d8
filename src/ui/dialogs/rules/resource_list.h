// The list of the project's resources ("Liste des resources"): its images
// and sounds, missing files flagged, and how its printout is laid out.
#pragma once

#include <string>
#include <vector>

namespace veldor {

class CVeldorDoc;

// The lines of the list: "Liste des images", the image names (upper case;
// "Absent:" and the name for each use of a missing file, else the name once),
// "Liste des sons", the sounds of images and jumps in the same way, then the
// sounds of the global strings ("Global Absent:" or "Global:" and the name).
// Relative names are looked for in the work directory, then as they are.
std::vector<std::string> BuildResourceList(const CVeldorDoc& doc);

// "Ligne %d / %d": the selected line counting from 1, and the count.
std::string ResourceLineLabel(int selected, int count);

inline constexpr const char* kResourcePrintJob = "Resource VEL";
inline constexpr const char* kResourcePrintHeading = "Resources VELDOR";
inline constexpr int kResourcePrintFontHeight = 40;
inline constexpr int kResourcePrintX = 10;

// Where each printed line goes: its page (from 0) and top. The heading is
// line 0; each line is font height + 5 below the previous; a new page
// starts when the next line would not fit in `pageHeight`.
struct PrintedLine {
  int page = 0;
  int y = 0;
};
std::vector<PrintedLine> LayOutPrintedLines(int lineCount, int pageHeight,
                                            int fontHeight = kResourcePrintFontHeight);

}  // namespace veldor
