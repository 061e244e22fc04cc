#pragma once
// Runs veltraxctl as a user would and collects what it printed.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace veltrax::test {

struct CliRun {
  int status = -1;
  std::string out;  // stdout, and stderr too unless RunApart kept it in err
  std::string err;
};

using Environment = std::vector<std::pair<std::string, std::string>>;

inline std::string ReadAll(FILE* file) {
  std::string text;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) text.append(buffer.data(), n);
  return text;
}

// Runs a shell command line; stderr goes where the line sends it.
inline CliRun RunShell(const std::string& line) {
  CliRun run;
  FILE* pipe = ::popen(line.c_str(), "r");
  if (pipe == nullptr) return run;
  run.out = ReadAll(pipe);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

inline std::string CtlLine(const std::string& program, const std::string& args, const Environment& env) {
  std::string line = "env";
  for (const auto& [name, value] : env) line += " '" + name + "=" + value + "'";
  return line + " " + program + " " + args;
}

#ifdef VELTRAXCTL
// veltraxctl; env: variables set for this run only.
inline CliRun RunCtl(const std::string& args, const Environment& env = {}) {
  return RunShell(CtlLine(VELTRAXCTL, args, env) + " 2>&1");
}
#endif

// Any program of the project, its stdout in out and its stderr in err.
inline CliRun RunApart(const std::string& program, const std::string& args, const Environment& env = {}) {
  std::string errFile = (std::filesystem::temp_directory_path() / "veltrax-stderr-XXXXXX").string();
  const int fd = ::mkstemp(errFile.data());
  if (fd < 0) return {};
  ::close(fd);
  CliRun run = RunShell(CtlLine(program, args, env) + " 2>" + errFile);
  if (FILE* err = std::fopen(errFile.c_str(), "r")) {
    run.err = ReadAll(err);
    std::fclose(err);
  }
  ::unlink(errFile.c_str());
  return run;
}

}  // namespace veltrax::test
