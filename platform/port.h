#pragma once
// The port the pages talk to instead of Win32: a page window and the desktop around it.
// Two backends implement it: platform/win32 (the program) and the in-memory backend of the
// unit tests, which builds every dialog from the same resource script.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A path the desktop hands over: a file dialog's choice, a dropped file, a command-line
// argument. The program keeps paths in the system's code page; a path that does not fit it
// comes in its short (8.3) form. Where that does not fit either (or the volume gives none),
// the path cannot be used: unfit then holds it as the player sees it, for the message that
// names it, and path holds it with "?" for each character that does not fit, which no file
// name can hold.
struct HandedPath {
    HandedPath(std::string fitting = {}) : path(std::move(fitting)) {}
    std::string path;
    std::u16string unfit;
    bool fits() const { return unfit.empty(); }
};

// What a page handler is given: the dialog messages a page cares about, each its own kind.
struct PageEvent {
    enum class Kind {
        init,       // the dialog is about to be shown
        command,    // a button clicked (or pressed by its key), a menu item chosen
        listChoice, // the player changed a list's selection
        help,       // F1: the player asks for help
        timer,
        mouseMove,
        filesDropped, // files dropped onto the window from Explorer
        fileHanded,   // a settings file that another start of the program handed over
    };
    Kind kind = Kind::init;
    int id = 0;        // command: the control or menu item; listChoice: the list; timer: the timer
    Point cursor = {}; // mouseMove: the cursor in screen pixels
    // filesDropped: their full paths, in the given order; fileHanded: the one full path
    std::vector<HandedPath> files = {};
};

class PageWindow {
  public:
    virtual ~PageWindow() = default;

    virtual void setItemText(int id, std::string_view text) = 0;
    // At most limit - 1 characters, cut as the platform cuts a text read with a buffer of
    // limit bytes.
    virtual std::string itemText(int id, std::size_t limit) = 0;
    virtual std::size_t itemTextLength(int id) = 0;
    // Refuses typed characters beyond maxChars (at least 1); text set by the program is not
    // limited.
    virtual void limitTyping(int id, std::size_t maxChars) = 0;
    virtual bool isChecked(int id) = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual void enableItem(int id, bool enabled) = 0;
    virtual void showItem(int id, bool shown) = 0;

    virtual void listAdd(int id, std::string_view text) = 0; // sorted lists insert in order
    virtual void listReset(int id) = 0;
    virtual void listSelect(int id, int index) = 0; // an index the list lacks selects nothing
    virtual int listSelection(int id) = 0;          // -1 when nothing is selected
    virtual int listCount(int id) = 0;
    virtual std::optional<std::string> listEntry(int id, int index) = 0;

    virtual Rect windowRect() = 0; // screen pixels
    virtual void moveWindow(const Rect& where) = 0;
    virtual Point itemScreenOrigin(int id) = 0; // an item's client origin on the screen

    virtual void setTimer(int id, unsigned milliseconds) = 0;
    virtual void killTimer(int id) = 0;

    // The item that has the keyboard focus; 0 when none of the window's items has it.
    virtual int focusedItem() = 0;
    // Moves the keyboard focus to an item, as Tab would.
    virtual void focusItem(int id) = 0;

    // Files dropped onto the window from then on arrive as a filesDropped event.
    virtual void acceptDroppedFiles() = 0;

    // Ends the dialog; its modal loop returns once the handler has returned.
    virtual void end() = 0;
};

// Returns whether the event was handled (a dialog procedure's nonzero).
using PageHandler = std::function<bool(PageWindow&, const PageEvent&)>;

enum class MessageIcon { none, error, question };
enum class MessageButtons { ok, yesNo };
enum class MessageAnswer { ok, yes, no };

struct FileFilter {
    std::string label;
    std::string pattern;
};

struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::vector<FileFilter> filters; // the first one is selected
    std::string initialName;
    std::string defaultExtension; // without its dot, added to a name typed without one
    bool fileMustExist = false;
    bool pathMustExist = false;
    bool askBeforeOverwrite = false;
};

struct MenuItem {
    int id = 0; // 0: a separator
    std::string label;
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // Opens a dialog template modally, without an owner window, and returns when it ends.
    // False when the dialog could not be shown at all.
    virtual bool runDialog(int templateId, const PageHandler& handler) = 0;

    // Texts the program shows are in the system's code page, as the program keeps them.
    virtual MessageAnswer messageBox(PageWindow* owner, std::string_view text,
                                     std::string_view caption, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // The same for a text that names a path the code page cannot hold.
    virtual MessageAnswer messageBox(PageWindow* owner, std::u16string_view text,
                                     std::string_view caption, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // The chosen path, or nothing when the player cancelled.
    virtual std::optional<HandedPath> fileDialog(PageWindow& owner,
                                                 const FileDialogRequest& request) = 0;
    // Shows a popup menu at a screen point; a chosen item arrives at the owner afterwards as
    // a command.
    virtual void popupMenu(PageWindow& owner, const std::vector<MenuItem>& items,
                           Point topLeft) = 0;

    // Whether a top-level dialog window with this title exists.
    virtual bool dialogWindowExists(std::string_view title) = 0;
    // One launcher at a time: the claim is held from the first page until the program ends,
    // so another launcher sees it also in the instant between two pages, when no page window
    // exists.
    virtual void claimSingleInstance() = 0;
    virtual bool singleInstanceClaimed() = 0; // by this or another launcher
    // Hands a settings file's path to the running launcher's page with this title, waiting a
    // moment for a page that is being replaced; the page there gets it as a fileHanded event.
    // False when no page took it.
    virtual bool handToRunningLauncher(std::string_view pageTitle, std::string_view path) = 0;

    // Adds a document to the player's recent documents (the Start menu, the jump list).
    virtual void addToRecentDocuments(std::string_view path) = 0;

    virtual std::string windowsDirectory() = 0;
    virtual std::string appDataDirectory() = 0; // empty when there is none
    // The short (8.3) form of an existing path; nothing when the volume gives none.
    virtual std::optional<std::string> shortPath(std::string_view path) = 0;

    // Starts executable (an absolute path) with the given command line in the given
    // directory, without any command interpreter, and waits until it ends; the windows keep
    // painting and answering meanwhile. started runs once the program is on its way, before any
    // message is answered. Its exit code; nothing when it could not be started.
    virtual std::optional<std::uint32_t> runProgram(std::string_view executable,
                                                    std::string_view commandLine,
                                                    std::string_view currentDirectory,
                                                    const std::function<void()>& started) = 0;

    // Writes to the standard output the program was given, or else to the console of the
    // program that started it; false when there is neither.
    virtual bool writeStandardOutput(std::string_view text) = 0;
    // The same for the standard error.
    virtual bool writeStandardError(std::string_view text) = 0;
    // Whether anyone can see and answer a message box: not so for a service, nor for a task
    // run while its user is not the one logged on.
    virtual bool interactive() = 0;
};
