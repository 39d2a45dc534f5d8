#include "devtools/skeleton_topics.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "devtools/devtools_files.h"
#include "devtools/form_project.h"
#include "helpbuild/build_checks.h"
#include "helpbuild/help_project.h"
#include "model/document.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace veldor {

namespace {

constexpr const char* kMainIndexName = "IndexPrincipal";
constexpr const char* kIndexChapter = "INDEX";

std::unique_ptr<CTopic> NewTopic(const std::string& name, const std::string& title,
                                 const std::string& chapter, const std::string& keyword,
                                 const std::string& references) {
  auto topic = std::make_unique<CTopic>();
  topic->name = name;
  topic->title = title;
  topic->chapter = chapter;
  topic->keywords = {keyword};
  topic->SetReferences(references);
  return topic;
}

// A centred, underlined heading; "Non Scroll" keeps it above the text.
void AddHeading(CTopic& topic, int typeCode, const std::string& text, bool nonScroll) {
  std::unique_ptr<CTypeEdit> heading = CTypeEdit::CreateSubject(typeCode);
  heading->text = text;
  heading->alignment = 2;
  heading->style.underline = 1;
  if (nonScroll) heading->flags |= kFlagNonScroll;
  topic.AddSubject(std::move(heading));
}

void AddText(CTopic& topic, const std::string& text) {
  std::unique_ptr<CTypeEdit> subject = CTypeEdit::CreateSubject(kTypeTexte);
  subject->text = text;
  topic.AddSubject(std::move(subject));
}

void AddJump(CTopic& topic, const std::string& text, const std::string& target, int action) {
  std::unique_ptr<CTypeEdit> jump = CTypeEdit::CreateSubject(kTypeJump);
  jump->text = text;
  jump->target = target;
  jump->action = action;
  topic.AddSubject(std::move(jump));
}

class SkeletonGenerator {
 public:
  SkeletonGenerator(CVeldorDoc& doc, const CFormProject& project) : doc_(doc), project_(project) {
    // One place stays for the main index topic, appended last.
    room_ = CVeldorDoc::kMaxTopics - doc.topicCount() - 1;
  }

  void Run(SkeletonReport& report) {
    if (room_ < 0) {
      // Not even the main index fits.
      for (const CEnfant& form : project_.forms) CountForm(form);
      ++leftOut_;
    } else {
      auto main = NewTopic(kMainIndexName, "Index Principal", kIndexChapter, "Index", "HM_INDEX");
      if (doc_.contentsTopic.empty()) doc_.contentsTopic = kMainIndexName;
      AddHeading(*main, kTypeTitre, "Aide de " + project_.projectTitle, true);
      for (const CEnfant& form : project_.forms) GenerateForm(form, *main);
      Append(std::move(main));
    }
    report.topicsGenerated = generated_;
    report.topicsLeftOut = leftOut_;
    if (leftOut_ > 0) {
      Messages().Message("Limite de 4096 topics atteinte : " + std::to_string(generated_) +
                             " topics g\xC3\xA9n\xC3\xA9r\xC3\xA9s, " + std::to_string(leftOut_) +
                             " laiss\xC3\xA9s de c\xC3\xB4t\xC3\xA9",
                         kBuildCaption, MessageIcon::Warning);
    }
  }

 private:
  void GenerateForm(const CEnfant& form, CTopic& mainIndex) {
    const std::string& f = form.DisplayName();
    if (room_ < 1) {
      CountForm(form);
      return;
    }
    --room_;  // the form topic, appended after its controls
    auto formTopic = NewTopic("Index" + f, "Index de" + f, f, f, "");
    AddHeading(*formTopic, kTypeTitre, "Index de " + f, true);
    GenerateObject(form, "", f, formTopic.get());
    Append(std::move(formTopic));
    AddText(mainIndex, "Utilit\xE9 de " + f);
    AddJump(mainIndex, "Voir plus sur" + f, "Index" + f, kActionSaut);
  }

  // The number already belongs to another identifier of the help maps.
  bool NumberTakenByOther(int32_t number, const std::string& identifier) const {
    const auto it = doc_.hmNameOfValue.find(number);
    return it != doc_.hmNameOfValue.end() && it->second != identifier;
  }

