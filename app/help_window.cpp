#include "app/help_window.h"

#include "app/page_frame.h"
#include "pages/help_topics.h"

namespace {

constexpr int kTopicChosen = (1 << 16) | IDC_HELP_TOPICS; // LBN_SELCHANGE from the list

void showTopic(PageWindow& window, int index) {
    const auto topics = helpTopics();
    if (index < 0 || index >= static_cast<int>(topics.size()))
        return;
    window.listSelect(IDC_HELP_TOPICS, index);
    window.setItemText(IDC_HELP_TEXT, topics[static_cast<std::size_t>(index)].text);
}

int topicOf(int pageTemplate) {
    const auto topics = helpTopics();
    for (std::size_t i = 0; i < topics.size(); ++i)
        if (topics[i].templateId == pageTemplate)
            return static_cast<int>(i);
    return 0;
}

} // namespace

void showHelp(App& app, PageWindow& page, int pageTemplate) {
    const bool shown =
        app.desktop.runDialog(IDD_HELP, [pageTemplate](PageWindow& window, const PageEvent& event) {
            if (event.kind == PageEvent::Kind::init) {
                for (const HelpTopic& topic : helpTopics())
                    window.listAdd(IDC_HELP_TOPICS, topic.title);
                showTopic(window, topicOf(pageTemplate));
                return false;
            }
            if (event.kind != PageEvent::Kind::command)
                return false;
            if (event.id == kTopicChosen)
                showTopic(window, window.listSelection(IDC_HELP_TOPICS));
            else if (event.id == IDC_CLOSE)
                window.end();
            else
                return false;
            return true;
        });
    if (!shown)
        showError(app, &page, "The help could not be shown.");
}
