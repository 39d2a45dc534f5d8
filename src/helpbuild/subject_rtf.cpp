#include "helpbuild/subject_rtf.h"

#include "helpbuild/global_links.h"
#include "helpbuild/rtf_escape.h"
#include "model/document.h"
#include "model/subject.h"

namespace veldor {

namespace {

// Appends already escaped text, with global-string links when allowed.
void AppendBodyText(const std::string& escaped, bool substitute, std::string& out,
                    const RtfMaps& maps, const CVeldorDoc& doc) {
  if (!substitute || escaped.empty()) {
    out += escaped;
  } else if (maps.linker != nullptr) {
    maps.linker->Substitute(escaped, out);
  } else {
    GlobalLinker(doc.globals, doc.help32 != 0).Substitute(escaped, out);
  }
}

bool SubstitutesIn(const CTypeEdit& subject, bool substituteGlobals) {
  return substituteGlobals && !(subject.flags & kFlagIgnoreGlobals);
}

// Titles, subtitles, texts and plain subjects: prologue, first-line
// indent, the text, closing.
void WriteParagraphRtf(const CTypeEdit& subject, std::string& out, const RtfMaps& maps,
                       const CVeldorDoc& doc, bool substitute) {
  WriteRtfFormat(subject, out, maps);
  out += "\\fi" + std::to_string(CmToTwips(subject.firstIndent)) + " ";
  AppendBodyText(RtfEscape(subject.GetText()), substitute, out, maps, doc);
  WriteRtfClosing(subject, out);
}

const char* LinkPrefix(uint16_t linkMark) {
  switch (linkMark) {
    case 1:
      return " ";
    case 2:
      return "%";
    default:
      return "*";
  }
}

void AppendWindow(const std::string& window, std::string& out) {
  if (!window.empty()) out += ">" + window;
}

void WriteJumpRtf(const CTypeEdit& subject, std::string& out, const RtfMaps& maps,
                  const CVeldorDoc& doc) {
  const std::string& target = ResolveTarget(subject.target, maps.topicRefs);
  WriteRtfFormat(subject, out, maps);
  const std::string prefix = LinkPrefix(subject.linkMark);
  const std::string text = RtfEscape(subject.GetText());
  switch (subject.action) {
    case kActionRien:
      out += "{\\uldb " + text + "}";
      break;
    case kActionSaut:
      out += "{\\uldb " + text + "}{\\v " + prefix + " " + target;
      AppendWindow(subject.windowName, out);
      out += "}";
      break;
    case kActionSon:
      out += "{\\uldb " + text + "}{\\v " + prefix + " !" +
             SoundMacro(subject.soundOrCommand, doc.help32 != 0) + "}";
      break;
    case kActionPopup:
      out += "{\\ul " + text + "}{\\v " + prefix + " " + target;
      AppendWindow(subject.windowName, out);
      out += "}";
      break;
    case kActionImprime:
      out += "{\\ul " + text + "}{\\v " + prefix + " !Print()}";
      break;
    case kActionQuitte:
      out += "{\\ul " + text + "}{\\v " + prefix + " !exit()}";
      break;
    case kActionExecute:
      out += "{\\uldb " + text + "}{\\v " + prefix + " !" +
             ExecProgramMacro(subject.soundOrCommand) + "}";
      break;
    default:
      break;
  }
  WriteRtfClosing(subject, out);
}

void WriteBitmapRtf(const CTypeEdit& subject, std::string& out, const RtfMaps& maps,
                    const CVeldorDoc& doc, bool substituteGlobals) {
  const std::string& target = ResolveTarget(subject.target, maps.topicRefs);
  WriteRtfFormat(subject, out, maps);
  const std::string placement = (subject.flags & kFlagImageInLine) ? "bmc"
                                : subject.alignment <= 2 ? ImagePlacementWord(subject.alignment)
                                                         : "bml";
  const std::string file = RtfEscape(subject.title);
  std::string caption;
  if (subject.style.underline && subject.action != kActionSon) caption = "\\ul ";
  AppendBodyText(RtfEscape(subject.GetText()), SubstitutesIn(subject, substituteGlobals), caption,
                 maps, doc);
  const bool captionFirst = (subject.flags & kFlagImageRight) != 0;
  const std::string picture = placement + " " + file;

  std::string image;
  switch (subject.action) {
    case kActionRien:
      image = "\\{" + picture + "\\}";
      break;
    case kActionSaut:
    case kActionPopup:
      image = (subject.action == kActionSaut ? "{\\uldb \\{" : "{\\ul \\{") + picture +
              "\\}}{\\v " + target;
      AppendWindow(subject.windowName, image);
      image += captionFirst ? "}" : "} ";
      break;
    case kActionSon:
      image = "{\\uldb \\{" + picture + "\\}}{\\v  !" +
              SoundMacro(subject.soundOrCommand, doc.help32 != 0) + "}";
      break;
    case kActionImprime:
      image =
          "{\\uldb \\{" + picture + (captionFirst ? "\\}}{\\v !Print()}" : "\\}}{\\v !Print()} ");
      break;
    case kActionQuitte:
      image = "{\\uldb \\{" + picture + (captionFirst ? "\\}}{\\v !exit()}" : "\\}}{\\v !exit()} ");
      break;
    case kActionExecute:
      image =
          "{\\uldb \\{" + picture + "\\}}{\\v  !" + ExecProgramMacro(subject.soundOrCommand) + "}";
      break;
    default:
      caption.clear();  // an unknown action writes neither image nor caption
      break;
  }
  out += captionFirst ? caption + image : image + caption;
  WriteRtfClosing(subject, out);
}

}  // namespace

const std::string& ResolveTarget(const std::string& target, const StringMap& topicRefs) {
  auto it = topicRefs.find(target);
  return it != topicRefs.end() ? it->second : target;
}

void WriteRtf(const CTypeEdit& subject, std::string& out, const RtfMaps& maps,
              const CVeldorDoc& doc, bool substituteGlobals) {
  switch (subject.typeCode) {
    case kTypeIndent:
    case kTypeTexte:
      WriteParagraphRtf(subject, out, maps, doc, SubstitutesIn(subject, substituteGlobals));
      break;
    case kTypeBitMap:
      WriteBitmapRtf(subject, out, maps, doc, substituteGlobals);
      break;
    case kTypeJump:
      WriteJumpRtf(subject, out, maps, doc);
      break;
    default:  // titles, subtitles and plain subjects: never any global link
      WriteParagraphRtf(subject, out, maps, doc, false);
      break;
  }
}

void WriteRtfExport(const CTypeEdit& subject, std::string& out, const RtfMaps& maps,
                    const CVeldorDoc& doc) {
  switch (subject.typeCode) {
    case kTypeBitMap:
      WriteRtfFormat(subject, out, maps);
      if (subject.style.underline) out += "\\ul ";
      AppendRtfEscaped(subject.GetText(), out);
      WriteRtfClosing(subject, out);
      break;
    case kTypeJump:
      WriteRtfFormat(subject, out, maps);
      AppendRtfEscaped(subject.GetText(), out);
      WriteRtfClosing(subject, out);
      break;
    default:
      WriteRtf(subject, out, maps, doc, false);
      break;
  }
}

}  // namespace veldor
