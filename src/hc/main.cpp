// veldor-hc: the help compiler. Turns a help project (.HPJ) and its RTF
// topic files into a WinHelp .HLP file. It accepts the command lines the
// help build starts ("hcvel.pif X.HPJ", "hcpvel.pif X.HPJ",
// "hcw.exe /C /M /A /E X.HPJ") as well as its own options.
#include <iostream>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "winhelp/hlp_compiler.h"

namespace {

constexpr const char* kUsage =
    "Usage: veldor-hc [options] PROJECT.HPJ\n"
    "Compiles a help project and its RTF topic files into a WinHelp help file.\n"
    "\n"
    "  -o, --output FILE   write the help file to FILE (default: the project's\n"
    "                      name with .HLP, in the current directory)\n"
    "  -q, --quiet         print only the summary line\n"
    "      --oem, --ansi   read TITLE and COPYRIGHT as OEM 850 or as Windows-1252\n"
    "                      text (default: OEM when started under a compiler's\n"
    "                      name, as the help build does, else Windows-1252)\n"
    "  -h, --help          show this help\n"
    "\n"
    "The names hcvel.pif, hcpvel.pif and hcw.exe before the project, and the\n"
    "switches /C /M /A /E (and any other /X), are accepted and ignored.\n"
    "Messages go to standard output and to the project's ERRORLOG file.\n"
    "Exit status: 0 when the help file was written, 1 otherwise, 2 on bad usage.\n";

bool IsCompilerName(const std::string& arg) {
  const std::string name = veldor::AsciiLower(veldor::FileNamePart(arg));
  return name == "hcvel.pif" || name == "hcpvel.pif" || name == "hcw.exe" || name == "hcw" ||
         name == "hc31.exe" || name == "hcp.exe" || name == "hcrtf.exe";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  veldor::winhelp::CompileRequest request;
  bool quiet = false;
  int oem = -1;  // -1: from the command form
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-h" || arg == "--help" || arg == "/?") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "-o" || arg == "--output") {
      if (i + 1 >= args.size()) {
        std::cerr << "veldor-hc: " << arg << " needs a file name\n" << kUsage;
        return 2;
      }
      request.outputPath = args[++i];
      continue;
    }
    if (arg.rfind("--output=", 0) == 0) {
      request.outputPath = arg.substr(9);
      continue;
    }
    if (arg == "--oem" || arg == "--ansi") {
      oem = arg == "--oem" ? 1 : 0;
      continue;
    }
    if (arg == "-q" || arg == "--quiet") {
      quiet = true;
      continue;
    }
    if (arg.size() == 2 && arg[0] == '/') continue;  // /C /M /A /E and the like
    if (request.projectPath.empty() && IsCompilerName(arg)) {
      if (oem < 0) oem = 2;  // started as the help build starts a compiler
      continue;
    }
    if (!arg.empty() && arg[0] == '-') {
      std::cerr << "veldor-hc: unknown option " << arg << "\n" << kUsage;
      return 2;
    }
    if (!request.projectPath.empty()) {
      std::cerr << "veldor-hc: more than one project given\n" << kUsage;
      return 2;
    }
    request.projectPath = arg;
  }
  if (request.projectPath.empty()) {
    std::cerr << "veldor-hc: no help project given\n" << kUsage;
    return 2;
  }
  request.oemStrings = oem > 0;
  request.print = [quiet](const std::string& line) {
    if (!quiet || line.rfind("Error", 0) == 0 || line.find(" topics, ") != std::string::npos) {
      std::cout << line << "\n";
    }
  };
  const veldor::winhelp::CompileResult result = veldor::winhelp::CompileHelpProject(request);
  std::cout.flush();
  return result.written ? 0 : 1;
}
