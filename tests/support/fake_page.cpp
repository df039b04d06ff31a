#include "support/fake_page.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

constexpr std::uint32_t wsVisible = 0x10000000;
constexpr std::uint32_t wsDisabled = 0x08000000;
constexpr std::uint32_t wsGroup = 0x00020000;
constexpr std::uint32_t wsSysMenu = 0x00080000;
constexpr std::uint32_t lbsNotify = 0x0001;
constexpr std::uint32_t lbsSort = 0x0002;
constexpr std::uint32_t ssNotify = 0x0100;
constexpr std::uint32_t esMultiline = 0x0004;
constexpr std::uint32_t esUppercase = 0x0008;
constexpr std::uint32_t esLowercase = 0x0010;
constexpr std::uint32_t esReadOnly = 0x0800;
constexpr std::uint32_t esNumber = 0x2000;
constexpr std::size_t editLimit = 32767; // what a player can type into a box by default

// Dialog units to pixels for the pages' 8-point font, and the frame around the client area.
constexpr int pixelsX(int units) {
    return units * 3 / 2;
}
constexpr int pixelsY(int units) {
    return units * 13 / 8;
}
constexpr int frameSide = 3;
constexpr int frameTop = 25; // border and caption
constexpr int frameBottom = 3;

unsigned buttonType(const ControlTemplate& c) {
    return c.style & 0xF;
}

ControlKind kindOf(const ControlTemplate& c) {
    if (c.isClass("Button")) {
        switch (buttonType(c)) {
        case 2: // BS_CHECKBOX
        case 3: // BS_AUTOCHECKBOX
        case 5: // BS_3STATE
        case 6: // BS_AUTO3STATE
            return ControlKind::checkBox;
        case 4: // BS_RADIOBUTTON
        case 9: // BS_AUTORADIOBUTTON
            return ControlKind::radioButton;
        case 7:
            return ControlKind::groupBox;
        default:
            return ControlKind::pushButton;
        }
    }
    if (c.isClass("Static")) {
        switch (c.style & 0x1F) {
        case 0x3: // SS_ICON
        case 0xE: // SS_BITMAP
        case 0xF: // SS_ENHMETAFILE
            return ControlKind::picture;
        default:
            return ControlKind::text;
        }
    }
    if (c.isClass("Edit"))
        return ControlKind::edit;
    if (c.isClass("ListBox"))
        return ControlKind::listBox;
    return ControlKind::other;
}

// The order of a sorted list: lstrcmpi's, for the plain letters, digits and signs of entries.
int compareCaseless(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i]));
        const int y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The list box's own search for where a new entry goes: before an equal one it meets.
