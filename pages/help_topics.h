#pragma once
// What the help window says about each page: one topic a page, each option in a sentence.

#include <span>
#include <string_view>

struct HelpTopic {
    int templateId; // the page the topic explains
    std::string_view title;
    std::string_view text; // lines broken with CR LF, as a text box shows them
};

std::span<const HelpTopic> helpTopics();
