#include "winhelp/sample_help.h"

namespace veldor::winhelp::testing {

helprtf::Paragraph TextParagraph(const std::string& text) {
  helprtf::Paragraph paragraph;
  helprtf::Run run;
  run.text = text;
  paragraph.runs.push_back(run);
  return paragraph;
}

helprtf::Paragraph HotSpotParagraph(const std::string& before, helprtf::HotSpotKind kind,
                                    const std::string& label, const std::string& target,
                                    const std::string& window) {
  helprtf::Paragraph paragraph = TextParagraph(before);
  helprtf::HotSpot hotSpot;
  hotSpot.kind = kind;
  hotSpot.target = target;
  hotSpot.window = window;
  paragraph.hotSpots.push_back(hotSpot);
  helprtf::Run run;
  run.text = label;
  run.hotSpot = 0;
  paragraph.runs.push_back(run);
  return paragraph;
}

HlpInput SampleInput() {
  HlpInput input;
  input.title = "Aide de test";
  input.copyright = "(c) Veldor";
  input.contents = "IDH_INDEX";
  input.configMacros = {"BrowseButtons()"};
  HelpWindow main;
  main.name = "main";
  main.caption = "Aide";
  main.hasPosition = true;
  main.x = 10;
  main.y = 20;
  main.width = 600;
  main.height = 400;
  HelpWindow second;
  second.name = "second";
  second.caption = "Fenetre";
  input.windows = {main, second};

  HelpSourceFile file;
  file.path = "DEMO.RTF";
  helprtf::HelpDocument& document = file.document;
  document.fonts = {{0, "swiss", 0, "Arial"}, {1, "roman", 0, "Times New Roman"}};
  document.colors = {{0, 0, 0, true}, {255, 0, 0, false}};

  helprtf::Topic index;
  index.contextStrings = {"IDH_INDEX"};
  index.title = "Sommaire";
  index.keywords = {"sommaire", "index"};
  index.browseSequence = "0001:0000";
  helprtf::Paragraph heading = TextParagraph("Sommaire de l'aide");
  heading.format.nonScrolling = true;
  heading.runs[0].format.bold = true;
  heading.runs[0].format.halfPoints = 28;
  index.paragraphs.push_back(heading);
  index.paragraphs.push_back(
      HotSpotParagraph("Voir ", helprtf::HotSpotKind::Jump, "la suite", "IDH_SUITE"));
  index.paragraphs.push_back(
      HotSpotParagraph("Un ", helprtf::HotSpotKind::Popup, "terme", "IDH_TERME"));
  index.paragraphs.push_back(
      HotSpotParagraph("Ailleurs: ", helprtf::HotSpotKind::Jump, "fenetre", "IDH_SUITE", "second"));
  index.paragraphs.push_back(
      HotSpotParagraph("Macro: ", helprtf::HotSpotKind::Macro, "retour", "Back()"));

  helprtf::Topic suite;
  suite.contextStrings = {"IDH_SUITE", "IDH_SUITE_BIS"};
  suite.title = "La suite";
  suite.keywords = {"Index", "suite"};
  suite.browseSequence = "0001:0001";
  suite.entryMacros = {"CloseWindow(\"second\")"};
  helprtf::Paragraph colored = TextParagraph("Texte rouge");
  colored.runs[0].format.color = 1;
  colored.runs[0].format.font = 1;
  colored.format.leftIndentTwips = 360;
  colored.format.align = helprtf::ParagraphFormat::Align::Center;
  suite.paragraphs.push_back(colored);

  helprtf::Topic terme;
  terme.contextStrings = {"IDH_TERME"};
  terme.title = "Terme";
  terme.paragraphs.push_back(TextParagraph("Definition du terme."));

  document.topics = {index, suite, terme};
  input.files.push_back(file);
  input.map = {{"IDH_INDEX", 100, "DEMO.HPJ"}, {"IDH_TERME", 0x20064, "DEMO.HPJ"}};
  return input;
}

}  // namespace veldor::winhelp::testing
