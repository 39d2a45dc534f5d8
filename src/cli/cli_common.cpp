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

CliRegistration::CliRegistration(CliCommand command) {
  Registry().push_back(std::move(command));
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
