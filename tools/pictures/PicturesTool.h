#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The command line of sorvita-pictures: `arguments` without the program name.
// Returns the exit status: 0 all well, 1 problems found, 2 a usage error.
// Needs a QGuiApplication (the pictures carry text).
int RunPicturesTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
