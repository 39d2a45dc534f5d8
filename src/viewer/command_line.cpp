#include "viewer/command_line.h"

#include <charconv>

namespace veldor::viewer {

const char* const kViewerUsage =
    "Usage : veldor-view [-i CONTEXTE | -n NUMERO | -k MOTCLE] FICHIER.HLP[>FENETRE]";

bool ParseViewerArguments(const std::vector<std::string>& args, ViewerOptions& options,
                          std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-i" || arg == "-n" || arg == "-k") {
      if (i + 1 >= args.size()) {
        error = "L'option " + arg + " demande une valeur.";
        return false;
      }
      const std::string& value = args[++i];
      if (arg == "-i") {
        options.context = value;
      } else if (arg == "-k") {
        options.keyword = value;
      } else {
        uint32_t number = 0;
        const bool hex =
            value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
        const char* first = value.data() + (hex ? 2 : 0);
        const char* last = value.data() + value.size();
        if (first == last || std::from_chars(first, last, number, hex ? 16 : 10).ptr != last) {
          error = "Numéro de contexte invalide : " + value;
          return false;
        }
        options.number = number;
      }
    } else if (!arg.empty() && arg[0] == '-' && arg.size() > 1) {
      error = "Option inconnue : " + arg;
      return false;
    } else if (options.file.empty()) {
      options.file = arg;
      if (auto gt = options.file.find('>'); gt != std::string::npos) {
        options.window = options.file.substr(gt + 1);
        options.file.resize(gt);
      }
    } else {
      error = "Un seul fichier d'aide peut être ouvert.";
      return false;
    }
  }
  return true;
}

}  // namespace veldor::viewer
