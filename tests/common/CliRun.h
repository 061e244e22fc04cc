#pragma once
// Runs veltraxctl as a user would and collects what it printed.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace veltrax::test {

struct CliRun {
  int status = -1;
  std::string out;  // stdout and stderr together
};

// env: variables set for this run only.
inline CliRun RunCtl(const std::string& args, const std::vector<std::pair<std::string, std::string>>& env = {}) {
  CliRun run;
  std::string command = "env";
  for (const auto& [name, value] : env) command += " '" + name + "=" + value + "'";
  command += " " + std::string(VELTRAXCTL) + " " + args + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

}  // namespace veltrax::test
