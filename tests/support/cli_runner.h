// veldor-cli run as a separate program, with its exit status and what it
// wrote to standard output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "platform/files.h"
#include "platform/paths.h"

namespace veldor {

struct CliResult {
  int status = -1;  // the exit status; -1 when the program did not exit
  std::string out;
  std::string err;
};

// `text` as one word of the shell.
inline std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

// Runs veldor-cli and collects what it wrote; its output goes through
// two files of `scratchDirectory` that are removed afterwards.
//
//   CliRunner(dir).InDirectory(dir).WithSettingsFile(dir + "/none.ini").Run("hm P.ehe")
class CliRunner {
 public:
  explicit CliRunner(std::string scratchDirectory)
      : scratchDirectory_(std::move(scratchDirectory)) {}
  // Where it runs; by default where the test runs.
  CliRunner& InDirectory(std::string directory) {
    workingDirectory_ = std::move(directory);
    return *this;
  }
  // Its VELDOR_INI; by default that of the test.
  CliRunner& WithSettingsFile(std::string path) {
    settingsFile_ = std::move(path);
    return *this;
  }

  // One more variable of its environment (LD_PRELOAD, ...).
  CliRunner& WithEnvironment(const std::string& name, const std::string& value) {
    environment_ += name + "=" + ShellQuote(value) + " ";
    return *this;
  }
  // Its standard output goes to `path` (such as /dev/full) instead of being collected.
  CliRunner& WithOutputTo(std::string path) {
    outputPath_ = std::move(path);
    return *this;
  }

  // Killed after `seconds` (it then did not exit: status -1 or 124), so
  // that a test of something that could hang fails instead.
  CliRunner& WithTimeLimit(int seconds) {
    timeLimit_ = "timeout -s KILL " + std::to_string(seconds) + " ";
    return *this;
  }

  // `args` are shell words, quoted where needed (ShellQuote).
  CliResult Run(const std::string& args) const {
    const std::string out = JoinPath(scratchDirectory_, ".stdout");
    const std::string err = JoinPath(scratchDirectory_, ".stderr");
    std::string command;
    if (!workingDirectory_.empty()) command += "cd " + ShellQuote(workingDirectory_) + " && ";
    if (!settingsFile_.empty()) command += "VELDOR_INI=" + ShellQuote(settingsFile_) + " ";
    command += environment_ + timeLimit_;
    command += ShellQuote(VELDOR_CLI_PATH) + " " + args + " >" +
               ShellQuote(outputPath_.empty() ? out : outputPath_) + " 2>" + ShellQuote(err);
    CliResult result;
    const int status = std::system(command.c_str());
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (outputPath_.empty()) ReadFile(out, result.out);
    ReadFile(err, result.err);
    DeleteFile(out);
    DeleteFile(err);
    return result;
  }

 private:
  std::string scratchDirectory_;
  std::string workingDirectory_;
  std::string settingsFile_;
  std::string environment_;
  std::string outputPath_;
  std::string timeLimit_;
};

}  // namespace veldor
