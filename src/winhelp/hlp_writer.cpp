#include "winhelp/hlp_writer.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "platform/paths.h"
#include "winhelp/context_hash.h"
#include "winhelp/font_table.h"
#include "winhelp/hlp_container.h"
#include "winhelp/hlp_limits.h"
#include "winhelp/index_files.h"
#include "winhelp/paragraph_encoder.h"
#include "winhelp/picture_file.h"
#include "winhelp/system_file.h"
#include "winhelp/topic_file.h"

namespace veldor::winhelp {

namespace {

// Where a topic came from, for messages.
struct TopicSource {
  const HelpSourceFile* file = nullptr;
  const helprtf::Topic* topic = nullptr;
  int number = 0;  // 1-based in its file
};

struct PendingJump {
  int topic = 0;  // index into the topic list
  std::string context;
  bool popup = false;
};

class Builder {
 public:
  Builder(const HlpInput& input, Diagnostics& diagnostics, HlpStats& stats)
      : input_(input), diagnostics_(diagnostics), stats_(stats) {}

  Bytes Build() {
    CollectWindows();
    CollectTopics();
    RegisterContexts();
    WriteTopics();
    CheckJumps();
    LinkBrowseSequences();
    const Bytes topicFile = topics_.Build(input_.compress);

    HlpContainer container;
    container.AddFile("|SYSTEM", BuildSystemFile(SystemData()));
    container.AddFile("|TOPIC", topicFile);
    container.AddFile("|FONT", fonts_.Build());
    container.AddFile("|CONTEXT", BuildContextFile(ContextEntries()));
    container.AddFile("|TTLBTREE", BuildTitleFile(TitleEntries()));
    AddKeywordFiles(container, "|KW", false);
    AddKeywordFiles(container, "|AW", true);
    AddContextMap(container);
    for (size_t i = 0; i < pictures_.size(); ++i) {
      container.AddFile("|bm" + std::to_string(i), pictures_[i].data);
    }
    Bytes file = container.Build();
    stats_.topics = static_cast<int>(sources_.size());
    stats_.pictures = static_cast<int>(pictures_.size());
    stats_.bytes = file.size();
    return file;
  }

 private:
  void CollectWindows() {
    for (const HelpWindow& window : input_.windows) {
      if (static_cast<int>(windows_.size()) >= kMaxWindows) {
        diagnostics_.Warning("too many windows; '" + window.name + "' is left out");
        continue;
      }
      HelpWindow kept = window;
      const std::string fullName = AsciiLower(kept.name);
      if (kept.name.size() > kMaxWindowNameLength) {
        diagnostics_.Warning("window name '" + kept.name + "' is cut to " +
                             std::to_string(kMaxWindowNameLength) + " characters");
        kept.name.resize(kMaxWindowNameLength);
      }
      if (kept.caption.size() > kMaxWindowCaptionLength) {
        diagnostics_.Warning("caption of window '" + kept.name + "' is cut to " +
                             std::to_string(kMaxWindowCaptionLength) + " characters");
        kept.caption.resize(kMaxWindowCaptionLength);
      }
      const std::string key = AsciiLower(kept.name);
      if (windowNumbers_.count(key) != 0) {
        diagnostics_.Warning("window '" + kept.name + "' is defined twice; the first is kept");
        continue;
      }
      windowNumbers_[key] = static_cast<int>(windows_.size());
      // Jumps may still name the window in full.
      windowNumbers_.emplace(fullName, static_cast<int>(windows_.size()));
      windows_.push_back(kept);
    }
  }

  void CollectTopics() {
    for (const HelpSourceFile& file : input_.files) {
      for (const helprtf::ReadNote& note : file.document.notes) {
        if (note.topic > 0) {
          diagnostics_.TopicWarning(file.path, note.topic, note.text);
        } else {
          diagnostics_.Warning(file.path + " line " + std::to_string(note.line) + " : " +
                               note.text);
        }
      }
      int number = 0;
      for (const helprtf::Topic& topic : file.document.topics) {
        sources_.push_back({&file, &topic, ++number});
      }
    }
  }

  std::string Resolve(const std::string& context) const {
    const auto alias = input_.aliases.find(AsciiUpper(context));
    return alias == input_.aliases.end() ? context : alias->second;
  }

