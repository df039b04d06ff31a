#include "app/launcher_start.h"

#include "app/launch_from_file.h"
#include "app/page_frame.h"
#include "app/starter_output.h"
#include "app/startup.h"
#include "launch/launcher_arguments.h"

#include <string>

namespace {

constexpr std::string_view kUsage =
    "Usage:\r\n"
    "zatstart.exe\r\n"
    "    Opens the setup pages.\r\n"
    "zatstart.exe file.ZTP\r\n"
    "    Loads the settings file and opens its command line page.\r\n"
    "zatstart.exe /run file.ZTP\r\n"
    "    Starts Zat with the settings file, without the pages, from the located game\r\n"
    "    directory; waits for Zat and returns its exit code.\r\n"
    "zatstart.exe /print file.ZTP\r\n"
    "    Writes the launch command and the text of base\\ZatStart.cfg that /run would use.\r\n"
    "zatstart.exe /?\r\n"
    "    Shows this text.\r\n";

int showUsage(Desktop& desktop) {
    tellStarter(desktop, StarterStream::output, kUsage);
    return 0;
}

int refuse(Desktop& desktop, const std::string& problem) {
    tellStarter(desktop, StarterStream::error, problem + "\r\n\r\n" + std::string(kUsage));
    return 2;
}

// A path on the command line that the program cannot use: nothing is opened or started.
int refuseUnusable(Desktop& desktop, const HandedPath& path) {
    // The same rule as every other error of the arguments: a box only when no stream shows it.
    const bool written =
        desktop.writeStandardError("Zat Start cannot use " + path.path +
                                   ": its name does not fit the system's code page.\r\n");
    if (!written && desktop.interactive())
        desktop.messageBox(nullptr, unusablePathMessage(path), "Error", MessageIcon::error,
                           MessageButtons::ok);
    return 1;
}

} // namespace

int runWithLauncherArguments(Desktop& desktop, const std::vector<HandedPath>& arguments,
                             PageSet pages) {
    std::vector<std::string> texts;
    for (const HandedPath& argument : arguments) {
        if (!argument.fits())
            return refuseUnusable(desktop, argument);
        texts.push_back(argument.path);
    }
    const StartRequest request = startRequestOf(texts);
    switch (request.form) {
    case StartForm::pages:
        return runZatStart(desktop, pages);
    case StartForm::openFile:
        return runZatStart(desktop, pages, request.file);
    case StartForm::run:
        return runSettingsFile(desktop, request.file);
    case StartForm::print:
        return printSettingsFile(desktop, request.file);
    case StartForm::usage:
        return showUsage(desktop);
    case StartForm::wrongUse:
        break;
    }
    return refuse(desktop, request.problem);
}
