#include "keyboard/app/PopupTargets.h"

#include <sstream>

#include "keyboard/dialogs/CSelectorPopup.h"
#include "platform/ui/headless/Driver.h"

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

void DumpPopup(std::ostringstream& out, const CSelectorPopup& popup) {
    const ui::Rect rect = popup.windowRect();
    out << "popup " << popup.ClassName() << " kind=" << popup.Kind() << " at=" << rect.left << ","
        << rect.top;
    if (const ui::Window* owner = popup.owner()) {
        const ui::Point client = owner->screenToClient(rect.topLeft());
        out << " client=" << client.x << "," << client.y;
    }
    out << " size=" << rect.width() << "x" << rect.height() << " control=" << popup.OwnerControlId()
        << " notify=" << popup.NotifyMessage() << "\n";
    const auto& items = popup.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const SelectorItem& item = items[i];
        out << "popup " << popup.ClassName() << " item=" << Quoted(item.text) << " value=" << item.value
            << " hot=" << (popup.HotItem() == static_cast<int>(i)) << " separator=" << item.separator
            << " submenu=" << item.opensSubmenu << "\n";
    }
}

const SelectorItem* FindItem(const CSelectorPopup& popup, const std::string& text) {
    for (const SelectorItem& item : popup.Items()) {
        if (!item.separator && item.text == text) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<CSelectorPopup*> OpenPopups(const ui::headless::Driver& driver) {
    std::vector<CSelectorPopup*> popups;
    for (ui::Window* window : driver.visibleWindows()) {
        if (auto* popup = dynamic_cast<CSelectorPopup*>(window)) {
            popups.push_back(popup);
        }
    }
    return popups;
}

std::string DumpPopups(const ui::headless::Driver& driver) {
    std::ostringstream out;
    for (const CSelectorPopup* popup : OpenPopups(driver)) {
        DumpPopup(out, *popup);
    }
    return out.str();
}

std::string ActOnPopupItem(ui::headless::Driver& driver, const std::string& action, const std::string& text) {
    if (action != "hover" && action != "press" && action != "release" && action != "click") {
        return "hover, press, release or click expected";
    }
    const std::vector<CSelectorPopup*> popups = OpenPopups(driver);
    if (popups.empty()) {
        return "no popup is open";
    }
    // From the top down: a menu's item is reached with its list open beside it.
    CSelectorPopup* found = nullptr;
    const SelectorItem* item = nullptr;
    for (auto popup = popups.rbegin(); popup != popups.rend() && !item; ++popup) {
        found = *popup;
        item = FindItem(**popup, text);
    }
    if (!item) {
        return "no open popup has an item " + Quoted(text);
    }
    CSelectorPopup& popup = *found;
    const ui::Point centre{item->rect.left + item->rect.width() / 2,
                           item->rect.top + item->rect.height() / 2};
    // A press or a click comes from a pointer that got there first.
    if (action != "release") {
        driver.mouseMove(popup, centre);
    }
    if (action == "press") {
        driver.mouseDown(popup, centre);
    } else if (action == "release") {
        driver.mouseUp(popup, centre);
    } else if (action == "click") {
        driver.click(popup, centre);
    }
    return {};
}

bool SaveWindowWithPopups(const ui::headless::Driver& driver, const ui::Rect& windowRect,
                          const std::string& path) {
    ui::Rect area = windowRect;
    for (const CSelectorPopup* popup : OpenPopups(driver)) {
        area = area.united(popup->windowRect());
    }
    return driver.desktop(area).savePng(path);
}
