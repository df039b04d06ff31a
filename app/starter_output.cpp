#include "app/starter_output.h"

void tellStarter(Desktop& desktop, StarterStream stream, std::string_view text) {
    const bool error = stream == StarterStream::error;
    const bool written =
        error ? desktop.writeStandardError(text) : desktop.writeStandardOutput(text);
    if (written || !desktop.interactive())
        return;
    // A box shows its text without the line breaks that end it on a stream.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    desktop.messageBox(nullptr, text, error ? "Error" : "Zat Start",
                       error ? MessageIcon::error : MessageIcon::none, MessageButtons::ok);
}
