#include "max_project.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/document.h"

namespace veldor::bench {

namespace {

constexpr int kChapters = 32;
constexpr int kWindows = 10;

// Windows-1252 texts, as the model holds them.
constexpr std::array<const char*, 32> kNouns = {
    "fichier", "carnet",  "classeur",  "dossier",   "mod\xE8le",  "rapport",    "tableau",
    "filtre",  "index",   "projet",    "document",  "calendrier", "rappel",     "contact",
    "message", "onglet",  "menu",      "champ",     "formulaire", "graphique",  "export",
    "import",  "archive", "journal",   "catalogue", "profil",     "r\xE9glage", "raccourci",
    "volet",   "favori",  "brouillon", "sommaire"};
constexpr std::array<const char*, 16> kQualifiers = {
    "principal", "partag\xE9",   "actif",         "archiv\xE9",    "personnel", "temporaire",
    "ancien",    "standard",     "prot\xE9g\xE9", "global",        "local",     "annuel",
    "mensuel",   "compress\xE9", "chiffr\xE9",    "synchronis\xE9"};

// Sentences with a slot for a term of the glossary.
constexpr std::array<const char*, 12> kSentences = {
    "Pour ouvrir le %s, choisissez la commande Ouvrir du menu Fichier puis confirmez votre choix. ",
    "Le %s conserve vos modifications jusqu'\xE0 la prochaine fermeture de l'application. ",
    "Vous pouvez renommer le %s \xE0 tout moment sans perdre les liens qui y m\xE8nent. ",
    "Lorsque le %s est s\xE9lectionn\xE9, la barre d'\xE9tat affiche sa taille et sa date. ",
    "Un clic droit sur le %s fait appara\xEEtre le menu contextuel des op\xE9rations courantes. ",
    "Si le %s n'appara\xEEt pas dans la liste, v\xE9rifiez les options d'affichage. ",
    "Les raccourcis clavier acc\xE9l\xE8rent le travail : Ctrl+S enregistre le %s. ",
    "L'impression du %s respecte la mise en page choisie dans les options. ",
    "Faites glisser le %s vers un autre volet pour le d\xE9placer. ",
    "La recherche parcourt le %s et met en \xE9vidence chaque mot cherch\xE9. ",
    "Avant d'effacer le %s, l'application demande une confirmation. ",
    "Le %s peut \xEAtre export\xE9 au format texte ou HTML depuis le menu Outils. "};

// A small deterministic generator (xorshift32).
class Random {
 public:
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  size_t Below(size_t n) { return Next() % n; }

 private:
  uint32_t state_ = 2463534242u;
};

std::string Format(const char* pattern, const std::string& value) {
  std::vector<char> buffer(std::string(pattern).size() + value.size() + 1);
  std::snprintf(buffer.data(), buffer.size(), pattern, value.c_str());
  return buffer.data();
}

std::string Numbered(const char* pattern, int n) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, n);
  return buffer;
}

std::string TopicName(int i) {
  return Numbered("SUJET_%04d", i % kMaxProjectTopics);
}

class Generator {
 public:
  explicit Generator(CVeldorDoc& doc) : doc_(doc), terms_(MaxProjectTerms()) {}

  void Fill() {
    FillOptions();
    for (int c = 0; c < kChapters; ++c) {
      doc_.chapters.push_back(Numbered("Chapitre %02d", c + 1) + " : " + Term());
    }
    FillWindows();
    FillGlobals();
    for (int i = 0; i < kMaxProjectTopics; ++i) doc_.AddTopic(MakeTopic(i));
  }

 private:
  const std::string& Term() { return terms_[random_.Below(terms_.size())]; }

  // Two to four sentences, 150 to 400 bytes.
  std::string Paragraph() {
    std::string text;
    const size_t sentences = 2 + random_.Below(3);
    for (size_t s = 0; s < sentences; ++s) {
      text += Format(kSentences[random_.Below(kSentences.size())], Term());
    }
    text.pop_back();
    return text;
  }

  void FillOptions() {
    doc_.projectName = "MAXPROJ";
    doc_.contentsTopic = TopicName(0);
    doc_.helpTitle = "Aide compl\xE8te de l'application";
    doc_.rightsNotice = "Copyright \xA9 Exemple";
    doc_.errorLogFile = "MAXPROJ.ERR";
    doc_.description = "Projet de mesure : toutes les capacit\xE9s du mod\xE8le sont atteintes.";
    doc_.compression = 2;
    doc_.warningLevel = 2;
    doc_.helpCompiler = 2;
    doc_.help32 = 1;
    doc_.extraRtfFiles = {"annexe.rtf"};
    doc_.bitmapLines = {"logo.bmp"};
    doc_.aliasLines = {"ACCUEIL=SUJET_0000"};
    doc_.created = 946684800;  // 2000-01-01
    doc_.modified = 946684800;
  }

