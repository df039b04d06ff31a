#include "support/fake_page.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

bool caselessLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

FakePage::FakePage(const DialogTemplate& dialog, PageHandler handler)
    : id_(dialog.id), handler_(std::move(handler)),
      controls_(dialog.controls.begin(), dialog.controls.end()) {
    // Dialog units to pixels for an 8-point font: close enough for a page's size.
    rect_ = {kStartLeft, kStartLeft, kStartLeft + dialog.width * 3 / 2,
             kStartLeft + dialog.height * 13 / 8};
}

FakePage::Control& FakePage::find(int id) {
    for (Control& c : controls_)
        if (id == -1 || c.layout.id == id)
            return c;
    throw std::out_of_range("dialog " + std::to_string(id_) + " lacks control " +
                            std::to_string(id));
}

void FakePage::listAdd(int id, std::string_view text) {
    Control& c = find(id);
    const std::string entry(text.substr(0, text.find('\0')));
    auto at = c.entries.end();
    if (c.layout.hasStyle("LBS_SORT"))
        at = std::lower_bound(c.entries.begin(), c.entries.end(), entry, caselessLess);
    const int index = static_cast<int>(at - c.entries.begin());
    c.entries.insert(at, entry);
    if (c.selection >= index && c.selection >= 0)
        ++c.selection; // the selected entry stays selected
}

bool FakePage::chooseListEntry(int id, int index) {
    const Control& c = find(id);
    if (ended_ || !c.enabled || !c.visible)
        return false;
    listSelect(id, index);
    return c.layout.hasStyle("LBS_NOTIFY") && deliver({PageEvent::Kind::listChoice, id, {}});
}

bool FakePage::click(int id) {
    const auto i = static_cast<std::size_t>(&find(id) - controls_.data());
    if (ended_ || !controls_[i].enabled || !controls_[i].visible)
        return false;
    switch (controls_[i].layout.kind) {
    case ControlKind::pushButton:
        break;
    case ControlKind::checkBox:
        controls_[i].checked = !controls_[i].checked;
        break;
    case ControlKind::radioButton: {
        // The group runs from the last control with WS_GROUP up to the next one.
        std::size_t first = i;
        while (first > 0 && !controls_[first].layout.hasStyle("WS_GROUP"))
            --first;
        for (std::size_t k = first; k < controls_.size(); ++k) {
            if (k > first && controls_[k].layout.hasStyle("WS_GROUP"))
                break;
            if (controls_[k].layout.kind == ControlKind::radioButton)
                controls_[k].checked = k == i;
        }
        break;
    }
    default:
        return false; // statics, boxes and lists send no command on a click
    }
    focused_ = id;
    command(id);
    return true;
}

bool FakePage::dropFiles(std::vector<std::string> files) {
    return acceptsDrops_ &&
           deliver({PageEvent::Kind::filesDropped, 0, {}, {files.begin(), files.end()}});
}

bool FakePage::typeText(int id, std::string_view text) {
    Control& c = find(id);
    if (ended_ || c.layout.kind != ControlKind::edit || !c.enabled || !c.visible)
        return false;
    c.text = text.substr(0, std::min(text.size(), c.typingLimit)); // the keys beyond are refused
    return c.text.size() == text.size();
}
