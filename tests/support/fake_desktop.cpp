#include "support/fake_desktop.h"

#include "support/resource_script.h"

#include <algorithm>
#include <stdexcept>

namespace {

template <typename T> std::optional<T> takeFirst(std::deque<std::optional<T>>& queue) {
    if (queue.empty())
        return std::nullopt;
    std::optional<T> first = std::move(queue.front());
    queue.pop_front();
    return first;
}

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
    const std::optional<std::string> chosen = takeFirst(chosenFiles);
    if (!chosen)
        return std::nullopt;
    HandedPath path(*chosen);
    if (const auto unfit = unfitPaths.find(*chosen); unfit != unfitPaths.end())
        path.unfit = unfit->second;
    return path;
}

void FakeDesktop::popupMenu(PageWindow& owner, const std::vector<MenuItem>& items, Point topLeft) {
    menuPlaces.push_back(topLeft);
    const std::optional<int> choice = takeFirst(menuChoices);
    if (!choice)
        return;
    if (*choice == 0 || std::none_of(items.begin(), items.end(),
                                     [&](const MenuItem& item) { return item.id == *choice; }))
        throw std::logic_error("the menu offers no item " + std::to_string(*choice));
    dynamic_cast<FakePage&>(owner).post(*choice);
}
