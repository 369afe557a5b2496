#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Types.h"

namespace ui {
class Window;
namespace headless {
class Driver;
}
}  // namespace ui

namespace scenario {

class VerbTable;

// A control of an open window that a target can name, and how the dump shows it.
struct Control {
    ui::UINT id = 0;
    ui::Rect rect;  // client coordinates of its window
    bool visible = true;
    bool enabled = true;
    std::string words;  // more "name=value" words for the dump, e.g. caption="OK"
};

// A control a target names by a word that is neither an id nor x,y (a form
// component's name): its window and its centre in that window's client coordinates.
struct NamedControl {
    ui::Window* window = nullptr;
    ui::Point point;
};

// A part of the state that `dump PART` prints and `dump all` includes.
struct DumpPart {
    std::string name;
    bool needsWindow = false;  // only while the main window is open
};

// What the runner needs to know of one program. The runner itself knows
// windows, controls by id, the layer's dialogs and the tray; the program says
// which of its windows is the main one, where its controls are, what its
// dialogs say, what its state is, and which verbs are its own.
class ProgramAdapter {
public:
    virtual ~ProgramAdapter() = default;

    // Called for each window that starts a modal run: true for the program's
    // main window, whose run the script's window lines take over.
    virtual bool isMainWindow(ui::Window& window) = 0;
    // The controls of an open window (main, dialog or popup), in their order.
    virtual std::vector<Control> controls(ui::Window& window) = 0;
    // The control a target names by its name; nullopt (with why) when there is none
    // or it is not shown. The default knows no names.
    virtual std::optional<NamedControl> namedControl(const std::string& name, std::string& whyNot);
    // The command of the menu item shown with this caption, for `menu "CAPTION"`;
    // nullopt when no menu of the program has one. The default knows no captions.
    virtual std::optional<ui::UINT> menuCommand(const std::string& caption);
    // Title and text of a dialog, as expect-dialog compares them.
    virtual std::pair<std::string, std::string> describeDialog(ui::Window& dialog);
    // The lines of `dump window` about the main window.
    virtual std::string dumpMainWindow(ui::Window& window) = 0;
    // The program's other parts of the state, in the order `dump all` prints them.
    virtual std::vector<DumpPart> dumpParts() const { return {}; }
    // One of them; `mainWindow` is null once the window has closed.
    virtual std::string dump(const std::string& part, ui::Window* mainWindow) = 0;
    // Windows of the program that `screenshot FILE NAME` may name (e.g. "osd").
    virtual std::vector<std::string> windowNames() const { return {}; }
    // The window of one of those names; null (with why) when it is not there.
    virtual ui::Window* namedWindow(const std::string& name, std::string& whyNot);
    // Saves the picture `screenshot` takes of a window; the default is the
    // window's own surface.
    virtual bool saveWindowPicture(ui::headless::Driver& driver, ui::Window& window, const std::string& path);
    // The id of the program's tray icon (tray click...), 0 when it has none.
    virtual ui::UINT trayIconId() const { return 0; }
    // The program's own verbs.
    virtual void addVerbs(VerbTable& verbs) = 0;
};

}  // namespace scenario
