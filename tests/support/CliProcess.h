#pragma once

#include <string>
#include <vector>

// What the real songloom-cli executable did for one run.
struct CliRun {
  int exitStatus = -1;  // -1 when it did not exit normally
  std::string output;   // stdout, and stderr too when asked for
};

// Runs songloom-cli with the arguments (each quoted for the shell). With
// withStderr the error stream joins the output, else it is thrown away. A run
// that has not ended after a minute is killed (exit status 124 or 137).
CliRun RunCliExecutable(const std::vector<std::string>& args, bool withStderr);

// Runs a shell command line and collects its stdout (a "2>&1" in it adds stderr).
CliRun RunShellCommand(const std::string& command);
// text in single quotes for the shell, every byte kept.
std::string ShellQuoted(const std::string& text);
