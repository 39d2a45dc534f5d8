// The project file (.ehe): its layout, reading it safely, and saving it with
// the backup rule without ever risking both the old and the new version.
#include <cctype>
#include <new>
#include <utility>

#include "model/archive.h"
#include "model/document.h"
#include "model/help_map_tables.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

namespace {

constexpr char kMagic[3] = {'E', 'R', 'V'};
constexpr char kVersionDigit = static_cast<char>('0' + CVeldorDoc::kFormatVersion);
constexpr const char* kBackupExtension = "ehb";

void SetError(std::string* error, const std::string& text) {
  if (error != nullptr) *error = text;
}

std::string Quoted(const std::string& path) {
  return "« " + path + " »";
}

std::string HexBytes(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned char c : bytes) {
    if (!text.empty()) text += ' ';
    text += kDigits[c >> 4];
    text += kDigits[c & 15];
  }
  return text;
}

// A little more than the size of the file of `doc`, so that writing it
// fills one buffer without growing it again and again.
size_t EstimatedFileSize(const CVeldorDoc& doc) {
  // Fixed parts: the option block, a topic and a subject without their
  // strings, with room for short strings and lists.
  constexpr size_t kOptions = 1024, kTopic = 160, kSubject = 160, kRecord = 64;
  size_t size = kOptions;
  for (const auto& topic : doc.topics) {
    size += kTopic + topic->name.size() + topic->title.size() + topic->references.size() +
            topic->browse.size() + topic->chapter.size();
    for (const std::string& keyword : topic->keywords) size += keyword.size() + 3;
    for (const auto& subject : topic->subjects) {
      size += kSubject + subject->title.size() + subject->text.size() + subject->target.size() +
              subject->soundOrCommand.size() + subject->windowName.size();
    }
  }
  for (int i = 0; i < doc.globals.count(); ++i) {
    const CGlobalTexte& global = *doc.globals.GetAt(i);
    size += kRecord + global.text.size() + global.target.size() + global.soundOrCommand.size();
  }
  return size + size / 16;
}

}  // namespace

// --- Layout --------------------------------------------------------------------

void CVeldorDoc::Serialize(CArchive& ar) {
  char magic[4] = {kMagic[0], kMagic[1], kMagic[2], kVersionDigit};
  ar.Bytes(magic, sizeof magic);
  int version = kFormatVersion;
  if (ar.IsLoading()) {
    const bool known = magic[0] == kMagic[0] && magic[1] == kMagic[1] && magic[2] == kMagic[2];
    if (!known ||
        static_cast<unsigned char>(magic[3]) > static_cast<unsigned char>(kVersionDigit)) {
      formatRejected = 1;
      return;
    }
    version = static_cast<unsigned char>(magic[3]) - '0';
  }

  if (ar.IsStoring()) {
    ar.PutWord(static_cast<uint16_t>(topics.size()));
    for (const auto& topic : topics) topic->Serialize(ar);
  } else {
    const uint16_t count = ar.GetWord();
    if (count > kMaxTopics) {
      ar.Fail("le projet annonce " + std::to_string(count) + " groupes, " +
              std::to_string(kMaxTopics) + " au plus sont possibles");
    }
    topics.clear();
    ar.Charge(MemoryBudget::HeapBlock(count * sizeof(topics[0])));
    topics.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
      ar.Charge(MemoryBudget::HeapBlock(sizeof(CTopic)));
      auto topic = std::make_unique<CTopic>();
      topic->Serialize(ar);
      topics.push_back(std::move(topic));
    }
  }

  ar.String(projectName);
  ar.String(contentsTopic);
  ar.String(helpTitle);
  ar.String(rightsNotice);
  ar.String(iconFile);
  ar.Word(compression);
  ar.Word(warningLevel);
  ar.WordOf32(report);
  ar.String(rootDir);
  ar.String(bitmapRootDir);
  ar.String(errorLogFile);
  ar.String(description);
  ar.String(vcResourceInclude);
  ar.String(reservedText2);
  ar.WordOf32(cdromOptimise);
  ar.String(reservedText3);
  ar.WordOf32(reservedWord1);
  ar.Long(reservedLong1);
  ar.Word(devLinkKind);
  ar.Time(created);
  ar.Time(modified);
  ar.String(reservedText4);
  ar.WordOf32(help32);
  ar.WordOf32(reservedWord2);
  ar.WordOf32(reservedWord3);
  ar.Word(helpCompiler);
  ar.Word(reservedWord4);
  ar.Word(reservedWord5);
  ar.Long(reservedLong2);
  ar.Long(reservedLong3);
  ar.Long(reservedLong4);
  ar.String(devProjectFile);
  ar.String(reservedText5);
  ar.String(reservedText6);
  ar.StringArray(extraRtfFiles);
  ar.StringArray(bitmapLines);
  ar.StringArray(aliasLines);
  ar.StringArray(mapIncludes);
  ar.StringArray(hmLines);
  ar.StringArray(reservedList1);
  ar.StringArray(reservedList2);
  ar.StringArray(reservedList3);
  ar.StringArray(reservedList4);
  ar.StringArray(chapters);
  ar.StringArray(reservedList6);
  ar.StringArray(reservedList7);
  ar.WordArray(reservedWords1);
  ar.WordArray(reservedWords2);
  ar.WordArray(reservedWords3);
  ar.LongArray(reservedLongs1);
  ar.LongArray(reservedLongs2);
  ar.LongArray(reservedLongs3);
  ar.StringArray(hidPrefixes);
  ar.String(afxHelpInclude);
  ar.WordOf32(promptUnattached);
  ar.WordOf32(allowVcLinkChanges);
  ar.WordOf32(buildTextIndex);
  if (ar.IsLoading()) RebuildHelpMapTables(*this);

  if (version >= 2) {
    ar.StringArray(reservedList5);
    windows.Serialize(ar);
    globals.Serialize(ar);
  } else {
    // Files before version 2 end here and have neither windows nor global
    // strings.
    reservedList5.clear();
    windows.Clear();
    globals.Clear();
  }
}