  void RegisterContexts() {
    for (size_t t = 0; t < sources_.size(); ++t) {
      const TopicSource& source = sources_[t];
      if (source.topic->contextStrings.empty()) {
        diagnostics_.TopicWarning(source.file->path, source.number,
                                  "topic has no context string; only browsing or keywords "
                                  "can reach it");
      }
      for (const std::string& context : source.topic->contextStrings) {
        if (!IsValidContextString(context) || context.size() > kMaxContextStringLength) {
          diagnostics_.TopicError(source.file->path, source.number,
                                  "invalid context string '" + context + "'");
          continue;
        }
        const int32_t hash = ContextHash(context);
        const auto [it, added] = contexts_.emplace(hash, static_cast<int>(t));
        if (!added) {
          const TopicSource& first = sources_[it->second];
          diagnostics_.TopicError(source.file->path, source.number,
                                  "duplicate context string '" + context + "' (also topic #" +
                                      std::to_string(first.number) + " of " + first.file->path +
                                      ")");
        }
      }
    }
  }

  int TopicOfContext(const std::string& context) const {
    const auto it = contexts_.find(ContextHash(Resolve(context)));
    return it == contexts_.end() ? -1 : it->second;
  }

  void WriteTopics() {
    ParagraphServices services;
    services.fonts = &fonts_;
    services.resolveContext = [this](const std::string& context) { return Resolve(context); };
    services.windowNumber = [this](const std::string& name) {
      const auto it = windowNumbers_.find(AsciiLower(name));
      return it == windowNumbers_.end() ? -1 : it->second;
    };
    for (size_t t = 0; t < sources_.size(); ++t) {
      const TopicSource& source = sources_[t];
      const helprtf::Topic& topic = *source.topic;
      std::string title = topic.title;
      if (title.size() > kMaxTitleLength) {
        diagnostics_.TopicWarning(
            source.file->path, source.number,
            "title is cut to " + std::to_string(kMaxTitleLength) + " characters");
        title.resize(kMaxTitleLength);
      }
      topics_.BeginTopic(title, topic.entryMacros);
      services.onHotSpot = [this, t](const helprtf::HotSpot& hotSpot) { NoteHotSpot(t, hotSpot); };
      services.pictureNumber = [this, t](const helprtf::PictureRef& picture, int& hotSpots) {
        return PictureNumber(t, picture, hotSpots);
      };
      if (!topic.window.empty() && windowNumbers_.count(AsciiLower(topic.window)) == 0) {
        diagnostics_.TopicWarning(source.file->path, source.number,
                                  "window '" + topic.window + "' is not defined in [WINDOWS]");
      }
      bool nonScrollingAllowed = true;
      bool any = false;
      const auto& paragraphs = topic.paragraphs;
      for (size_t p = 0; p < paragraphs.size(); ++p) {
        const helprtf::Paragraph& paragraph = paragraphs[p];
        const bool nonScrolling = nonScrollingAllowed && paragraph.format.nonScrolling;
        if (!paragraph.format.nonScrolling) nonScrollingAllowed = false;
        if (paragraph.format.inTable) {
          // A row: its cells up to the paragraph that ends it.
          std::vector<std::vector<const helprtf::Paragraph*>> cells(1);
          for (; p < paragraphs.size() && paragraphs[p].format.inTable; ++p) {
            cells.back().push_back(&paragraphs[p]);
            if (paragraphs[p].endsRow) break;
            if (paragraphs[p].endsCell) cells.emplace_back();
          }
          if (cells.back().empty()) cells.pop_back();
          if (p == paragraphs.size() || !paragraphs[p].format.inTable) --p;
          EncodedParagraph row = EncodeTableRow(cells, source.file->document, services);
          topics_.AddParagraph(std::move(row.linkData1), std::move(row.linkData2), row.characters,
                               nonScrolling, true);
          any = true;
          continue;
        }
        for (EncodedParagraph& encoded :
             EncodeParagraph(paragraph, source.file->document, services)) {
          topics_.AddParagraph(std::move(encoded.linkData1), std::move(encoded.linkData2),
                               encoded.characters, nonScrolling);
          any = true;
        }
      }
      if (!any) {
        // Every topic holds a paragraph, so that no two topics share an offset.
        helprtf::Paragraph empty;
        for (EncodedParagraph& encoded : EncodeParagraph(empty, source.file->document, services)) {
          topics_.AddParagraph(std::move(encoded.linkData1), std::move(encoded.linkData2),
                               encoded.characters, false);
        }
      }
    }
  }

