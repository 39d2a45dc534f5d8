// Veldor's own help: every topic the editor opens exists in the compiled
// VELDOR.HLP, and F1 and Shift+F1 pick the topic of the pane, dialog or
// menu concerned.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenuBar>

#include <filesystem>
#include <string>

#include "hlpfile/context_hash.h"
#include "hlpfile/help_file.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "platform/recording_messages.h"
#include "support/scoped_settings.h"
#include "support/temp_directory.h"
#include "ui/app/program_help.h"
#include "ui/shell/help_launcher.h"
#include "ui/shell/main_window.h"
#include "ui/shell/project_window.h"
#include "ui/topics/topic_editor_view.h"

namespace veldor::ui {
namespace {

TEST(ProgramHelpTest, EveryTopicTheEditorAsksForIsInTheCompiledHelp) {
  const hlp::HelpFileResult help = hlp::OpenHelpFile(VELDOR_HELP_FILE);
  ASSERT_NE(help.document, nullptr) << help.error;
  std::vector<std::string> contexts = {kHelpContents,    kHelpUsingHelp,      "EDITEUR_TOPIC",
                                       "LISTE_TOPICS",   "LISTE_ERREURS",     "ARBRE",
                                       "FENETRE_PROJET", "FENETRE_PRINCIPALE"};
  for (const char* title :
       {"Rattachement groupe", "Sujet :", "Echange de sujets", "Marges par défaut",
        "Options projet", "Configuration fenêtre", "Choix des textes globaux", "Outils",
        "Liste des resources", "Option Lien avec Visual C++", "Importe fichier Texte",
        "Saisie de la recherche", "Récupération de groupes détruits"}) {
    contexts.push_back(HelpContextForTitle(title));
  }
  for (const char* menu :
       {"&Fichier", "&Edit", "&Vues", "Fe&nêtres", "Fabrique", "Outils", "Options", "&Aide"}) {
    contexts.push_back(HelpContextForMenu(menu));
  }
  for (const std::string& context : contexts) {
    ASSERT_FALSE(context.empty());
    EXPECT_GE(hlp::TopicIndexOfHash(*help.document, hlp::ContextHash(context)), 0) << context;
  }
}

TEST(ProgramHelpTest, TitlesMatchWholeAndTheViewerLineQuotesItsArguments) {
  EXPECT_EQ(HelpContextForTitle("Outils"), "DLG_OUTILS");
  EXPECT_EQ(HelpContextForTitle("Outils de dessin"), "");
  EXPECT_EQ(HelpContextForMenu("Fabrique"), "MENU_FABRIQUE");
  EXPECT_EQ(ViewerCommandLine("/opt/v view/veldor-view", "/a b/VELDOR.HLP", "DLG_SUJET"),
            "\"/opt/v view/veldor-view\" -i DLG_SUJET \"/a b/VELDOR.HLP\"");
  EXPECT_EQ(ViewerCommandLine("veldor-view", "/h/VELDOR.HLP", ""), "veldor-view /h/VELDOR.HLP");
}

class ProgramHelpWindowTest : public ::testing::Test {
 protected:
  ProgramHelpWindowTest() : settings_(dir_ / "VELDOR.INI") {
    std::filesystem::copy_file(VELDOR_DEMO_EHE, dir_ / "DEMO.ehe");
    window_ = std::make_unique<MainWindow>(StartEditor());
  }
  ~ProgramHelpWindowTest() override {
    for (ProjectWindow* p : window_->Projects()) p->document().SetModifiedFlag(false);
    window_.reset();
  }

  TempDirectory dir_;
  ScopedSettingsFile<CAppSettings> settings_;
  RecordingMessages messages_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(ProgramHelpWindowTest, PanesDialogsAndMenusHaveTheirTopics) {
  EXPECT_EQ(HelpContextOf(window_.get()), "FENETRE_PRINCIPALE");
  ProjectWindow* project = window_->OpenProject(QString::fromStdString(dir_ / "DEMO.ehe"));
  ASSERT_NE(project, nullptr);
  EXPECT_EQ(HelpContextOf(&project->editor()), "EDITEUR_TOPIC");
  EXPECT_EQ(HelpContextOf(project), "FENETRE_PROJET");

  QDialog dialog(project);
  dialog.setWindowTitle("Options projet");
  QWidget field(&dialog);
  EXPECT_EQ(HelpContextOf(&field), "DLG_OPTIONS_PROJET");
  dialog.setWindowTitle("Sans aide");
  EXPECT_EQ(HelpContextOf(&field), "FENETRE_PROJET");

  EXPECT_EQ(HelpContextOfAction(window_->Action(CommandId::FileSave), window_.get()),
            "MENU_FICHIER");
  EXPECT_EQ(HelpContextOfAction(window_->Action(CommandId::BuildAll), window_.get()),
            "MENU_FABRIQUE");
  EXPECT_EQ(HelpContextOfAction(nullptr, window_.get()), "");
}

}  // namespace
}  // namespace veldor::ui
