#include "exchange/html_export.h"

#include <vector>

#include "exchange/html_page_names.h"
#include "exchange/html_writer.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {

namespace {

constexpr const char* kCaption = "Export HTML";
// Failed pages named one by one in the report; the rest are counted.
constexpr std::size_t kListedFailures = 10;

void ReportFailures(const std::vector<std::string>& failures) {
  std::string text;
  for (std::size_t i = 0; i < failures.size() && i < kListedFailures; ++i) {
    if (!text.empty()) text += "\n";
    text += failures[i];
  }
  if (failures.size() > kListedFailures) {
    text += "\n... et " + std::to_string(failures.size() - kListedFailures) +
            " autre(s) fichier(s) non écrit(s).";
  }
  Messages().Message(text, kCaption, MessageIcon::Error);
}

}  // namespace

bool WriteHtmlPage(const CTopic& topic, int index, const HtmlPageNames& pages,
                   const std::string& directory, std::string* reason) {
  const std::string path = JoinPath(directory, HtmlPageFileName(pages.PageOfTopic(index)));
  return WriteFile(path, HtmlPageText(topic, pages), reason);
}

bool ExportHtml(const CVeldorDoc& doc, const std::string& directory) {
  if (directory.empty()) return false;
  const std::string target = ResolvePath(directory);
  if (!DirectoryExists(target)) {
    Messages().Message("Le répertoire " + directory + " n'existe pas.", kCaption,
                       MessageIcon::Error);
    return false;
  }
  const HtmlPageNames pages(doc);
  std::vector<std::string> failures;
  Messages().ProgressStart("Export HTML en cours...", doc.topicCount());
  for (int i = 0; i < doc.topicCount(); ++i) {
    Messages().ProgressStep();
    std::string reason;
    if (!WriteHtmlPage(*doc.GetTopic(i), i, pages, target, &reason)) {
      failures.push_back("Impossible d'écrire le fichier " +
                         JoinPath(target, HtmlPageFileName(pages.PageOfTopic(i))) + " : " + reason);
    }
  }
  Messages().ProgressClose();
  if (!failures.empty()) ReportFailures(failures);
  return failures.empty();
}

}  // namespace veldor
