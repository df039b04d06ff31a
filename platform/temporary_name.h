#pragma once
// Names for the temporary file of a safe replace: beside the target, and tried one after
// another until one is found that no existing file has.

#include <string>
#include <string_view>

inline std::string temporaryNameFor(std::string_view target, unsigned seed, unsigned attempt) {
    return std::string(target) + ".~" + std::to_string(seed) + "-" + std::to_string(attempt) +
           ".tmp";
}

// Enough tries to get past any files left behind by crashed writers.
inline constexpr unsigned kTemporaryNameAttempts = 100;
