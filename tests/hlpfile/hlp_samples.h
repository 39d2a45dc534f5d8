// Help files shared by the reader's tests: a small project with links,
// keywords, a window, a picture and a browse sequence, built plain, with
// compressed blocks or with a phrase table.
#pragma once

#include "hlp_builder.h"

namespace veldor::hlptest {

enum class Packing { Plain, Blocks, BlocksAndPhrases };

// Enough text to fill more than one compressed topic block.
inline constexpr int kLongTopicParagraphs = 200;

inline HelpSpec SampleSpec(Packing packing) {
  HelpSpec spec;
  spec.title = "Aide de d\xE9monstration";
  spec.copyright = "Copyright Veldor";
  spec.macros = {"BrowseButtons()"};
  spec.windows = {WindowDef{"second", "Fen\xEAtre secondaire", 100, 200, 300, 400}};
  spec.compressBlocks = packing != Packing::Plain;
  if (packing == Packing::BlocksAndPhrases) spec.phrases = {"la rubrique", "Voici", "suivante"};
  Topic contents;
  contents.context = "SOMMAIRE";
  contents.title = "Sommaire";
  contents.nonScrollingTitle = true;
  contents.browse = 0;
  contents.keywords = {"sommaire", "accueil"};
  contents.mapNumber = 100;
  contents.macros = {"CloseWindow(`second')"};
  contents.paragraphs.push_back(Text("Sommaire"));
  Paragraph links;
  links.pieces = {Plain("Voici "), JumpTo("la rubrique suivante", "SUITE"), Plain(" et "),
                  PopupTo("une note", "NOTE"), Plain(".")};
  contents.paragraphs.push_back(links);
  Paragraph other;
  other.centered = true;
  other.leftIndent = 20;
  other.pieces = {JumpTo("Fen\xEAtre", "SUITE", "second"), Plain(" "),
                  MacroLink("Macro", "Back()")};
  contents.paragraphs.push_back(other);
  spec.topics.push_back(contents);
  Topic next;
  next.context = "SUITE";
  next.title = "La rubrique suivante";
  next.browse = 1;
  next.keywords = {"suite", "accueil"};
  next.mapNumber = 200;
  for (int i = 0; i < kLongTopicParagraphs; ++i) {
    next.paragraphs.push_back(Text("Voici la rubrique suivante, paragraphe " + std::to_string(i) +
                                   " qui remplit plusieurs blocs de texte r\xE9p\xE9t\xE9."));
  }
  spec.topics.push_back(next);
  Topic note;
  note.context = "NOTE";
  note.title = "Note";
  note.paragraphs.push_back(Text("Une note en fen\xEAtre contextuelle."));
  Paragraph picture;
  picture.pieces = {PictureRef(0), EmbeddedPicture()};
  note.paragraphs.push_back(picture);
  spec.topics.push_back(note);
  spec.contentsTopic = 0;
  spec.withPicture = true;
  return spec;
}

}  // namespace veldor::hlptest
