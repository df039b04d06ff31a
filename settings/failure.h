#pragma once
// What a file operation tells the player: nothing on success, otherwise the text of the
// error message box. The texts are string literals, so a view on them never dangles.

#include <optional>
#include <string_view>

using Failure = std::optional<std::string_view>;
