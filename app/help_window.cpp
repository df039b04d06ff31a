#include "app/help_window.h"

#include "app/page_frame.h"

namespace {

void showTopic(PageWindow& window, std::span<const HelpTopic> topics, int index) {
    if (index < 0 || index >= static_cast<int>(topics.size()))
        return;
    window.listSelect(IDC_HELP_TOPICS, index);
    window.setItemText(IDC_HELP_TEXT, topics[static_cast<std::size_t>(index)].text);
}

int topicOf(std::span<const HelpTopic> topics, int pageTemplate) {
    for (std::size_t i = 0; i < topics.size(); ++i)
        if (topics[i].templateId == pageTemplate)
            return static_cast<int>(i);
    return 0;
}

} // namespace

void showHelp(App& app, PageWindow& page, int pageTemplate) {
    const bool shown =
        app.desktop.runDialog(IDD_HELP, [topics = app.pages.helpTopics,
                                         pageTemplate](PageWindow& window, const PageEvent& event) {
            if (event.kind == PageEvent::Kind::init) {
                for (const HelpTopic& topic : topics)
                    window.listAdd(IDC_HELP_TOPICS, topic.title);
                showTopic(window, topics, topicOf(topics, pageTemplate));
                return false;
            }
            if (event.kind == PageEvent::Kind::listChoice && event.id == IDC_HELP_TOPICS) {
                showTopic(window, topics, window.listSelection(IDC_HELP_TOPICS));
                return true;
            }
            if (event.kind != PageEvent::Kind::command || event.id != IDC_CLOSE)
                return false;
            window.end();
            return true;
        });
    if (!shown)
        showError(app, &page, "The help could not be shown.");
}
