#include "support/fake_page.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

// Dialog units to pixels for an 8-point font: close enough for positions relative to a page.
constexpr int pixelsX(int units) {
    return units * 3 / 2;
}
constexpr int pixelsY(int units) {
    return units * 13 / 8;
}

// A text passed on as a C string ends at its first zero byte.
std::string asCString(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

bool caselessLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

FakePage::FakePage(const DialogTemplate& dialog, PageHandler handler)
    : id_(dialog.id), handler_(std::move(handler)) {
    for (const ControlTemplate& layout : dialog.controls)
        controls_.push_back({layout,
                             layout.text,
                             false,
                             !layout.hasStyle("WS_DISABLED"),
                             layout.hasStyle("WS_VISIBLE"),
                             {},
                             -1});
    rect_ = {kStartLeft, kStartTop, kStartLeft + pixelsX(dialog.width),
             kStartTop + pixelsY(dialog.height)};
}

std::size_t FakePage::indexOf(int id, const char* who) const {
    std::size_t i = 0;
    while (i < controls_.size() && (id == -1 || controls_[i].layout.id != id))
        ++i;
    if (i == controls_.size())
        throw std::out_of_range(std::string(who) + " control " + std::to_string(id) +
                                ", which dialog " + std::to_string(id_) + " lacks");
    return i;
}

// Windows would ignore an id the template lacks; here it fails the test, as a page that
// names a control it does not have is wrong.
FakePage::Control* FakePage::find(int id) {
    return &controls_[indexOf(id, "the page touched")];
}

// List calls on any other control do nothing, as the window ignores messages it lacks.
FakePage::Control* FakePage::findList(int id) {
    Control* c = find(id);
    return c->layout.kind == ControlKind::listBox ? c : nullptr;
}

const FakePage::Control& FakePage::get(int id) const {
    return controls_[indexOf(id, "the test read")];
}

void FakePage::setItemText(int id, std::string_view text) {
    if (Control* c = find(id))
        c->text = asCString(text);
}

std::string FakePage::itemText(int id, std::size_t limit) {
    const Control* c = find(id);
    return c && limit > 0 ? c->text.substr(0, limit - 1) : std::string();
}

std::size_t FakePage::itemTextLength(int id) {
    const Control* c = find(id);
    return c ? c->text.size() : 0;
}

void FakePage::limitTyping(int id, std::size_t maxChars) {
    if (Control* c = find(id))
        c->typingLimit = std::max<std::size_t>(maxChars, 1);
}

bool FakePage::isChecked(int id) {
    const Control* c = find(id);
    return c && c->checked;
}

void FakePage::setChecked(int id, bool checked) {
    // Only this button: checking a radio button by call leaves the rest of its group alone.
    if (Control* c = find(id))
        c->checked = checked;
}

void FakePage::enableItem(int id, bool enabled) {
    if (Control* c = find(id))
        c->enabled = enabled;
}

void FakePage::showItem(int id, bool shown) {
    if (Control* c = find(id))
        c->visible = shown;
}

void FakePage::listAdd(int id, std::string_view text) {
    Control* c = findList(id);
    if (!c)
        return;
    const std::string entry = asCString(text);
    auto at = c->entries.end();
    if (c->layout.hasStyle("LBS_SORT"))
        at = std::lower_bound(c->entries.begin(), c->entries.end(), entry, caselessLess);
    const int index = static_cast<int>(at - c->entries.begin());
    c->entries.insert(at, entry);
    if (c->selection >= index && c->selection >= 0)
        ++c->selection; // the selected entry stays selected
}

void FakePage::listReset(int id) {
    if (Control* c = findList(id)) {
        c->entries.clear();
        c->selection = -1;
    }
}

void FakePage::listSelect(int id, int index) {
    if (Control* c = findList(id))
        c->selection = index >= 0 && index < static_cast<int>(c->entries.size()) ? index : -1;
}

int FakePage::listSelection(int id) {
    const Control* c = findList(id);
    return c ? c->selection : -1;
}

int FakePage::listCount(int id) {
    const Control* c = findList(id);
    return c ? static_cast<int>(c->entries.size()) : 0;
}

std::optional<std::string> FakePage::listEntry(int id, int index) {
    const Control* c = findList(id);
    if (!c || index < 0 || index >= static_cast<int>(c->entries.size()))
        return std::nullopt;
    return c->entries[static_cast<std::size_t>(index)];
}

Point FakePage::itemScreenOrigin(int id) {
    const Control* c = find(id);
    if (!c)
        return {0, 0};
    return {rect_.left + pixelsX(c->layout.x), rect_.top + pixelsY(c->layout.y)};
}

bool FakePage::deliver(const PageEvent& event) {
    if (ended_)
        return false;
    ++running_;
    const bool handled = handler_(*this, event);
    --running_;
    while (running_ == 0 && !ended_ && !posted_.empty()) {
        const int id = posted_.front();
        posted_.pop_front();
        command(id);
    }
    return handled;
}

bool FakePage::chooseListEntry(int id, int index) {
    const Control* c = findList(id);
    if (ended_ || !c || !c->enabled || !c->visible)
        return false;
    listSelect(id, index);
    return c->layout.hasStyle("LBS_NOTIFY") && deliver({PageEvent::Kind::listChoice, id, {}});
}

bool FakePage::click(int id) {
    const std::size_t i = indexOf(id, "the test clicked");
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
    command(id);
    return true;
}

bool FakePage::timer(int id) {
    if (!timers_.count(id))
        return false;
    deliver({PageEvent::Kind::timer, id, {}});
    return true;
}

bool FakePage::typeText(int id, std::string_view text) {
    const std::size_t i = indexOf(id, "the test typed into");
    if (ended_)
        return false;
    Control& c = controls_[i];
    if (c.layout.kind != ControlKind::edit || !c.enabled || !c.visible)
        return false;
    const bool digitsOnly = c.layout.hasStyle("ES_NUMBER");
    std::string typed;
    for (const char key : text) {
        const bool refused = key == '\0' || key == '\r' || key == '\n' || // one-line boxes
                             (digitsOnly && !std::isdigit(static_cast<unsigned char>(key))) ||
                             typed.size() >= c.typingLimit;
        if (!refused)
            typed += key;
    }
    c.text = typed;
    return typed.size() == text.size();
}
