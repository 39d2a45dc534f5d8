#include "hlpfile/help_file.h"

#include <charconv>

#include "hlpfile/font_file.h"
#include "hlpfile/hlp_container.h"
#include "hlpfile/hlp_limits.h"
#include "hlpfile/index_files.h"
#include "hlpfile/phrases.h"
#include "hlpfile/system_file.h"
#include "hlpfile/topic_file.h"
#include "platform/files.h"

namespace veldor::hlp {

namespace {

Bytes Required(const HlpContainer& container, const char* name) {
  const auto file = container.Find(name);
  if (!file) Fail(std::string("Fichier interne manquant : ") + name);
  return *file;
}

void Read(const std::shared_ptr<const std::string>& bytes, HelpDocument& document) {
  const Bytes file(*bytes);
  const HlpContainer container(file);
  const SystemInfo system = ReadSystem(Required(container, "|SYSTEM"), document);
  if (const auto fonts = container.Find("|FONT")) document.fonts = ReadFonts(*fonts);
  PhraseTable phrases;
  if (const auto old = container.Find("|Phrases")) {
    phrases = PhraseTable::FromPhrases(*old, system.minor);
    document.phraseKind = "Phrases";
  } else if (const auto index = container.Find("|PhrIndex")) {
    phrases = PhraseTable::FromHall(*index, Required(container, "|PhrImage"));
    document.phraseKind = "Hall";
  }
  ReadTopics(Required(container, "|TOPIC"), system, phrases, document);
  if (const auto context = container.Find("|CONTEXT")) document.contexts = ReadContexts(*context);
  if (const auto map = container.Find("|CTXOMAP")) document.contextMap = ReadContextMap(*map);
  if (const auto tree = container.Find("|KWBTREE")) {
    document.keywords = ReadKeywords(*tree, Required(container, "|KWDATA"));
  }
  if (const auto titles = container.Find("|TTLBTREE")) {
    // Titles are in the topic headers; the title tree fills the ones left empty.
    const auto byOffset = ReadTitles(*titles);
    for (HelpTopic& topic : document.topics) {
      if (!topic.title.empty()) continue;
      if (auto it = byOffset.find(topic.offset); it != byOffset.end()) topic.title = it->second;
    }
  }
  for (const auto& [name, content] : container.Files()) {
    int number = 0;
    const char* first = name.data() + 3;
    const char* last = name.data() + name.size();
    if (name.size() > 3 && name.compare(0, 3, "|bm") == 0 &&
        std::from_chars(first, last, number).ptr == last) {
      document.pictures[number] = {static_cast<std::size_t>(content.data - file.data),
                                   content.size};
    }
  }
  document.bytes = bytes;
}

}  // namespace

HelpFileResult ReadHelpFile(std::string bytes) {
  HelpFileResult result;
  if (bytes.size() > kMaxHelpFileSize) {
    result.error = "Le fichier est trop grand pour un fichier d'aide.";
    return result;
  }
  auto shared = std::make_shared<const std::string>(std::move(bytes));
  auto document = std::make_shared<HelpDocument>();
  try {
    Read(shared, *document);
  } catch (const FormatError& e) {
    result.error = e.what();
    return result;
  } catch (const std::bad_alloc&) {
    result.error = "Mémoire insuffisante pour lire le fichier d'aide.";
    return result;
  } catch (const std::length_error&) {
    result.error = "Le fichier d'aide est endommagé.";
    return result;
  }
  result.document = std::move(document);
  return result;
}

HelpFileResult OpenHelpFile(const std::string& path) {
  std::string bytes, reason;
  if (!ReadFilePrefix(path, kMaxHelpFileSize + 1, bytes, &reason)) {
    HelpFileResult result;
    result.error = "Impossible de lire " + path + " : " + reason;
    return result;
  }
  return ReadHelpFile(std::move(bytes));
}

bool LoadPicture(const HelpDocument& document, int number, HelpPicture& picture,
                 std::string& error) {
  auto it = document.pictures.find(number);
  if (it == document.pictures.end() || !document.bytes) {
    error = "Image absente du fichier d'aide.";
    return false;
  }
  try {
    const Bytes file(*document.bytes);
    picture = DecodePicture(file.Sub(it->second.offset, it->second.size, "image"));
  } catch (const FormatError& e) {
    error = e.what();
    return false;
  } catch (const std::bad_alloc&) {
    error = "Mémoire insuffisante pour l'image.";
    return false;
  }
  return true;
}

bool LoadRunPicture(const HelpDocument& document, const HelpRun& run, HelpPicture& picture,
                    std::string& error) {
  if (run.embedded < 0) return LoadPicture(document, run.picture, picture, error);
  if (static_cast<std::size_t>(run.embedded) >= document.embeddedPictures.size()) {
    error = "Image absente du fichier d'aide.";
    return false;
  }
  try {
    picture = DecodePicture(Bytes(document.embeddedPictures[run.embedded]));
  } catch (const FormatError& e) {
    error = e.what();
    return false;
  } catch (const std::bad_alloc&) {
    error = "Mémoire insuffisante pour l'image.";
    return false;
  }
  return true;
}

}  // namespace veldor::hlp
