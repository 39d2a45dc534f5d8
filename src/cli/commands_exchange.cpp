// Commands of the import and export: HTML pages, text export, tagged text
// import and RTF import.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "exchange/html_export.h"
#include "exchange/import_file.h"
#include "exchange/import_summary.h"
#include "exchange/rtf_import.h"
#include "exchange/text_export.h"
#include "exchange/text_import.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/settings_store.h"

namespace veldor {

namespace {

int RunExportHtml(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(args[0], doc)) return 1;
  const std::string& directory = args[1];
  std::string reason;
  if (!DirectoryExists(ResolvePath(directory)) && !MakeDirectories(directory, &reason)) {
    CliError(directory + ": " + reason);
    return 1;
  }
  if (!ExportHtml(doc, directory)) {
    CliError("the HTML export is incomplete");
    return 1;
  }
  std::printf("%d page(s) written to %s\n", doc.topicCount(), directory.c_str());
  return 0;
}

int RunExportTxt(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(args[0], doc)) return 1;
  if (!ExportText(doc, args[1])) return 1;
  std::printf("%d topic(s) written to %s\n", doc.topicCount(), args[1].c_str());
  return 0;
}

// Prints what an import added and, when the project changed, saves it.
int FinishImport(CVeldorDoc& doc, const std::string& path, const ImportSummary& summary) {
  if (summary.added > 0 && !CliSaveProject(doc, path)) return 1;
  std::printf("%d topic(s) added", summary.added);
  if (summary.leftOut > 0) std::printf(", %d left out", summary.leftOut);
  if (summary.namesInUse > 0) std::printf(", %d with a name already in use", summary.namesInUse);
  if (summary.droppedSubjects > 0) std::printf(", %d subject(s) left out", summary.droppedSubjects);
  std::printf("\n");
  return summary.parseOk ? 0 : 1;
}

// A tag typed on this system's command line is UTF-8; the model's is not.
std::string TagOption(const CliOptions& options, const std::string& option,
                      const std::string& stored) {
  if (!options.HasFlag(option)) return stored;
  return ImportBytesToCp1252(options.OptionValue(option), false);
}

int RunImportTxt(const std::vector<std::string>& args, const CliOptions& options) {
  SettingsStore& settings = SettingsStore::Instance();
  ImportTags tags = LoadImportTags(settings);
  tags.pageTag = TagOption(options, "--page", tags.pageTag);
  tags.nameTag = TagOption(options, "--name", tags.nameTag);
  tags.titleTag = TagOption(options, "--title", tags.titleTag);
  tags.fileName = ImportBytesToCp1252(args[1], false);
  if (EmptyImportTagKey(tags) != nullptr) {
    CliError("an import tag may not be empty: it would be found at the start of every line");
    return 2;
  }
  if (!ImportTagsValid(tags)) {
    CliError("the name and title tags may hold at most " + std::to_string(kMaxImportTagLength) +
             " characters");
    return 2;
  }
  // The tags used are kept for the next import, as the import dialog does.
  if (!SaveImportTags(settings, tags)) {
    CliError("warning: the import tags could not be saved in " + settings.path());
  }
  CVeldorDoc doc;
  if (!CliOpenProject(args[0], doc)) return 1;
  ImportSummary summary;
  if (ImportText(doc, args[1], tags, &summary) == 0) return 1;
  return FinishImport(doc, args[0], summary);
}

int RunImportRtf(const std::vector<std::string>& args, const CliOptions&) {
  CVeldorDoc doc;
  if (!CliOpenProject(args[0], doc)) return 1;
  ImportSummary summary;
  ImportRtf(doc, args[1], &summary);
  if (!summary.fileRead || summary.notRtf) return 1;
  return FinishImport(doc, args[0], summary);
}

const CliRegistration kExportHtml(CliGroup::Exchange, {"export-html",
                                                       "export-html P.ehe DIR",
                                                       "write one HTML page per topic into DIR",
                                                       2,
                                                       2,
                                                       {},
                                                       RunExportHtml});
const CliRegistration kExportTxt(CliGroup::Exchange,
                                 {"export-txt",
                                  "export-txt P.ehe OUT.txt",
                                  "write every topic into one labelled text file",
                                  2,
                                  2,
                                  {},
                                  RunExportTxt});
const CliRegistration kImportTxt(
    CliGroup::Exchange,
    {"import-txt",
     "import-txt P.ehe FILE [--page TAG] [--name TAG] [--title TAG]",
     "append the pages of a tagged text file as topics (tags default to the settings)",
     2,
     2,
     {"--page", "--name", "--title"},
     RunImportTxt,
     FirstArgument});
const CliRegistration kImportRtf(CliGroup::Exchange,
                                 {"import-rtf",
                                  "import-rtf P.ehe FILE",
                                  "append the pages of an RTF (WinHelp) file as topics",
                                  2,
                                  2,
                                  {},
                                  RunImportRtf,
                                  FirstArgument});

}  // namespace

}  // namespace veldor
