#include "exchange/rtf_import.h"

#include "exchange/import_file.h"
#include "exchange/import_summary.h"
#include "exchange/rtf_importer.h"
#include "helprtf/help_rtf_reader.h"
#include "model/document.h"
#include "platform/messages.h"

namespace veldor {

namespace {
constexpr const char* kCaption = "Import RTF";
}  // namespace

int ImportRtf(CVeldorDoc& doc, const std::string& path, ImportSummary* summary) {
  ImportSummary local;
  ImportSummary& result = summary != nullptr ? *summary : local;
  ImportFile file;
  std::string cause;
  if (!ReadImportFile(path, RtfImporter::kMaxBytes, file, &cause)) {
    Messages().Message(OpenFailureMessage(path, cause), kCaption, MessageIcon::Error);
    return 0;
  }
  result.fileRead = true;
  if (!helprtf::LooksLikeRtf(file.bytes)) {
    // Text, a word processor's own format or any other file would come
    // out as pages of garbage: nothing is imported.
    result.notRtf = true;
    Messages().Message("Le fichier " + path +
                           " n'est pas un fichier RTF : il ne commence pas par {\\rtf. Rien "
                           "n'est importé.",
                       kCaption, MessageIcon::Error);
    return 0;
  }
  if (file.truncated) {
    Messages().Message("Le fichier " + path + " dépasse " + std::to_string(RtfImporter::kMaxBytes) +
                           " octets : seuls ses " + std::to_string(RtfImporter::kMaxBytes) +
                           " premiers octets sont importés.",
                       kCaption, MessageIcon::Warning);
  }

  RtfImporter importer(TopicRoom(doc));
  {
    WaitCursor wait;
    Messages().ProgressStart("Import RTF en cours...", static_cast<int>(file.bytes.size()));
    result.parseOk = importer.Parse(file.bytes);
    Messages().ProgressClose();
  }
  if (!result.parseOk) Messages().Message("Erreur RTF", kCaption, MessageIcon::Error);
  result.leftOut += importer.LeftOut();
  result.droppedSubjects += importer.DroppedSubjects();
  std::vector<std::unique_ptr<CTopic>> topics = importer.TakeTopics();
  AppendImportedTopics(doc, topics, result);
  ReportImportSummary(result, kCaption);
  return result.added;
}

}  // namespace veldor