  // With `formTopic` null the topics are only counted as left out.
  void GenerateObject(const CEnfant& object, const std::string& prefix, const std::string& f,
                      CTopic* formTopic) {
    if (!prefix.empty()) {
      const std::string key = ObjectKey(object, prefix);
      if (object.helpContextId != -1 && !NumberTakenByOther(object.helpContextId, "HM_" + key)) {
        if (formTopic != nullptr && TakeRoom()) {
          auto topic = NewTopic("topic" + key, "Titre" + key, f, f, "HM_" + key);
          AddHeading(*topic, kTypeSSTitre, "Controle " + key, true);
          Append(std::move(topic));
          AddText(*formTopic, "Utilit\xE9 du controle " + key);
          AddJump(*formTopic, "Voir plus sur controle " + key, "topic" + key, kActionPopup);
        } else {
          ++leftOut_;
        }
      }
      const std::string whatKey = key + "_W";
      if (object.whatsThisHelpId != -1 &&
          !NumberTakenByOther(object.whatsThisHelpId, "HM_" + whatKey)) {
        if (formTopic != nullptr && TakeRoom()) {
          auto topic = NewTopic(whatKey, "Titre" + whatKey, f + "_What", f, "HM_" + whatKey);
          AddHeading(*topic, kTypeSSTitre, "What texte de " + whatKey, false);
          Append(std::move(topic));
        } else {
          ++leftOut_;
        }
      }
    }
    const std::string childPrefix = ChildPrefix(object, prefix);
    for (const CEnfant& child : object.children) GenerateObject(child, childPrefix, f, formTopic);
  }

  void CountForm(const CEnfant& form) {
    ++leftOut_;
    GenerateObject(form, "", form.DisplayName(), nullptr);
  }

  bool TakeRoom() {
    if (room_ < 1) return false;
    --room_;
    return true;
  }

  void Append(std::unique_ptr<CTopic> topic) {
    if (doc_.AddTopic(std::move(topic))) {
      ++generated_;
    } else {
      ++leftOut_;
    }
  }

  CVeldorDoc& doc_;
  const CFormProject& project_;
  int room_ = 0;
  int generated_ = 0;
  int leftOut_ = 0;
};

// "INDEX", each form (and its what's-this chapter), then the chapters the
// project had that are not among them, so that no topic loses its chapter.
void SetChapters(CVeldorDoc& doc, const CFormProject& project, bool whatChapters) {
  std::vector<std::string> chapters;
  auto add = [&](const std::string& name) {
    if (std::find(chapters.begin(), chapters.end(), name) == chapters.end()) {
      chapters.push_back(name);
    }
  };
  add(kIndexChapter);
  for (const CEnfant& form : project.forms) {
    add(form.DisplayName());
    if (whatChapters) add(form.DisplayName() + "_What");
  }
  for (const std::string& old : doc.chapters) add(old);
  doc.chapters = chapters;
}

}  // namespace

void GenerateSkeletonTopics(CVeldorDoc& doc, const CFormProject& project,
                            const SkeletonOptions& options, SkeletonReport* report) {
  SkeletonReport local;
  SkeletonReport& r = report != nullptr ? *report : local;
  r = SkeletonReport();

  doc.devLinkKind = options.devLinkKind;
  doc.devProjectFile = project.modelProjectPath;
  doc.rootDir = DirectoryPart(project.modelProjectPath);
  if (doc.projectName.empty()) doc.projectName = project.projectTitle;
  doc.SetModifiedFlag();

  r.helpMapPath = HelpMapIncludePath(doc);
  if (!r.helpMapPath.empty()) {
    // Written in one step over the old map, which stays whole on failure.
    std::string reason;
    r.helpMapWritten =
        WriteFile(r.helpMapPath, VbHelpMapText(project.CollectHelpIds(), doc.hmNames), &reason);
    if (!r.helpMapWritten) ShowStopMessage(CannotWriteMessage(r.helpMapPath, reason));
  }
  LoadHelpMaps(doc, &r.maps);
  BuildAllowedHelpIds(doc);

  SkeletonGenerator(doc, project).Run(r);
  SetChapters(doc, project, options.whatChapters);
}

}  // namespace veldor
