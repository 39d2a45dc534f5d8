#include "large_help_file.h"

#include "hlp_builder.h"

namespace veldor::bench {

const std::string& LargeHelpFile() {
  static const std::string bytes = [] {
    hlptest::HelpSpec spec;
    spec.title = "Grande aide";
    spec.compressBlocks = true;
    spec.phrases = {"rubrique", "paragraphe", "Voir aussi", "du fichier d'aide"};
    spec.macros = {"BrowseButtons()"};
    for (int t = 0; t < kLargeHelpTopics; ++t) {
      hlptest::Topic topic;
      topic.context = "T" + std::to_string(t);
      topic.title = "Rubrique " + std::to_string(t);
      topic.browse = t;
      topic.mapNumber = t + 1;
      topic.keywords = {"mot" + std::to_string(t), "groupe" + std::to_string(t % 64)};
      topic.nonScrollingTitle = true;
      topic.paragraphs.push_back(hlptest::Text(topic.title));
      for (int p = 0; p < 4; ++p) {
        topic.paragraphs.push_back(hlptest::Text(
            "Texte du paragraphe " + std::to_string(p) + " de la rubrique " + std::to_string(t) +
            " du fichier d'aide, assez long pour occuper une ligne ou deux de la fen\xEAtre."));
      }
      hlptest::Paragraph links;
      links.pieces = {
          hlptest::Plain("Voir aussi "),
          hlptest::JumpTo("la rubrique suivante", "T" + std::to_string((t + 1) % kLargeHelpTopics)),
          hlptest::Plain(" et "),
          hlptest::PopupTo("une note", "T" + std::to_string((t + 7) % kLargeHelpTopics))};
      topic.paragraphs.push_back(links);
      spec.topics.push_back(std::move(topic));
    }
    spec.contentsTopic = 0;
    return hlptest::BuildHelpFile(spec);
  }();
  return bytes;
}

}  // namespace veldor::bench
