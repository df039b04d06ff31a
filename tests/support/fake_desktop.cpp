#include "support/fake_desktop.h"

#include "support/resource_script.h"

#include <stdexcept>

namespace {

// The dialogs of the program's own resource script, read once.
const std::map<int, DialogTemplate>& programDialogs() {
    static const std::map<int, DialogTemplate> dialogs =
        parseResourceScript(resourceScript(), resourceHeader());
    return dialogs;
}

} // namespace

bool FakeDesktop::runDialog(int templateId, const PageHandler& handler) {
    if (dialogsThatFail.count(templateId))
        return false;
    FakePage page(programDialogs().at(templateId), handler); // throws for a dialog not there
    openedTemplates.push_back(templateId);
    page.open();
    if (!page.ended() && player) // a page that ends while it opens is never shown
        player(page);
    if (!page.ended())
        throw std::logic_error("dialog " + std::to_string(templateId) + " was left open");
    return true;
}

MessageAnswer FakeDesktop::show(PageWindow* owner, MessageBoxShown box) {
    if (const auto* page = dynamic_cast<const FakePage*>(owner))
        box.ownerTemplate = page->templateId();
    messageBoxes.push_back(box);
    if (box.buttons == MessageButtons::ok)
        return MessageAnswer::ok;
    if (answers.empty() || answers.front() == MessageAnswer::ok)
        throw std::logic_error("no yes or no scripted for \"" + box.text + "\"");
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<HandedPath> FakeDesktop::fileDialog(PageWindow&, const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    std::optional<std::string> chosen;
    if (!chosenFiles.empty()) {
        chosen = chosenFiles.front();
        chosenFiles.pop_front();
    }
    if (!chosen)
        return std::nullopt;
    HandedPath path(*chosen);
    if (const auto unfit = unfitPaths.find(*chosen); unfit != unfitPaths.end())
        path.unfit = unfit->second;
    return path;
}
