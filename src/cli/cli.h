#pragma once
#include <string>
#include <vector>

namespace brumelle {

// brumelle-cli without its process: arguments after the program name; what
// it prints goes to out and err. Returns the exit status. Needs a
// QGuiApplication for the commands that draw.
int RunCli(const std::vector<std::string> &args, std::string &out, std::string &err);

} // namespace brumelle
