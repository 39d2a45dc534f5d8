// CVeldorDoc: one help project, its topics, options, chapters, global
// strings and help windows, and its .ehe file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/global_texte.h"
#include "model/topic.h"
#include "model/win_attr.h"

namespace veldor {

class CArchive;

// The first words of every message about a project file that cannot be read.
inline constexpr const char* kUnexpectedFormatMessage = "Format de fichier inattendu.";
// Files larger than this are not read: no real project comes near it.
inline constexpr std::size_t kMaxProjectFileSize = 512u * 1024 * 1024;

inline constexpr const char* kAllChapters = "ToutChapitre";
inline constexpr const char* kNoChapter = "SansChapitre";

class CVeldorDoc {
 public:
  static constexpr int kMaxTopics = 4096;
  static constexpr int kMaxDeletedTopics = 2048;
  static constexpr int kFormatVersion = 2;

  // A new project with the defaults of a new document (created and
  // modified set to now).
  CVeldorDoc();
  ~CVeldorDoc();
  CVeldorDoc(const CVeldorDoc&) = delete;
  CVeldorDoc& operator=(const CVeldorDoc&) = delete;

  // --- File ---------------------------------------------------------------
  // Reads a project. On failure returns false with a message in `error`
  // (UTF-8) and leaves this document as it was. A refused magic or version
  // sets formatRejected (and also returns false).
  bool Open(const std::string& path, std::string* error = nullptr);
  // Reads from memory (the same rules as Open).
  bool LoadFromBytes(const std::string& bytes, std::string* error = nullptr);
  // The .ehe bytes of the project.
  std::string SaveToBytes() const;
  // Saves with the backup rule: the previous file of that name ends up
  // under the "ehb" name, the project under `path`. The new file is
  // written durably, the backup is made as a second name (or a copy) of the
  // old file, and one rename replaces the old file: `path` always names a
  // complete project. The file keeps its permissions; through a symbolic
  // link, the file it leads to is saved. Only a regular file is replaced.
  bool Save(const std::string& path, std::string* error = nullptr);
  // Writes a plain copy (no backup), e.g. the ".000" copy of a build.
  bool SaveCopy(const std::string& path, std::string* error = nullptr) const;
  void Serialize(CArchive& ar);

  const std::string& GetPathName() const { return pathName; }
  void SetPathName(const std::string& p) { pathName = p; }
  bool IsModified() const { return modifiedFlag; }
  void SetModifiedFlag(bool m = true) { modifiedFlag = m; }

  // --- Topics -------------------------------------------------------------
  int topicCount() const { return static_cast<int>(topics.size()); }
  // Appends and takes ownership; refuses (0) past 4096 topics.
  int AddTopic(std::unique_ptr<CTopic> t);
  void DeleteTopic(int i);
  CTopic* GetTopic(int i) const { return topics[static_cast<size_t>(i)].get(); }
  CTopic* FindTopic(const std::string& name) const;    // exact, case-sensitive
  int IndexOfTopic(const std::string& name) const;     // exact, or -1
  int TopicNameExists(const std::string& name) const;  // after upper-casing
  void RenameTopicReferences(const std::string& oldName, const std::string& newName);
  void SortTopics();
  void GetTopicsOfChapter(const std::string& chapter, std::vector<std::string>& list) const;

  // --- Deleted topics -----------------------------------------------------
  int GetDeletedCount() const { return static_cast<int>(deletedTopics.size()); }
  CTopic* GetDeletedTopic(int i) const;
  // Removes entry i; destroys it when `destroy`, else hands it back.
  std::unique_ptr<CTopic> RemoveDeletedTopic(int i, bool destroy);
  void ClearDeletedTopics() { deletedTopics.clear(); }

