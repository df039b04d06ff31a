// A command line from anywhere (a shortcut, a script, a double-click): split and read without
// fault, and its arguments come back whole when quoted as Windows programs quote them.
#include "fuzz_check.h"
#include "launch/launcher_arguments.h"

#include <string>

namespace {

// One argument in quotation marks: a mark escaped with a backslash, backslashes doubled where
// a mark follows them.
std::string quoted(const std::string& argument) {
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, '\\');
    return out + '"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> arguments = argumentsOf(bytesOf(data, size));
    std::string again = "zatstart.exe";
    for (const std::string& argument : arguments)
        again += ' ' + quoted(argument);
    fuzzCheck(argumentsOf(again) == arguments, "the arguments survive being quoted back");

    const StartRequest request = startRequestOf(arguments);
    const bool wrong = request.form == StartForm::wrongUse;
    fuzzCheck(wrong == !request.problem.empty(), "a wrong use, and only one, says what is wrong");
    const bool needsFile = request.form == StartForm::openFile || request.form == StartForm::run ||
                           request.form == StartForm::print;
    fuzzCheck(needsFile == !request.file.empty(), "a form that needs a file, and only one, has it");
    return 0;
}
