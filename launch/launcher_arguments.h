#pragma once
// What the program was asked to do by its command line: the pages (with a settings file to
// open, or none), a launch or a printout of a settings file without the pages, the usage
// text, or nothing it understands.

#include <string>
#include <string_view>
#include <vector>

// The arguments behind the program's own name, split as Windows splits a command line for
// its programs (CommandLineToArgvW): blanks and tabs separate; quotation marks group, also in
// the middle of an argument; backslashes count only before a quotation mark.
std::vector<std::string> argumentsOf(std::string_view commandLine);

enum class StartForm { pages, openFile, run, print, usage, wrongUse };

struct StartRequest {
    StartForm form = StartForm::pages;
    std::string file;    // openFile, run, print
    std::string problem; // wrongUse: what was wrong, for the player
};

// Switches start with "/" and are taken in any letter case; a switch other than "/?" is
// followed by exactly one settings file.
StartRequest startRequestOf(const std::vector<std::string>& arguments);