  void NoteHotSpot(size_t topic, const helprtf::HotSpot& hotSpot) {
    if (hotSpot.kind == helprtf::HotSpotKind::Macro) return;
    ++stats_.jumps;
    const TopicSource& source = sources_[topic];
    if (!hotSpot.window.empty() && hotSpot.file.empty() &&
        windowNumbers_.count(AsciiLower(hotSpot.window)) == 0) {
      diagnostics_.TopicWarning(source.file->path, source.number,
                                "window '" + hotSpot.window + "' of the jump to '" +
                                    hotSpot.target + "' is not defined in [WINDOWS]");
    }
    if (!hotSpot.file.empty()) return;  // another help file: not checked here
    jumps_.push_back(
        {static_cast<int>(topic), hotSpot.target, hotSpot.kind == helprtf::HotSpotKind::Popup});
  }

  void CheckJumps() {
    for (const PendingJump& jump : jumps_) {
      if (TopicOfContext(jump.context) >= 0) continue;
      const TopicSource& source = sources_[jump.topic];
      diagnostics_.TopicWarning(source.file->path, source.number,
                                std::string(jump.popup ? "pop-up" : "jump") +
                                    " to undefined context string '" + jump.context + "'");
    }
  }

  int PictureNumber(size_t topic, const helprtf::PictureRef& picture, int& hotSpots) {
    const TopicSource& source = sources_[topic];
    if (picture.file.empty() && picture.embeddedKind == "dibitmap") {
      HelpPicture embedded;
      std::string reason;
      if (!MakeHelpPicture(picture.embedded, input_.compress, picture.transparent, embedded,
                           reason)) {
        diagnostics_.TopicWarning(source.file->path, source.number,
                                  "embedded picture is left out: " + reason);
        return -1;
      }
      pictures_.push_back(std::move(embedded));
      return static_cast<int>(pictures_.size()) - 1;
    }
    if (picture.file.empty()) {
      diagnostics_.TopicWarning(
          source.file->path, source.number,
          "embedded picture (" +
              (picture.embeddedKind.empty() ? std::string("pict") : picture.embeddedKind) +
              ") is not supported and is left out");
      return -1;
    }
    const std::string key = AsciiUpper(picture.file) + (picture.transparent ? "|T" : "");
    const auto known = pictureNumbers_.find(key);
    if (known != pictureNumbers_.end()) {
      if (known->second < 0) return -1;
      hotSpots = pictures_[known->second].hotSpots;
      return known->second;
    }
    HelpPicture loaded;
    std::string reason;
    if (!input_.loadPicture || !input_.loadPicture(picture, loaded, reason)) {
      diagnostics_.TopicWarning(source.file->path, source.number,
                                "picture '" + picture.file + "' is missing" +
                                    (reason.empty() ? std::string() : " (" + reason + ")"));
      pictureNumbers_[key] = -1;
      return -1;
    }
    const int number = static_cast<int>(pictures_.size());
    pictures_.push_back(std::move(loaded));
    pictureNumbers_[key] = number;
    hotSpots = pictures_.back().hotSpots;
    return number;
  }

