#include "ui/app/program_help.h"

#include <utility>

#include "platform/process.h"

namespace veldor::ui {
namespace {

// Exact titles first; a title is matched as a whole so that "Outils" (the
// tools dialog) is not taken for "Edite outil".
constexpr std::pair<std::string_view, std::string_view> kTitleTopics[] = {
    {"Rattachement groupe", "DLG_RATTACHEMENT"},
    {"Choix du type de sujet", "DLG_SUJET"},
    {"Sujet :", "DLG_SUJET"},
    {"Style", "DLG_SUJET"},
    {"Echange de sujets", "DLG_ECHANGE"},
    {"Marges par défaut", "DLG_MARGES"},
    {"Options projet", "DLG_OPTIONS_PROJET"},
    {"Selection du chemin", "DLG_OPTIONS_PROJET"},
    {"Configuration fenêtre", "DLG_FENETRES"},
    {"Choix des textes globaux", "DLG_TEXTES_GLOBAUX"},
    {"Outils", "DLG_OUTILS"},
    {"Edite outil", "DLG_OUTILS"},
    {"Liste des resources", "DLG_OUTILS"},
    {"Translation de répertoire image", "DLG_OUTILS"},
    {"Option Lien avec Visual C++", "ASSISTANTS"},
    {"Options de Visual Basic ", "ASSISTANTS"},
    {"Options de Delphi", "ASSISTANTS"},
    {"Liste ID  Help", "ASSISTANTS"},
    {"Importe fichier Texte", "IMPORT"},
    {"Arbre", "ARBRE"},
    {"Topic déjà existant", "PRESSE_PAPIERS"},
    {"Saisie de la recherche", "RECHERCHE_MOT"},
    {"Récupération de groupes détruits", "RECUPERE_DETRUIT"},
};

constexpr std::pair<std::string_view, std::string_view> kMenuTopics[] = {
    {"&Fichier", "MENU_FICHIER"}, {"&Edit", "MENU_EDIT"},        {"&Vues", "MENU_VUES"},
    {"Fe&nêtres", "MENU_VUES"},   {"Fabrique", "MENU_FABRIQUE"}, {"Outils", "MENU_OUTILS"},
    {"Options", "MENU_OPTIONS"},  {"&Aide", "MENU_AIDE"},
};

}  // namespace

std::string HelpContextForTitle(std::string_view title) {
  for (const auto& [text, topic] : kTitleTopics) {
    if (title == text) return std::string(topic);
  }
  return {};
}

std::string HelpContextForMenu(std::string_view menuText) {
  for (const auto& [text, topic] : kMenuTopics) {
    if (menuText == text) return std::string(topic);
  }
  return {};
}

std::string ViewerCommandLine(const std::string& viewer, const std::string& helpFile,
                              const std::string& context) {
  std::string line = QuoteCommandArgument(viewer);
  if (!context.empty()) line += " -i " + QuoteCommandArgument(context);
  return line + " " + QuoteCommandArgument(helpFile);
}

}  // namespace veldor::ui
