#include "platform/process.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/settings_store.h"

namespace veldor {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Names for messages: file names may be Windows-1252 bytes.
std::string ForMessage(const std::string& text) {
  return IsValidUtf8(text) ? text : Cp1252ToUtf8(text);
}

// The first word of a command line is the program name, which ends at the
// next blank or, when quoted, at the next quote; backslashes mean nothing.
std::string::size_type SplitProgramName(const std::string& line, std::string::size_type pos,
                                        std::vector<std::string>& words) {
  std::string word;
  if (line[pos] == '"') {
    const auto close = line.find('"', pos + 1);
    const auto end = close == std::string::npos ? line.size() : close;
    word = line.substr(pos + 1, end - pos - 1);
    pos = close == std::string::npos ? line.size() : close + 1;
  } else {
    const auto end = std::min(line.find_first_of(" \t", pos), line.size());
    word = line.substr(pos, end - pos);
    pos = end;
  }
  words.push_back(std::move(word));
  return pos;
}

// Where the child tells the parent why it could not start the program.
struct ChildFailure {
  int stage;  // one of the values below
  int error;  // errno
};
constexpr int kStageDirectory = 1;
constexpr int kStageExec = 2;
constexpr int kStageFork = 3;

// Only async-signal-safe calls from here on: the parent may have threads.
[[noreturn]] void ReportAndExit(int pipe, int stage) {
  const ChildFailure failure{stage, errno};
  ssize_t ignored = ::write(pipe, &failure, sizeof failure);
  (void)ignored;
  ::_exit(127);
}

// Closes every descriptor above the standard ones but `keep`, so that the
// program inherits nothing of this process.
void CloseOtherDescriptors(int keep, int maxFd) {
  if ((keep == 3 || ::close_range(3, keep - 1, 0) == 0) && ::close_range(keep + 1, ~0U, 0) == 0) {
    return;
  }
  for (int fd = 3; fd < maxFd; ++fd) {
    if (fd != keep) ::close(fd);
  }
}

// Sets up the child and replaces it with the program; never returns.
[[noreturn]] void ExecChild(char* const argv[], const char* directory, int nullInput, int errorPipe,
                            int maxFd) {
  if (nullInput >= 0) ::dup2(nullInput, STDIN_FILENO);
  CloseOtherDescriptors(errorPipe, maxFd);
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  ::signal(SIGPIPE, SIG_DFL);
  if (directory != nullptr && ::chdir(directory) != 0) ReportAndExit(errorPipe, kStageDirectory);
  ::execv(argv[0], argv);
  ReportAndExit(errorPipe, kStageExec);
}

int WaitFor(pid_t pid, int& status) {
  for (;;) {
    if (::waitpid(pid, &status, 0) >= 0) return 0;
    if (errno != EINTR) return errno;
  }
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> words;
  std::string::size_type pos = line.find_first_not_of(" \t");
  if (pos == std::string::npos) return words;
  pos = SplitProgramName(line, pos, words);

  std::string word;
  bool inWord = false;
  bool quoted = false;
  while (pos < line.size()) {
    const char c = line[pos];
    if (c == '\\') {
      std::string::size_type count = 0;
      while (pos < line.size() && line[pos] == '\\') {
        ++count;
        ++pos;
      }
      inWord = true;
      if (pos < line.size() && line[pos] == '"') {
        // 2n backslashes and a quote: n backslashes, the quote delimits;
        // 2n+1: n backslashes and a literal quote.
        word.append(count / 2, '\\');
        if (count % 2 == 1) {
          word += '"';
          ++pos;
        }
      } else {
        word.append(count, '\\');
      }
    } else if (c == '"') {
      inWord = true;
      ++pos;
      if (quoted && pos < line.size() && line[pos] == '"') {
        word += '"';  // "" inside quotes is a literal quote
        ++pos;
      } else {
        quoted = !quoted;
      }
    } else if (IsBlank(c) && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      ++pos;
    } else {
      word += c;
      inWord = true;
      ++pos;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string QuoteCommandArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');  // they precede the closing quote
  quoted += '"';
  return quoted;
}

std::vector<std::string> ResolveProgram(const std::string& windowsName) {
  std::vector<std::string> words;
  if (windowsName.empty()) return words;
  const SettingsStore& settings = SettingsStore::Instance();
  auto mapped = settings.Find("Programmes", windowsName);
  if (!mapped && FileNamePart(windowsName) != windowsName) {
    mapped = settings.Find("Programmes", FileNamePart(windowsName));
  }
  if (mapped && !mapped->empty()) {
    words = SplitCommandLine(*mapped);
    if (words.empty() || words[0].empty()) return {};
  } else {
    words.push_back(windowsName);
  }

  std::string& program = words[0];
  if (program.find('/') != std::string::npos) {
    // Relative to the current directory of this process, not the child's.
    if (program[0] != '/') program = JoinPath(CurrentDirectory(), program);
    return words;
  }
  const char* searchPath = std::getenv("PATH");
  const std::string path = searchPath != nullptr ? searchPath : "/usr/local/bin:/usr/bin:/bin";
  std::string::size_type start = 0;
  for (;;) {
    const auto end = std::min(path.find(':', start), path.size());
    std::string directory = path.substr(start, end - start);
    if (directory.empty()) directory = CurrentDirectory();  // an empty entry is "."
    const std::string candidate = JoinPath(directory, program);
    if (FileExists(candidate) && ::access(candidate.c_str(), X_OK) == 0) {
      program = candidate[0] == '/' ? candidate : JoinPath(CurrentDirectory(), candidate);
      return words;
    }
    if (end >= path.size()) break;
    start = end + 1;
  }
  return {};
}

ProcessResult RunCommandLine(const std::string& commandLine, bool wait,
                             const std::string& workingDirectory) {
  ProcessResult result;
  std::vector<std::string> words = SplitCommandLine(commandLine);
  if (words.empty()) {
    result.error = "empty command line";
    return result;
  }
  std::vector<std::string> arguments = ResolveProgram(words[0]);
  if (arguments.empty()) {
    result.error = "program \"" + ForMessage(words[0]) +
                   "\" not found; name the program to run in section \"Programmes\" of " +
                   ForMessage(SettingsStore::Instance().path());
    return result;
  }
  arguments.insert(arguments.end(), words.begin() + 1, words.end());

  // Everything the child needs is prepared before it exists.
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const std::string directory = workingDirectory.empty() ? "" : ResolvePath(workingDirectory);
  const char* directoryArg = directory.empty() ? nullptr : directory.c_str();
  long openMax = ::sysconf(_SC_OPEN_MAX);
  const int maxFd = openMax <= 0 || openMax > 65536 ? 65536 : static_cast<int>(openMax);

  int errorPipe[2];
  if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
    result.error = std::strerror(errno);
    return result;
  }
  if (errorPipe[1] < 3) {
    // The standard descriptors are replaced in the child; keep clear of them.
    const int moved = ::fcntl(errorPipe[1], F_DUPFD_CLOEXEC, 3);
    if (moved >= 0) {
      ::close(errorPipe[1]);
      errorPipe[1] = moved;
    }
  }
  const int nullInput = ::open("/dev/null", O_RDONLY | O_CLOEXEC);

  const pid_t child = ::fork();
  if (child == 0) {
    ::close(errorPipe[0]);
    if (wait) ExecChild(argv.data(), directoryArg, nullInput, errorPipe[1], maxFd);
    // Not waited for: a grandchild runs the program and this child ends at
    // once, so the program is adopted by init and never left a zombie.
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild == 0) ExecChild(argv.data(), directoryArg, nullInput, errorPipe[1], maxFd);
    if (grandchild < 0) ReportAndExit(errorPipe[1], kStageFork);
    ::_exit(0);
  }
  const int forkError = errno;
  ::close(errorPipe[1]);
  if (nullInput >= 0) ::close(nullInput);
  if (child < 0) {
    ::close(errorPipe[0]);
    result.error = std::strerror(forkError);
    return result;
  }

  // The pipe closes without a word when the program has started.
  ChildFailure failure{};
  ssize_t got;
  do {
    got = ::read(errorPipe[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  ::close(errorPipe[0]);

  int status = 0;
  if (got == static_cast<ssize_t>(sizeof failure)) {
    WaitFor(child, status);
    if (failure.stage == kStageDirectory) {
      result.error = "cannot change to directory " + ForMessage(directory) + ": " +
                     std::strerror(failure.error);
    } else {
      result.error =
          "cannot start " + ForMessage(arguments[0]) + ": " + std::strerror(failure.error);
    }
    return result;
  }
  result.started = true;
  if (WaitFor(child, status) == 0 && wait && WIFEXITED(status)) {
    result.exitCode = WEXITSTATUS(status);
  }
  return result;
}

namespace {

// The directory made absolute: builds change the current directory, after
// which a relative program directory would name another place.
std::string Absolute(const std::string& directory) {
  if (IsAbsolutePath(directory)) return directory;
  return JoinPath(CurrentDirectory(), directory);
}

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return "/tmp";
}

}  // namespace

std::string FindCompanionProgram(const std::string& name) {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length > 0) {
    const std::string beside =
        JoinPath(DirectoryPart(std::string(buffer, static_cast<size_t>(length))), name);
    if (FileExists(beside) && ::access(beside.c_str(), X_OK) == 0) return beside;
  }
  const char* searchPath = std::getenv("PATH");
  const std::string path = searchPath != nullptr ? searchPath : "/usr/local/bin:/usr/bin:/bin";
  std::string::size_type start = 0;
  while (start <= path.size()) {
    const auto end = std::min(path.find(':', start), path.size());
    const std::string directory = path.substr(start, end - start);
    if (!directory.empty()) {
      const std::string candidate = JoinPath(directory, name);
      if (FileExists(candidate) && ::access(candidate.c_str(), X_OK) == 0) {
        return candidate[0] == '/' ? candidate : JoinPath(CurrentDirectory(), candidate);
      }
    }
    start = end + 1;
  }
  return "";
}

std::string ProgramDirectory() {
  const char* override = std::getenv("VELDOR_PROGRAM_DIR");
  if (override != nullptr && *override != '\0') {
    const std::string directory = Absolute(override);
    MakeDirectories(directory);
    return directory;
  }
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length > 0) {
    const std::string directory = DirectoryPart(std::string(buffer, static_cast<size_t>(length)));
    if (!directory.empty() && ::access(directory.c_str(), W_OK) == 0) return directory;
  }
  std::string dataHome;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    dataHome = xdg;
  } else {
    dataHome = JoinPath(HomeDirectory(), ".local/share");
  }
  const std::string directory = JoinPath(dataHome, "veldor");
  MakeDirectories(directory);
  return directory;
}

}  // namespace veldor
