// The command table of veldor-cli. Each commands_*.cpp file registers its
// own commands with a static CliRegistration, so subsystems add commands
// without touching main.cpp.
#pragma once

#include <string>
#include <vector>

#include "platform/messages.h"

namespace veldor {

class CVeldorDoc;

struct CliOptions {
  bool yes = false;  // answer Yes to confirmations (--yes)
  // Flags and named options seen on the command line ("--save",
  // "--page=TAG" is given as "--page" "TAG"): what is left after the
  // positional arguments, in order.
  std::vector<std::string> flags;
  bool HasFlag(const std::string& flag) const;
  // The value following `option`, or `fallback` when absent.
  std::string OptionValue(const std::string& option, const std::string& fallback = "") const;
};

// The groups of commands, in the order --help lists them.
enum class CliGroup { Project, Build, Exchange, Devtools };
// The heading of a group in --help ("Project").
const char* CliGroupTitle(CliGroup group);

struct CliCommand {
  std::string name;     // "dump"
  std::string usage;    // "dump IN.ehe"
  std::string summary;  // one line for --help
  int minArgs = 0;      // positional arguments after the command name
  int maxArgs = 0;
  // Named options taking a value ("--page"); other "--x" words are flags.
  std::vector<std::string> valueOptions;
  int (*run)(const std::vector<std::string>& args, const CliOptions& options) = nullptr;
  // The project the command reads, changes and saves with these arguments
  // (empty when it changes none): main() holds that project's lock while
  // the command runs, so that two changes of one project do not overlap.
  std::string (*changedProject)(const std::vector<std::string>& args,
                                const CliOptions& options) = nullptr;
  CliGroup group = CliGroup::Project;  // set by CliRegistration
};

// Values of CliCommand::changedProject: the first argument; the first
// argument when --save is given; the second argument.
std::string FirstArgument(const std::vector<std::string>& args, const CliOptions& options);
std::string FirstArgumentWhenSaved(const std::vector<std::string>& args, const CliOptions& options);
std::string SecondArgument(const std::vector<std::string>& args, const CliOptions& options);

struct CliRegistration {
  CliRegistration(CliGroup group, CliCommand command);
};
// Every registered command: group after group in the order of CliGroup,
// in the order of registration within a group.
const std::vector<CliCommand>& CliCommands();

// Prints messages to standard error as "CAPTION: text" and answers
// confirmations with No unless --yes was given.
class StderrMessages : public IMessages {
 public:
  explicit StderrMessages(bool answerYes) : answerYes_(answerYes) {}
  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool Confirm(const std::string& text, const std::string& caption) override;
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void ProgressStart(const std::string&, int) override {}
  void ProgressStep() override {}
  void ProgressClose() override {}

 private:
  bool answerYes_;
};

// Prints "veldor-cli: " and the message to standard error.
void CliError(const std::string& message);
// Opens a project for a command; prints the reason and returns false when
// it cannot be read.
bool CliOpenProject(const std::string& path, CVeldorDoc& doc);
// Saves with the backup rule; prints the reason and returns false on failure.
bool CliSaveProject(CVeldorDoc& doc, const std::string& path);

}  // namespace veldor