  void FillWindows() {
    for (int w = 0; w < kWindows; ++w) {
      CWinAttr window;
      window.name = w == 0 ? "main" : Numbered("fen%d", w);
      window.caption = w == 0 ? "Aide" : Numbered("Fen\xEAtre secondaire %d", w);
      window.x = 10 * w;
      window.y = 20 * w;
      window.width = 600;
      window.height = 500;
      window.mainColour = w % 2 ? 0xFFFFFF : 0xC0FFFF;
      doc_.windows.Add(window);
    }
  }

  void FillGlobals() {
    for (size_t g = 0; g < terms_.size(); ++g) {
      CGlobalTexte global;
      global.text = terms_[g];
      global.action = g % 3 == 0 ? kActionPopup : kActionSaut;
      global.target = TopicName(static_cast<int>(g * 7));
      global.windowName = g % 5 == 0 ? "fen1" : "";
      global.caseSensitive = g % 2;
      global.keepColour = g % 4 == 0;
      doc_.globals.Add(global);
    }
  }

  std::unique_ptr<CTypeEdit> Subject(int typeCode, std::string text) {
    std::unique_ptr<CTypeEdit> subject = CTypeEdit::CreateSubject(typeCode);
    subject->text = std::move(text);
    return subject;
  }

  std::unique_ptr<CTypeEdit> Jump(int action, int targetTopic, const std::string& window) {
    std::unique_ptr<CTypeEdit> jump = Subject(kTypeJump, "Voir aussi : " + Term());
    jump->action = action;
    jump->target = TopicName(targetTopic);
    jump->windowName = window;
    return jump;
  }

  std::unique_ptr<CTopic> MakeTopic(int i) {
    auto topic = std::make_unique<CTopic>();
    const std::string subjectTerm = Term();
    topic->name = TopicName(i);
    topic->title = "Utiliser le " + subjectTerm;
    if (i % 8 == 0) topic->references = Numbered("IDH_SUJET_%d;", i) + Numbered("ALIAS_%d", i);
    topic->keywords = {subjectTerm, Term(), Term(), Term()};
    topic->browse = Numbered("%04d", i % (kMaxProjectTopics / kChapters));
    topic->chapter = doc_.chapters[static_cast<size_t>(i / (kMaxProjectTopics / kChapters))];

    // 16 subjects: 1 title, 2 subtitles, 2 indented, 7 texts, 1 image, 3 jumps.
    topic->AddSubject(Subject(kTypeTitre, topic->title));
    topic->AddSubject(Subject(kTypeTexte, Paragraph()));
    topic->AddSubject(Subject(kTypeTexte, Paragraph()));
    topic->AddSubject(Subject(kTypeSSTitre, "Principe"));
    topic->AddSubject(Subject(kTypeTexte, Paragraph()));
    topic->AddSubject(Subject(kTypeIndent, Paragraph()));
    topic->AddSubject(Jump(kActionSaut, i + 1, ""));
    topic->AddSubject(Subject(kTypeTexte, Paragraph()));
    std::unique_ptr<CTypeEdit> image = Subject(kTypeBitMap, "");
    image->title = Numbered("images\\ecran%03d.bmp", i % 200);
    image->action = kActionPopup;
    image->target = TopicName(i + 3);
    image->alignment = 2;
    topic->AddSubject(std::move(image));
    topic->AddSubject(Subject(kTypeIndent, Paragraph()));
    topic->AddSubject(Subject(kTypeTexte, Paragraph()));
    topic->AddSubject(Subject(kTypeSSTitre, "En pratique"));
    topic->AddSubject(Subject(kTypeTexte, Paragraph()));
    topic->AddSubject(Jump(kActionPopup, i + 17, ""));
    std::unique_ptr<CTypeEdit> runOn = Subject(kTypeTexte, Paragraph());
    runOn->flags = 0;  // continues in the paragraph of the jump that follows
    topic->AddSubject(std::move(runOn));
    topic->AddSubject(Jump(kActionSaut, i + 100, "fen2"));
    return topic;
  }

  CVeldorDoc& doc_;
  const std::vector<std::string>& terms_;
  Random random_;
};

}  // namespace

const std::vector<std::string>& MaxProjectTerms() {
  static const std::vector<std::string> terms = [] {
    std::vector<std::string> list;
    for (const char* noun : kNouns) {
      for (const char* qualifier : kQualifiers) list.push_back(std::string(noun) + " " + qualifier);
    }
    return list;
  }();
  return terms;
}

void FillMaxProject(CVeldorDoc& doc) {
  Generator(doc).Fill();
}

}  // namespace veldor::bench
