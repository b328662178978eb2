#include "support/CliProcess.h"

#include <sys/wait.h>

#include <cstdio>

// A quote itself is closed, escaped, reopened.
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CliRun RunCliExecutable(const std::vector<std::string>& args, bool withStderr) {
  // A run that hangs is killed, so the test fails instead of waiting for ever.
  std::string command = "timeout -k 5 60 " + ShellQuoted(SONGLOOM_CLI_PATH);
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  command += withStderr ? " 2>&1" : " 2>/dev/null";
  return RunShellCommand(command);
}

CliRun RunShellCommand(const std::string& command) {
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
  const int status = ::pclose(pipe);
  if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  return run;
}