  // --- Chapters -----------------------------------------------------------
  int AddChapter(const std::string& name);
  int InsertChapter(int i, const std::string& name);
  int IndexOfChapter(const std::string& name) const;
  void RenameChapter(int i, const std::string& newName);
  void DeleteChapter(int i);
  void MoveChapterUp(int i);
  void MoveChapterDown(int i);
  int PositionInChapter(int i) const;

  // --- Snapshots ----------------------------------------------------------
  void SnapshotTopic(int i);
  void RestoreSnapshots();
  void DiscardSnapshots();
  bool HasSnapshot(int i) const;

  // --- Fields -------------------------------------------------------------
  std::vector<std::unique_ptr<CTopic>> topics;
  std::string projectName;
  std::string contentsTopic;
  std::string helpTitle;
  std::string rightsNotice;
  std::string iconFile;
  std::string rootDir;
  std::string bitmapRootDir;
  std::string errorLogFile;
  std::string description;
  std::string vcResourceInclude;
  std::string reservedText2;
  uint16_t compression = 0;
  uint16_t warningLevel = 0;
  int32_t report = 1;
  std::string reservedText3;
  int32_t cdromOptimise = 0;
  std::string buildScratchText;
  int32_t buildScratchWord = 0;
  int32_t reservedWord1 = 1;
  std::vector<std::string> extraRtfFiles;
  std::vector<std::string> bitmapLines;
  std::vector<std::string> aliasLines;
  std::vector<std::string> mapIncludes;
  // Working tables of the help build (transient).
  std::map<std::string, std::string> fontMap;
  std::map<std::string, std::string> colourMap;
  std::vector<std::string> hmLines;
  // Working tables of the Visual C++ help map (transient).
  std::vector<std::string> hmNames;
  std::vector<int32_t> hmValues;
  std::set<std::string> hmKnownNames;
  std::map<int32_t, std::string> hmNameOfValue;
  std::vector<std::string> allowedHelpIds;
  std::string afxHelpInclude;
  int32_t promptUnattached = 1;
  int32_t allowVcLinkChanges = 0;
  int32_t buildTextIndex = 1;
  std::vector<std::string> hidPrefixes;
  std::vector<std::string> reservedList1;
  std::vector<std::string> reservedList2;
  std::vector<std::string> reservedList3;
  uint16_t devLinkKind = 0;
  int32_t reservedLong1 = 0;
  int64_t created = 0;
  int64_t modified = 0;
  std::vector<std::string> reservedList4;
  std::string reservedText4;
  int32_t help32 = 0;
  int32_t reservedWord2 = 0;
  int32_t reservedWord3 = 0;
  uint16_t helpCompiler = 0;
  uint16_t reservedWord4 = 0;
  uint16_t reservedWord5 = 0;
  int32_t reservedLong2 = 0;
  int32_t reservedLong3 = 0;
  int32_t reservedLong4 = 0;
  std::string devProjectFile;
  std::string reservedText5;
  std::string reservedText6;
  std::vector<std::string> reservedList5;
  std::vector<std::string> reservedList6;
  std::vector<std::string> reservedList7;
  std::vector<uint16_t> reservedWords1;
  std::vector<uint16_t> reservedWords2;
  std::vector<uint16_t> reservedWords3;
  std::vector<uint32_t> reservedLongs1;
  std::vector<uint32_t> reservedLongs2;
  std::vector<uint32_t> reservedLongs3;
  CGestWinAttr windows;
  CGestGlobal globals;
  std::vector<std::string> reservedList8;  // not stored
  std::vector<std::string> chapters;
  int32_t formatRejected = 0;

 private:
  // Moves every stored and derived field of `other` (a project just read)
  // into this document; the transient lists of this document are emptied.
  void TakeProjectFrom(CVeldorDoc& other);

  std::vector<std::unique_ptr<CTopic>> snapshots;      // indexed like topics
  std::vector<std::unique_ptr<CTopic>> deletedTopics;  // oldest first
  std::string pathName;
  bool modifiedFlag = false;
};

}  // namespace veldor
