#include <algorithm>
#include <cstdio>

#include "cli/cli.h"
#include "model/document.h"

namespace veldor {

namespace {
std::vector<CliCommand>& Registry() {
  static std::vector<CliCommand> commands;
  return commands;
}
}  // namespace

const char* CliGroupTitle(CliGroup group) {
  switch (group) {
    case CliGroup::Project:
      return "Project";
    case CliGroup::Build:
      return "Help build";
    case CliGroup::Exchange:
      return "Import and export";
    case CliGroup::Devtools:
      return "Development tools";
  }
  return "";
}

CliRegistration::CliRegistration(CliGroup group, CliCommand command) {
  // Static registrations run in link order; each command goes behind the
  // last one of its group so that the table reads group by group.
  command.group = group;
  std::vector<CliCommand>& commands = Registry();
  const auto behind = std::upper_bound(commands.begin(), commands.end(), group,
                                       [](CliGroup g, const CliCommand& c) { return g < c.group; });
  commands.insert(behind, std::move(command));
}

const std::vector<CliCommand>& CliCommands() {
  return Registry();
}

bool CliOptions::HasFlag(const std::string& flag) const {
  for (const std::string& f : flags) {
    if (f == flag) return true;
  }
  return false;
}

std::string CliOptions::OptionValue(const std::string& option, const std::string& fallback) const {
  for (size_t i = 0; i + 1 < flags.size(); ++i) {
    if (flags[i] == option) return flags[i + 1];
  }
  return fallback;
}

std::string FirstArgument(const std::vector<std::string>& args, const CliOptions&) {
  return args.empty() ? "" : args[0];
}

std::string FirstArgumentWhenSaved(const std::vector<std::string>& args,
                                   const CliOptions& options) {
  return options.HasFlag("--save") ? FirstArgument(args, options) : "";
}

std::string SecondArgument(const std::vector<std::string>& args, const CliOptions&) {
  return args.size() < 2 ? "" : args[1];
}

void StderrMessages::Message(const std::string& text, const std::string& caption, MessageIcon) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

bool StderrMessages::Confirm(const std::string& text, const std::string& caption) {
  std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(), answerYes_ ? "Oui" : "Non");
  return answerYes_;
}

void CliError(const std::string& message) {
  std::fprintf(stderr, "veldor-cli: %s\n", message.c_str());
}

bool CliOpenProject(const std::string& path, CVeldorDoc& doc) {
  std::string error;
  if (!doc.Open(path, &error)) {
    CliError(path + ": " + error);
    return false;
  }
  return true;
}

bool CliSaveProject(CVeldorDoc& doc, const std::string& path) {
  std::string error;
  if (!doc.Save(path, &error)) {
    CliError(path + ": " + error);
    return false;
  }
  return true;
}

}  // namespace veldor
