#include "support/fake_desktop.h"

#include "support/resource_script.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Far beyond any walk through the pages: a page loop that never ends fails here instead of
// overflowing the stack.
constexpr std::size_t depthLimit = 1000;

int templateOf(const PageWindow* owner) {
    const auto* page = dynamic_cast<const FakePage*>(owner);
    return page ? page->templateId() : 0;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Keeps the stack of open dialogs right when a handler or the player throws.
class OpenDialog {
  public:
    OpenDialog(std::vector<FakePage*>& open, FakePage& page) : open_(open) {
        open_.push_back(&page);
    }
    ~OpenDialog() { open_.pop_back(); }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

  private:
    std::vector<FakePage*>& open_;
};

} // namespace

const std::vector<DialogTemplate>& programDialogs() {
    static const std::vector<DialogTemplate> dialogs = parseResourceScript(resourceScript());
    return dialogs;
}

FakeDesktop::FakeDesktop() : dialogs_(programDialogs()) {}

FakeDesktop::FakeDesktop(std::vector<DialogTemplate> dialogs) : dialogs_(std::move(dialogs)) {}

FakePage& FakeDesktop::currentPage() const {
    if (open_.empty())
        throw std::logic_error("no dialog is open");
    return *open_.back();
}

void FakeDesktop::runDialog(int templateId, const PageHandler& handler) {
    const DialogTemplate* dialog = findDialogTemplate(dialogs_, templateId);
    if (!dialog)
        throw std::invalid_argument("the resource script has no dialog " +
                                    std::to_string(templateId));
    if (open_.size() >= depthLimit)
        throw std::logic_error("dialogs nest deeper than " + std::to_string(depthLimit));
    FakePage page(*dialog, handler);
    const OpenDialog opened(open_, page);
    openedTemplates.push_back(templateId);
    maxDepth = std::max(maxDepth, open_.size());

    page.open();
    if (page.ended())
        return; // ended while opening: never shown
    if (!player)
        throw std::logic_error("dialog " + std::to_string(templateId) +
                               " opened but the test has no player");
    player(page);
    if (!page.ended())
        throw std::logic_error("the player left dialog " + std::to_string(templateId) + " (" +
                               quoted(page.caption()) + ") open");
}

MessageAnswer FakeDesktop::messageBox(PageWindow* owner, std::string_view text,
                                      std::string_view caption, MessageIcon icon,
                                      MessageButtons buttons) {
    MessageBoxShown shown{std::string(text), std::string(caption), icon, buttons, owner == nullptr,
                          templateOf(owner), MessageAnswer::ok};
    messageBoxes.push_back(shown);
    if (buttons == MessageButtons::yesNo) {
        if (answers.empty())
            throw std::logic_error("no answer scripted for the question " + quoted(text));
        if (answers.front() == MessageAnswer::ok)
            throw std::logic_error("ok scripted as the answer to the question " + quoted(text));
        messageBoxes.back().answer = answers.front();
        answers.pop_front();
    }
    return messageBoxes.back().answer;
}

std::optional<std::string> FakeDesktop::fileDialog(PageWindow& owner,
                                                   const FileDialogRequest& request) {
    std::optional<std::string> answer;
    if (!chosenFiles.empty()) {
        answer = chosenFiles.front();
        chosenFiles.pop_front();
    }
    fileDialogs.push_back({request, templateOf(&owner), answer});
    return answer;
}

void FakeDesktop::popupMenu(PageWindow& owner, const std::vector<MenuItem>& items, Point topLeft) {
    popupMenus.push_back({items, topLeft, templateOf(&owner)});
    if (menuChoices.empty())
        return;
    const std::optional<int> choice = menuChoices.front();
    menuChoices.pop_front();
    if (!choice)
        return;
    const bool offered =
        *choice != 0 && std::any_of(items.begin(), items.end(),
                                    [&](const MenuItem& item) { return item.id == *choice; });
    if (!offered)
        throw std::logic_error("the menu offers no item " + std::to_string(*choice));
    auto* page = dynamic_cast<FakePage*>(&owner);
    if (!page)
        throw std::logic_error("a popup menu owned by a window that is not a page");
    page->post(*choice);
}

void FakeDesktop::openHelp(PageWindow& owner, std::string_view helpFile) {
    helpOpened.push_back({std::string(helpFile), templateOf(&owner)});
}

bool FakeDesktop::dialogWindowExists(std::string_view title) {
    return existingDialogTitles.count(title) != 0;
}

std::optional<std::string> FakeDesktop::shortPath(std::string_view path) {
    if (shortPathOf)
        return shortPathOf(path);
    return std::string(path);
}

bool FakeDesktop::runProgram(std::string_view executable, std::string_view commandLine,
                             std::string_view currentDirectory) {
    programRuns.push_back(
        {std::string(executable), std::string(commandLine), std::string(currentDirectory)});
    return programStarts;
}
