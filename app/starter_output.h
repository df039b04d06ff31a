#pragma once
// What a start from a command line says to whoever started it: the usage, /print's text, and
// every error of the arguments, /run and /print.

#include "platform/port.h"

#include <string_view>

enum class StarterStream { output, error };

// Writes the text to its stream when a console, a pipe or a file takes it. Only when nothing
// would show it there, and someone can answer a box, does a box show it instead (caption
// "Error" with the error icon for the error stream, else "Zat Start"), so a script or a
// service is never held by a box no one answers.
void tellStarter(Desktop& desktop, StarterStream stream, std::string_view text);