std::string CVeldorDoc::SaveToBytes() const {
  std::string bytes;
  bytes.reserve(EstimatedFileSize(*this));
  CArchive ar(bytes);
  // Storing reads the fields and changes nothing.
  const_cast<CVeldorDoc*>(this)->Serialize(ar);
  return bytes;
}

// --- Reading -------------------------------------------------------------------

bool CVeldorDoc::LoadFromBytes(const std::string& bytes, std::string* error) {
  // The project is read into a document of its own and taken over only when
  // the whole file was read: a failure leaves this document as it was.
  std::unique_ptr<CVeldorDoc> fresh;
  try {
    fresh = std::make_unique<CVeldorDoc>();
    CArchive ar{std::string_view(bytes)};
    fresh->Serialize(ar);
  } catch (const ArchiveError& e) {
    SetError(error, std::string(kUnexpectedFormatMessage) +
                        " Le projet est illisible : " + e.what() + ".");
    return false;
  } catch (const std::bad_alloc&) {
    SetError(error,
             std::string(kUnexpectedFormatMessage) + " La mémoire manque pour lire ce projet.");
    return false;
  }
  if (fresh->formatRejected) {
    formatRejected = 1;
    const std::string head = bytes.substr(0, 4);
    const bool known = head.size() == 4 && head.compare(0, 3, kMagic, 3) == 0;
    if (known) {
      SetError(error,
               std::string(kUnexpectedFormatMessage) +
                   " Ce projet a été écrit par une version plus récente du programme"
                   " (format " +
                   (std::isprint(static_cast<unsigned char>(head[3])) ? head : HexBytes(head)) +
                   ").");
    } else {
      SetError(error, std::string(kUnexpectedFormatMessage) +
                          " Ce fichier n'est pas un projet (en-tête " + HexBytes(head) + ").");
    }
    return false;
  }
  TakeProjectFrom(*fresh);
  return true;
}

bool CVeldorDoc::Open(const std::string& path, std::string* error) {
  const std::string resolved = ResolvePath(path);
  std::string bytes;
  std::string reason;
  if (!ReadFilePrefix(resolved, kMaxProjectFileSize + 1, bytes, &reason)) {
    SetError(error, "Impossible de lire le projet " + Quoted(path) + " : " + reason);
    return false;
  }
  if (bytes.size() > kMaxProjectFileSize) {
    SetError(error, std::string(kUnexpectedFormatMessage) + " Le fichier " + Quoted(path) +
                        " est trop grand pour être un projet.");
    return false;
  }
  std::string problem;
  if (!LoadFromBytes(bytes, &problem)) {
    SetError(error, problem + " (" + path + ")");
    return false;
  }
  pathName = resolved;
  modifiedFlag = false;
  return true;
}

