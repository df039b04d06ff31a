#pragma once
// A page window in memory, built from one dialog template of the resource script. It keeps
// what the dialog manager keeps (texts, check states, enabled and shown items, list entries,
// the selection, timers) and does what Windows does when the player acts on it: a click on a
// disabled or hidden control goes nowhere, an automatic radio button clears its group, a
// sorted list inserts in order, a number box refuses letters.

#include "platform/port.h"
#include "support/resource_parser.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

enum class ControlKind {
    pushButton, // also the default push button
    checkBox,
    radioButton,
    groupBox,
    text,    // a static text
    picture, // a static with an image
    edit,
    listBox,
    other,
};

// The high word of the command that a control's notification carries: the page sees the
// whole first parameter, as a dialog procedure does, so these never look like a click.
inline constexpr int kEditChanged = 0x0300 << 16;     // EN_CHANGE
inline constexpr int kListSelectionChanged = 1 << 16; // LBN_SELCHANGE

class FakePage : public PageWindow {
  public:
    // Where every page starts: a nonzero left, so a recorded position of 0 stands out.
    static constexpr int kStartLeft = 100;
    static constexpr int kStartTop = 100;

    FakePage(const DialogTemplate& dialog, PageHandler handler);
    FakePage(const FakePage&) = delete; // the controls point into the page's own template
    FakePage& operator=(const FakePage&) = delete;

    // --- The port, as the page calls it. Ids the template lacks do nothing (like Win32 with
    // a missing item) and are counted in unknownIdUses().
    void setItemText(int id, std::string_view text) override;
    std::string itemText(int id, std::size_t limit) override;
    std::size_t itemTextLength(int id) override;
    bool isChecked(int id) override;
    void setChecked(int id, bool checked) override;
    void enableItem(int id, bool enabled) override;
    void showItem(int id, bool shown) override;
    void listAdd(int id, std::string_view text) override;
    void listReset(int id) override;
    void listSelect(int id, int index) override;
    int listSelection(int id) override;
    int listCount(int id) override;
    std::optional<std::string> listEntry(int id, int index) override;
    Rect windowRect() override { return rect_; }
    void moveWindow(const Rect& where) override;
    Point itemScreenOrigin(int id) override;
    void setTimer(int id, unsigned milliseconds) override;
    void killTimer(int id) override;
    void end() override { ended_ = true; }

    // --- What the player does. Each returns whether the action reached the page's handler
    // (command: the handler's answer). Nothing reaches a page that has ended.
    bool open(); // the init event; once
    bool click(int id);
    bool command(int id); // a menu or navigation command, straight to the handler
    bool timer(int id);   // only a timer the page has set fires
    bool mouseMove(Point cursor);
    // Replaces an edit box's text key by key; false when the box refused any of it.
    bool typeText(int id, std::string_view text);
    // Selects an entry with the mouse; a notifying list tells the page.
    bool pickListEntry(int id, int index);
    bool pressEnter();  // the default push button, or command 1 without one
    bool pressEscape(); // command 2
    bool closeBox();    // command 2, when the caption has a close box
    // A command that arrives once the handler running now has returned, as a posted message
    // does (the choice made in a popup menu).
    void post(int commandId);

    // --- What the player and the test see. These throw for an id the template lacks: a test
    // that asks for one has a wrong id.
    int templateId() const { return dialog_.id; }
    const std::string& caption() const { return dialog_.caption; }
    const DialogTemplate& dialogTemplate() const { return dialog_; }
    const ControlTemplate& control(int id) const;
    ControlKind kind(int id) const;
    bool has(int id) const;
    const std::string& text(int id) const;
    bool checked(int id) const;
    bool enabled(int id) const;
    bool visible(int id) const;
    const std::vector<std::string>& entries(int id) const;
    int selection(int id) const;
    const std::map<int, unsigned>& timers() const { return timers_; }
    bool opened() const { return opened_; }
    bool ended() const { return ended_; }

    // Calls that went nowhere: an id the template lacks, or a call the control ignores (a
    // list call on a button, a check on a text).
    int unknownIdUses() const { return unknownIdUses_; }
    int ignoredCalls() const { return ignoredCalls_; }

  private:
    struct Control {
        const ControlTemplate* layout = nullptr;
        ControlKind kind = ControlKind::other;
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        std::vector<std::string> entries;
        int selection = -1;
    };

    Control* find(int id);                   // counts a miss
    Control* find(int id, ControlKind kind); // counts a miss and a wrong kind
    const Control& get(int id) const;        // throws on a miss
    bool deliver(const PageEvent& event);
    void deliverPosted();
    bool actionable(const Control& c) const { return c.enabled && c.visible; }
    void checkRadio(std::size_t index);

    DialogTemplate dialog_;
    PageHandler handler_;
    std::vector<Control> controls_;   // template order
    std::map<int, std::size_t> byId_; // the first control of each id, as GetDlgItem finds it
    Rect rect_;
    std::map<int, unsigned> timers_;
    std::deque<int> posted_;
    int running_ = 0; // handler calls in progress
    bool opened_ = false;
    bool ended_ = false;
    int unknownIdUses_ = 0;
    int ignoredCalls_ = 0;
};
