// veldor-cli: the project model, the help build, the import and export and
// the development-tool wizards from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/settings_store.h"

namespace {

void PrintHelp() {
  std::printf("usage: veldor-cli COMMAND ARGUMENTS... [--yes]\n");
  const veldor::CliCommand* previous = nullptr;
  for (const veldor::CliCommand& c : veldor::CliCommands()) {
    if (previous == nullptr || previous->group != c.group) {
      std::printf("\n%s:\n", veldor::CliGroupTitle(c.group));
    }
    std::printf("  %-44s %s\n", c.usage.c_str(), c.summary.c_str());
    previous = &c;
  }
  std::printf("\n  --yes   answer Yes to every confirmation (the default answer is No)\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    PrintHelp();
    return words.empty() ? 2 : 0;
  }
  const veldor::CliCommand* command = nullptr;
  for (const veldor::CliCommand& c : veldor::CliCommands()) {
    if (c.name == words[0]) command = &c;
  }
  if (command == nullptr) {
    veldor::CliError("unknown command '" + words[0] + "' (see veldor-cli --help)");
    return 2;
  }

  veldor::CliOptions options;
  std::vector<std::string> args;
  for (size_t i = 1; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "--yes") {
      options.yes = true;
    } else if (w == "--help") {
      std::printf("usage: veldor-cli %s\n  %s\n", command->usage.c_str(), command->summary.c_str());
      return 0;
    } else if (w.size() > 2 && w.compare(0, 2, "--") == 0) {
      options.flags.push_back(w);
      bool takesValue = false;
      for (const std::string& o : command->valueOptions) takesValue |= (o == w);
      if (takesValue) {
        if (i + 1 >= words.size()) {
          veldor::CliError("option " + w + " needs a value");
          return 2;
        }
        options.flags.push_back(words[++i]);
      }
    } else {
      args.push_back(w);
    }
  }
  if (static_cast<int>(args.size()) < command->minArgs ||
      static_cast<int>(args.size()) > command->maxArgs) {
    veldor::CliError("usage: veldor-cli " + command->usage);
    return 2;
  }
  // A settings file that cannot be read is named once; the command goes on
  // with the built-in settings.
  const std::string settingsError = veldor::SettingsStore::Instance().LoadError();
  if (!settingsError.empty()) {
    veldor::CliError("warning: settings not read, built-in settings used: " + settingsError);
  }
  veldor::FileLock lock;
  if (command->changedProject != nullptr) {
    const std::string project = command->changedProject(args, options);
    std::string reason;
    if (!project.empty() &&
        !lock.Acquire(veldor::ResolvePath(project), veldor::FileLock::kDefaultWait, &reason)) {
      veldor::CliError(project + ": " + reason);
      return 1;
    }
  }
  veldor::StderrMessages sink(options.yes);
  veldor::SetMessages(&sink);
  int status = command->run(args, options);
  veldor::SetMessages(nullptr);
  // Output that could not be written (a full disk, a closed pipe) is a
  // failure of the command, even when everything else went well.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    veldor::CliError("cannot write to standard output");
    if (status == 0) status = 1;
  }
  return status;
}