void CVeldorDoc::TakeProjectFrom(CVeldorDoc& other) {
  using std::swap;
  swap(topics, other.topics);
  swap(projectName, other.projectName);
  swap(contentsTopic, other.contentsTopic);
  swap(helpTitle, other.helpTitle);
  swap(rightsNotice, other.rightsNotice);
  swap(iconFile, other.iconFile);
  swap(rootDir, other.rootDir);
  swap(bitmapRootDir, other.bitmapRootDir);
  swap(errorLogFile, other.errorLogFile);
  swap(description, other.description);
  swap(vcResourceInclude, other.vcResourceInclude);
  swap(reservedText2, other.reservedText2);
  swap(compression, other.compression);
  swap(warningLevel, other.warningLevel);
  swap(report, other.report);
  swap(reservedText3, other.reservedText3);
  swap(cdromOptimise, other.cdromOptimise);
  swap(buildScratchText, other.buildScratchText);
  swap(buildScratchWord, other.buildScratchWord);
  swap(reservedWord1, other.reservedWord1);
  swap(extraRtfFiles, other.extraRtfFiles);
  swap(bitmapLines, other.bitmapLines);
  swap(aliasLines, other.aliasLines);
  swap(mapIncludes, other.mapIncludes);
  swap(fontMap, other.fontMap);
  swap(colourMap, other.colourMap);
  swap(hmLines, other.hmLines);
  swap(hmNames, other.hmNames);
  swap(hmValues, other.hmValues);
  swap(hmKnownNames, other.hmKnownNames);
  swap(hmNameOfValue, other.hmNameOfValue);
  swap(allowedHelpIds, other.allowedHelpIds);
  swap(afxHelpInclude, other.afxHelpInclude);
  swap(promptUnattached, other.promptUnattached);
  swap(allowVcLinkChanges, other.allowVcLinkChanges);
  swap(buildTextIndex, other.buildTextIndex);
  swap(hidPrefixes, other.hidPrefixes);
  swap(reservedList1, other.reservedList1);
  swap(reservedList2, other.reservedList2);
  swap(reservedList3, other.reservedList3);
  swap(devLinkKind, other.devLinkKind);
  swap(reservedLong1, other.reservedLong1);
  swap(created, other.created);
  swap(modified, other.modified);
  swap(reservedList4, other.reservedList4);
  swap(reservedText4, other.reservedText4);
  swap(help32, other.help32);
  swap(reservedWord2, other.reservedWord2);
  swap(reservedWord3, other.reservedWord3);
  swap(helpCompiler, other.helpCompiler);
  swap(reservedWord4, other.reservedWord4);
  swap(reservedWord5, other.reservedWord5);
  swap(reservedLong2, other.reservedLong2);
  swap(reservedLong3, other.reservedLong3);
  swap(reservedLong4, other.reservedLong4);
  swap(devProjectFile, other.devProjectFile);
  swap(reservedText5, other.reservedText5);
  swap(reservedText6, other.reservedText6);
  swap(reservedList5, other.reservedList5);
  swap(reservedList6, other.reservedList6);
  swap(reservedList7, other.reservedList7);
  swap(reservedWords1, other.reservedWords1);
  swap(reservedWords2, other.reservedWords2);
  swap(reservedWords3, other.reservedWords3);
  swap(reservedLongs1, other.reservedLongs1);
  swap(reservedLongs2, other.reservedLongs2);
  swap(reservedLongs3, other.reservedLongs3);
  swap(windows, other.windows);
  swap(globals, other.globals);
  swap(reservedList8, other.reservedList8);
  swap(chapters, other.chapters);
  formatRejected = 0;
  snapshots.clear();
  deletedTopics.clear();
  modifiedFlag = false;
}

// --- Writing -------------------------------------------------------------------

bool CVeldorDoc::SaveCopy(const std::string& path, std::string* error) const {
  std::string reason;
  if (!WriteFileDurably(path, SaveToBytes(), &reason)) {
    SetError(error, "Impossible d'écrire " + Quoted(path) + " : " + reason);
    return false;
  }
  return true;
}

bool CVeldorDoc::Save(const std::string& requested, std::string* error) {
  // A project reached through a symbolic link is saved into the file the
  // link leads to, and its backup goes beside that file.
  const std::string path = FollowLinks(requested);
  std::string reason;
  if (!CheckWritable(path, &reason)) {
    SetError(error, "Impossible d'enregistrer le projet " + Quoted(requested) + " : " + reason +
                        ". Rien n'a été écrit.");
    return false;
  }
  // Files left by a save that was killed half-way.
  RemoveStaleTemporaryFiles(path);

  // 1. The new version goes to a file of its own beside the target, flushed
  //    to disk. Until it is renamed, the old file is untouched.
  std::string pending;
  if (!WriteTemporaryFileDurably(path, SaveToBytes(), pending, &reason)) {
    SetError(error, "Impossible d'enregistrer le projet " + Quoted(requested) + " : " + reason +
                        "." +
                        (FileExists(path) ? " Le fichier existant n'a pas été modifié." : ""));
    return false;
  }

  // 2. The old file becomes the backup (replacing an older backup) as a
  //    second name of the same file, or a copy: the project name keeps
  //    naming the complete old file meanwhile.
  const std::string backup = ReplaceExtension(path, kBackupExtension);
  if (backup != path && FileExists(path) && !LinkOrCopyFile(path, backup, &reason)) {
    DeleteFile(pending);
    SetError(error, "Impossible de faire la sauvegarde " + Quoted(backup) + " : " + reason +
                        ". Le projet n'a pas été enregistré ; le fichier existant n'a pas été" +
                        " modifié.");
    return false;
  }

  // 3. One rename puts the new version in place of the old one.
  if (!CommitTemporaryFile(pending, path, &reason)) {
    SetError(error, "Impossible de renommer " + Quoted(pending) + " en " + Quoted(path) + " : " +
                        reason + ". Le fichier existant n'a pas été modifié.");
    return false;
  }
  pathName = requested;
  modifiedFlag = false;
  return true;
}

}  // namespace veldor