std::size_t sortedPosition(const std::vector<std::string>& entries, std::string_view entry) {
    std::size_t low = 0;
    std::size_t high = entries.size();
    while (low != high) {
        const std::size_t middle = (low + high) / 2;
        const int order = compareCaseless(entry, entries[middle]);
        if (order == 0)
            return middle;
        if (order < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return high;
}

// A text passed on as a C string ends at its first zero byte.
std::string_view asCString(std::string_view text) {
    return text.substr(0, std::min(text.find('\0'), text.size()));
}

struct Running {
    explicit Running(int& count) : count_(count) { ++count_; }
    ~Running() { --count_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    int& count_;
};

} // namespace

FakePage::FakePage(const DialogTemplate& dialog, PageHandler handler)
    : dialog_(dialog), handler_(std::move(handler)) {
    controls_.reserve(dialog_.controls.size());
    for (const ControlTemplate& layout : dialog_.controls) {
        Control c;
        c.layout = &layout;
        c.kind = kindOf(layout);
        c.text = layout.textIsNumber ? std::string() : layout.text;
        c.enabled = !(layout.style & wsDisabled);
        c.visible = (layout.style & wsVisible) != 0;
        if (layout.id != -1)
            byId_.emplace(layout.id, controls_.size());
        controls_.push_back(std::move(c));
    }
    rect_ = {kStartLeft, kStartTop, kStartLeft + pixelsX(dialog_.width) + 2 * frameSide,
             kStartTop + pixelsY(dialog_.height) + frameTop + frameBottom};
}

// --- The port

FakePage::Control* FakePage::find(int id) {
    const auto it = byId_.find(id);
    if (it == byId_.end()) {
        ++unknownIdUses_;
        return nullptr;
    }
    return &controls_[it->second];
}

FakePage::Control* FakePage::find(int id, ControlKind kind) {
    Control* c = find(id);
    if (!c)
        return nullptr;
    const bool fits =
        c->kind == kind || (kind == ControlKind::checkBox && c->kind == ControlKind::radioButton);
    if (!fits) {
        ++ignoredCalls_;
        return nullptr;
    }
    return c;
}

void FakePage::setItemText(int id, std::string_view text) {
    if (Control* c = find(id))
        c->text = std::string(asCString(text));
}

std::string FakePage::itemText(int id, std::size_t limit) {
    const Control* c = find(id);
    if (!c || limit == 0)
        return {};
    return c->text.substr(0, limit - 1);
}

std::size_t FakePage::itemTextLength(int id) {
    const Control* c = find(id);
    return c ? c->text.size() : 0;
}

bool FakePage::isChecked(int id) {
    const Control* c = find(id, ControlKind::checkBox);
    return c && c->checked;
}

void FakePage::setChecked(int id, bool checked) {
    // Only this button: checking a radio button by call leaves the others of its group alone.
    if (Control* c = find(id, ControlKind::checkBox))
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
    Control* c = find(id, ControlKind::listBox);
    if (!c)
        return;
    const std::string_view entry = asCString(text);
    std::size_t at = c->entries.size();
    if (c->layout->style & lbsSort)
        at = sortedPosition(c->entries, entry);
    c->entries.insert(c->entries.begin() + static_cast<std::ptrdiff_t>(at), std::string(entry));
    // The selected entry stays selected when one is inserted before it.
    if (c->selection >= 0 && static_cast<std::size_t>(c->selection) >= at)
        ++c->selection;
}

void FakePage::listReset(int id) {
    if (Control* c = find(id, ControlKind::listBox)) {
        c->entries.clear();
        c->selection = -1;
    }
}

void FakePage::listSelect(int id, int index) {
    if (Control* c = find(id, ControlKind::listBox)) {
        const bool present = index >= 0 && static_cast<std::size_t>(index) < c->entries.size();
        c->selection = present ? index : -1;
    }
}

int FakePage::listSelection(int id) {
    const Control* c = find(id, ControlKind::listBox);
    return c ? c->selection : -1;
}

int FakePage::listCount(int id) {
    const Control* c = find(id, ControlKind::listBox);
    return c ? static_cast<int>(c->entries.size()) : 0;
}

std::optional<std::string> FakePage::listEntry(int id, int index) {
    const Control* c = find(id, ControlKind::listBox);
    if (!c || index < 0 || static_cast<std::size_t>(index) >= c->entries.size())
        return std::nullopt;
    return c->entries[static_cast<std::size_t>(index)];
}

void FakePage::moveWindow(const Rect& where) {
    rect_ = where;
}

Point FakePage::itemScreenOrigin(int id) {
    const Control* c = find(id);
    if (!c)
        return {0, 0};
    return {rect_.left + frameSide + pixelsX(c->layout->x),
            rect_.top + frameTop + pixelsY(c->layout->y)};
}

void FakePage::setTimer(int id, unsigned milliseconds) {
    timers_[id] = milliseconds;
}

void FakePage::killTimer(int id) {
    timers_.erase(id);
}

// --- The player

bool FakePage::deliver(const PageEvent& event) {
    if (!opened_)
        throw std::logic_error("dialog " + std::to_string(dialog_.id) + " has not been opened");
    if (ended_ || !handler_)
        return false;
    bool handled = false;
    {
        Running running(running_);
        handled = handler_(*this, event);
    }
    deliverPosted();
    return handled;
}

void FakePage::deliverPosted() {
    while (running_ == 0 && !posted_.empty()) {
        if (ended_) {
            posted_.clear(); // they die with the window
            return;
        }
        const int id = posted_.front();
        posted_.pop_front();
        deliver({PageEvent::Kind::command, id, {}});
    }
}

void FakePage::post(int commandId) {
    posted_.push_back(commandId);
    if (opened_)
        deliverPosted();
}

bool FakePage::open() {
    if (opened_)
        throw std::logic_error("dialog " + std::to_string(dialog_.id) + " is opened twice");
    opened_ = true;
    return deliver({PageEvent::Kind::init, 0, {}});
}

void FakePage::checkRadio(std::size_t index) {
    std::size_t first = index;
    while (first > 0 && !(controls_[first].layout->style & wsGroup))
        --first;
    std::size_t last = index + 1;
    while (last < controls_.size() && !(controls_[last].layout->style & wsGroup))
        ++last;
    for (std::size_t i = first; i < last; ++i)
        if (controls_[i].kind == ControlKind::radioButton)
            controls_[i].checked = i == index;
}

bool FakePage::click(int id) {
    const auto it = byId_.find(id);
    if (it == byId_.end() || ended_)
        return false;
    Control& c = controls_[it->second];
    if (!actionable(c))
        return false;
    switch (c.kind) {
    case ControlKind::pushButton:
        break;
    case ControlKind::checkBox:
        if (buttonType(*c.layout) == 3 || buttonType(*c.layout) == 6)
            c.checked = !c.checked;
        break;
    case ControlKind::radioButton:
        if (buttonType(*c.layout) == 9)
            checkRadio(it->second);
        break;
    case ControlKind::text:
    case ControlKind::picture:
        if (!(c.layout->style & ssNotify))
            return false;
        break;
    case ControlKind::groupBox:
    case ControlKind::edit:
    case ControlKind::listBox:
    case ControlKind::other:
        return false; // takes the focus at most
    }
    deliver({PageEvent::Kind::command, id, {}});
    return true;
}

bool FakePage::command(int id) {
    return deliver({PageEvent::Kind::command, id, {}});
}

bool FakePage::timer(int id) {
    if (!timers_.count(id))
        return false;
    deliver({PageEvent::Kind::timer, id, {}});
    return true;
}

bool FakePage::mouseMove(Point cursor) {
    return deliver({PageEvent::Kind::mouseMove, 0, cursor});
}

bool FakePage::typeText(int id, std::string_view text) {
    const auto it = byId_.find(id);
    if (it == byId_.end() || ended_)
        return false;
    Control& c = controls_[it->second];
    const std::uint32_t style = c.layout->style;
    if (c.kind != ControlKind::edit || !actionable(c) || (style & esReadOnly))
        return false;
    bool tookAll = true;
    std::string typed;
    for (const char key : text) {
        const unsigned char u = static_cast<unsigned char>(key);
        const bool refused = ((style & esNumber) && !std::isdigit(u)) ||
                             (!(style & esMultiline) && (key == '\r' || key == '\n')) ||
                             key == '\0' || typed.size() >= editLimit;
        if (refused) {
            tookAll = false;
            continue;
        }
        if (style & esUppercase)
            typed += static_cast<char>(std::toupper(u));
        else if (style & esLowercase)
            typed += static_cast<char>(std::tolower(u));
        else
            typed += key;
    }
    if (typed != c.text) {
        c.text = std::move(typed);
        deliver({PageEvent::Kind::command, kEditChanged | id, {}});
    }
    return tookAll;
}

bool FakePage::pickListEntry(int id, int index) {
    const auto it = byId_.find(id);
    if (it == byId_.end() || ended_)
        return false;
    Control& c = controls_[it->second];
    if (c.kind != ControlKind::listBox || !actionable(c) || index < 0 ||
        static_cast<std::size_t>(index) >= c.entries.size())
        return false;
    c.selection = index;
    if (c.layout->style & lbsNotify)
        deliver({PageEvent::Kind::command, kListSelectionChanged | id, {}});
    return true;
}

bool FakePage::pressEnter() {
    for (const Control& c : controls_)
        if (c.kind == ControlKind::pushButton && buttonType(*c.layout) == 1 && c.layout->id != -1)
            return c.enabled && command(c.layout->id);
    return command(1);
}

bool FakePage::pressEscape() {
    return command(2);
}

bool FakePage::closeBox() {
    if (!(dialog_.style & wsSysMenu))
        return false;
    const auto cancel = byId_.find(2);
    if (cancel != byId_.end() && !controls_[cancel->second].enabled)
        return false;
    return command(2);
}

// --- What the test sees

const FakePage::Control& FakePage::get(int id) const {
    const auto it = byId_.find(id);
    if (it == byId_.end())
        throw std::out_of_range("dialog " + std::to_string(dialog_.id) + " has no control " +
                                std::to_string(id));
    return controls_[it->second];
}

const ControlTemplate& FakePage::control(int id) const {
    return *get(id).layout;
}

ControlKind FakePage::kind(int id) const {
    return get(id).kind;
}

bool FakePage::has(int id) const {
    return byId_.count(id) != 0;
}

const std::string& FakePage::text(int id) const {
    return get(id).text;
}

bool FakePage::checked(int id) const {
    return get(id).checked;
}

bool FakePage::enabled(int id) const {
    return get(id).enabled;
}

bool FakePage::visible(int id) const {
    return get(id).visible;
}

const std::vector<std::string>& FakePage::entries(int id) const {
    return get(id).entries;
}

int FakePage::selection(int id) const {
    return get(id).selection;
}
