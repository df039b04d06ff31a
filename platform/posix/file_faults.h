#pragma once
// For the native tests only: makes one step of the native file backend fail as Windows' file
// calls can (a file not found or in use, access denied, a full disk), so the tests see what the
// player is told and that the old file survives.

#include <optional>

enum class FileStep {
    read,    // opening or reading a file
    create,  // creating the temporary file beside the target
    write,   // writing it: half the bytes land, then the disk is full
    replace, // moving it over the target
};

// From now on that step fails for every path; std::nullopt makes every step work again.
void failFileStep(std::optional<FileStep> step);