  void LinkBrowseSequences() {
    // "major:minor": one sequence per major part, in the order of the whole
    // strings; topics with equal strings keep their order.
    std::map<std::string, std::vector<std::pair<std::string, int>>> sequences;
    for (size_t t = 0; t < sources_.size(); ++t) {
      const std::string& code = sources_[t].topic->browseSequence;
      if (code.empty()) continue;
      const size_t colon = code.find(':');
      const std::string major = colon == std::string::npos ? std::string() : code.substr(0, colon);
      sequences[AsciiUpper(major)].emplace_back(AsciiUpper(code), static_cast<int>(t));
    }
    for (auto& [major, members] : sequences) {
      std::stable_sort(members.begin(), members.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
      for (size_t i = 0; i < members.size(); ++i) {
        topics_.SetBrowse(members[i].second, i == 0 ? -1 : members[i - 1].second,
                          i + 1 == members.size() ? -1 : members[i + 1].second);
      }
    }
  }

  SystemInfo SystemData() {
    SystemInfo info;
    info.title = input_.title;
    info.copyright = input_.copyright;
    info.citation = input_.citation;
    info.icon = input_.icon;
    info.configMacros = input_.configMacros;
    info.windows = windows_;
    info.date = input_.date;
    if (!input_.contents.empty()) {
      const int topic = TopicOfContext(input_.contents);
      if (topic < 0) {
        diagnostics_.Warning("contents topic '" + input_.contents +
                             "' is not defined; the first topic is used");
      } else {
        info.hasContents = true;
        info.contentsOffset = topics_.TopicOffset(topic);
      }
    }
    if (!info.hasContents && topics_.topicCount() > 0) {
      info.hasContents = true;
      info.contentsOffset = topics_.TopicOffset(0);
    }
    return info;
  }

  std::vector<std::pair<int32_t, uint32_t>> ContextEntries() const {
    std::vector<std::pair<int32_t, uint32_t>> entries;
    entries.reserve(contexts_.size());
    for (const auto& [hash, topic] : contexts_) {
      entries.emplace_back(hash, topics_.TopicOffset(topic));
    }
    return entries;
  }

  std::vector<std::pair<uint32_t, std::string>> TitleEntries() const {
    std::vector<std::pair<uint32_t, std::string>> titles;
    for (size_t t = 0; t < sources_.size(); ++t) {
      titles.emplace_back(topics_.TopicOffset(static_cast<int>(t)), sources_[t].topic->title);
    }
    return titles;
  }

  void AddKeywordFiles(HlpContainer& container, const std::string& prefix, bool aKeywords) {
    std::vector<std::pair<std::string, uint32_t>> uses;
    for (size_t t = 0; t < sources_.size(); ++t) {
      const auto& list = aKeywords ? sources_[t].topic->aKeywords : sources_[t].topic->keywords;
      for (const std::string& keyword : list) {
        const std::string trimmed = TrimBlanks(keyword);
        if (!trimmed.empty()) uses.emplace_back(trimmed, topics_.TopicOffset(static_cast<int>(t)));
      }
    }
    if (uses.empty()) return;
    KeywordFiles files = BuildKeywordFiles(uses);
    container.AddFile(prefix + "BTREE", std::move(files.tree));
    container.AddFile(prefix + "DATA", std::move(files.data));
    container.AddFile(prefix + "MAP", std::move(files.map));
    if (!aKeywords) stats_.keywords = files.keywords;
  }

  void AddContextMap(HlpContainer& container) {
    std::vector<std::pair<uint32_t, uint32_t>> entries;
    std::unordered_map<uint32_t, std::string> seen;
    for (const HelpMapEntry& entry : input_.map) {
      const int topic = TopicOfContext(entry.context);
      if (topic < 0) {
        diagnostics_.Warning(entry.origin + " : map entry '" + entry.context + "' names no topic");
        continue;
      }
      const auto [it, added] = seen.emplace(entry.id, entry.context);
      if (!added) {
        if (!EqualsIgnoreCase(it->second, entry.context)) {
          diagnostics_.Warning(entry.origin + " : map number " + std::to_string(entry.id) +
                               " of '" + entry.context + "' is already given to '" + it->second +
                               "'");
        }
        continue;
      }
      entries.emplace_back(entry.id, topics_.TopicOffset(topic));
    }
    if (!entries.empty()) container.AddFile("|CTXOMAP", BuildContextMapFile(std::move(entries)));
  }

  const HlpInput& input_;
  Diagnostics& diagnostics_;
  HlpStats& stats_;
  std::vector<HelpWindow> windows_;
  std::unordered_map<std::string, int> windowNumbers_;
  std::vector<TopicSource> sources_;
  std::unordered_map<int32_t, int> contexts_;
  std::vector<PendingJump> jumps_;
  std::unordered_map<std::string, int> pictureNumbers_;
  std::vector<HelpPicture> pictures_;
  FontTable fonts_;
  TopicFile topics_;
};

}  // namespace

Bytes WriteHelpFile(const HlpInput& input, Diagnostics& diagnostics, HlpStats& stats) {
  stats = HlpStats();
  return Builder(input, diagnostics, stats).Build();
}

}  // namespace veldor::winhelp
