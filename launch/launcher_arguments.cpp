#include "launch/launcher_arguments.h"

#include <cctype>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The program's name ends at the next quotation mark when it starts with one, else at the
// first blank; nothing in it is special otherwise.
std::size_t endOfProgramName(std::string_view line) {
    if (!line.empty() && line[0] == '"') {
        const std::size_t closing = line.find('"', 1);
        return closing == std::string_view::npos ? line.size() : closing + 1;
    }
    std::size_t at = 0;
    while (at < line.size() && !isBlank(line[at]))
        ++at;
    return at;
}

} // namespace

std::vector<std::string> argumentsOf(std::string_view line) {
    std::vector<std::string> arguments;
    std::size_t at = endOfProgramName(line);
    for (;;) {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        if (at >= line.size())
            return arguments;
        std::string argument;
        // 0 outside quotation marks, 1 inside; a run of marks counts on, and every third
        // mark of a run is a literal one.
        int quotes = 0;
        while (at < line.size() && (quotes != 0 || !isBlank(line[at]))) {
            if (line[at] == '\\') {
                std::size_t backslashes = 0;
                while (at < line.size() && line[at] == '\\') {
                    ++backslashes;
                    ++at;
                }
                if (at < line.size() && line[at] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument += '"'; // an escaped mark
                        ++at;
                    }
                } else {
                    argument.append(backslashes, '\\');
                }
                continue;
            }
            if (line[at] != '"') {
                argument += line[at++];
                continue;
            }
            ++quotes;
            ++at;
            while (at < line.size() && line[at] == '"') {
                if (++quotes == 3) {
                    argument += '"';
                    quotes = 0;
                }
                ++at;
            }
            if (quotes == 2)
                quotes = 0;
        }
        arguments.push_back(std::move(argument));
    }
}

StartRequest startRequestOf(const std::vector<std::string>& arguments) {
    StartRequest request;
    if (arguments.empty())
        return request;
    auto wrong = [&request](std::string problem) {
        request.form = StartForm::wrongUse;
        request.problem = std::move(problem);
        return request;
    };
    const std::string& first = arguments[0];
    const std::string name = lowerCase(first);
    std::size_t fileAt = 1; // where the settings file stands
    if (first.empty() || first[0] != '/') {
        request.form = StartForm::openFile;
        fileAt = 0;
    } else if (name == "/run") {
        request.form = StartForm::run;
    } else if (name == "/print") {
        request.form = StartForm::print;
    } else if (name == "/?") {
        request.form = StartForm::usage;
    } else {
        return wrong("Unknown switch \"" + first + "\".");
    }

    std::size_t used = 1;
    if (request.form != StartForm::usage) {
        if (arguments.size() <= fileAt || arguments[fileAt].empty())
            return wrong(request.form == StartForm::openFile
                             ? "The settings file to open is missing."
                             : "\"" + first + "\" needs a settings file.");
        used = fileAt + 1;
    }
    if (arguments.size() > used)
        return wrong("Unexpected argument \"" + arguments[used] + "\".");
    if (request.form != StartForm::usage)
        request.file = arguments[fileAt];
    return request;
}
