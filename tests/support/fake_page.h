#pragma once
// A page window in memory, built from one dialog template of the resource script. It keeps
// the controls' texts, check states, enabled and shown states, list entries and timers, and
// does what Windows does when the player acts: a disabled or hidden control takes no click,
// an automatic radio button clears its group, a sorted list inserts in order, a box with a
// typing limit refuses keys beyond it.

#include "platform/port.h"
#include "resources/resource_ids.h"
#include "support/resource_parser.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class FakePage : public PageWindow {
  public:
    // Where every page starts, left and top: nonzero, so a recorded position of 0 stands out.
    static constexpr int kStartLeft = 100;

    FakePage(const DialogTemplate& dialog, PageHandler handler);

    // --- The port. An id the template lacks throws: the page names a control it does not have.
    // A text passed on as a C string ends at its first zero byte.
    void setItemText(int id, std::string_view text) override {
        find(id).text = text.substr(0, text.find('\0'));
    }
    std::string itemText(int id, std::size_t limit) override {
        return limit > 0 ? find(id).text.substr(0, limit - 1) : std::string();
    }
    std::size_t itemTextLength(int id) override { return find(id).text.size(); }
    void limitTyping(int id, std::size_t maxChars) override {
        find(id).typingLimit = std::max<std::size_t>(maxChars, 1);
    }
    bool isChecked(int id) override { return find(id).checked; }
    // Only this button: checking a radio button by call leaves the rest of its group alone.
    void setChecked(int id, bool checked) override { find(id).checked = checked; }
    // A control that is disabled loses the focus to none, as on Windows.
    void enableItem(int id, bool enabled) override {
        find(id).enabled = enabled;
        if (!enabled && focused_ == id)
            focused_ = 0;
    }
    void showItem(int id, bool shown) override { find(id).visible = shown; }
    void listAdd(int id, std::string_view text) override;
    void listReset(int id) override {
        find(id).entries.clear();
        find(id).selection = -1;
    }
    void listSelect(int id, int index) override {
        find(id).selection = index >= 0 && index < listCount(id) ? index : -1;
    }
    int listSelection(int id) override { return find(id).selection; }
    int listCount(int id) override { return static_cast<int>(find(id).entries.size()); }
    std::optional<std::string> listEntry(int id, int index) override {
        if (index < 0 || index >= listCount(id))
            return std::nullopt;
        return find(id).entries[static_cast<std::size_t>(index)];
    }
    Rect windowRect() override { return rect_; }
    void moveWindow(const Rect& where) override { rect_ = where; }
    // Where the navigation menu opens is not looked at: every item starts at the page's corner.
    Point itemScreenOrigin(int id) override {
        find(id);
        return {rect_.left, rect_.top};
    }
    void setTimer(int id, unsigned milliseconds) override { timers_[id] = milliseconds; }
    void killTimer(int id) override { timers_.erase(id); }
    int focusedItem() override { return focused_; }
    void focusItem(int id) override {
        if (find(id).enabled)
            focused_ = id;
    }
    void acceptDroppedFiles() override { acceptsDrops_ = true; }
    void end() override { ended_ = true; }

    // --- What the player does. Each returns whether the action reached the page's handler;
    // nothing reaches a page that has ended.
    bool open() { return deliver({PageEvent::Kind::init, 0, {}}); }
    bool click(int id); // a clicked button takes the focus
    bool command(int id) { return deliver({PageEvent::Kind::command, id, {}}); }
    // Clicks an entry of a list; a notifying list tells the page its selection changed.
    bool chooseListEntry(int id, int index);
    // The pointer moves over the page to a screen point.
    bool moveMouse(Point cursor) { return deliver({PageEvent::Kind::mouseMove, 0, cursor}); }
    bool pressEscape() { return command(IDC_CLOSE); }
    bool pressF1() { return deliver({PageEvent::Kind::help, 0, {}}); }
    // Only a timer the page has set fires.
    bool timer(int id) {
        return timers_.count(id) != 0 && deliver({PageEvent::Kind::timer, id, {}});
    }
    // Files dropped from Explorer; only a page that accepts drops is given them.
    bool dropFiles(std::vector<std::string> files);
    // A settings file handed over by another start of the program.
    bool handFile(std::string path) {
        return deliver({PageEvent::Kind::fileHanded, 0, {}, {std::move(path)}});
    }
    // Replaces an edit box's text key by key; false when the box refused any key.
    bool typeText(int id, std::string_view text);

    // --- What the test sees; these throw for an id the template lacks, and so do the actions.
    int templateId() const { return id_; }
    const std::string& text(int id) { return find(id).text; }
    bool checked(int id) { return find(id).checked; }
    bool enabled(int id) { return find(id).enabled; }
    bool visible(int id) { return find(id).visible; }
    const std::vector<std::string>& entries(int id) { return find(id).entries; }
    const std::map<int, unsigned>& timers() const { return timers_; }
    bool ended() const { return ended_; }

  private:
    struct Control {
        explicit Control(const ControlTemplate& from) : layout(from) {}
        ControlTemplate layout;
        std::string text = layout.text;
        bool checked = false;
        bool enabled = !layout.hasStyle("WS_DISABLED");
        bool visible = layout.hasStyle("WS_VISIBLE");
        std::vector<std::string> entries;
        int selection = -1;
        std::size_t typingLimit = SIZE_MAX;
    };

    Control& find(int id); // throws when there is none
    bool deliver(const PageEvent& event) { return !ended_ && handler_(*this, event); }

    int id_;
    PageHandler handler_;
    std::vector<Control> controls_; // template order
    Rect rect_;
    std::map<int, unsigned> timers_;
    bool ended_ = false;
    bool acceptsDrops_ = false;
    int focused_ = 0;
};
