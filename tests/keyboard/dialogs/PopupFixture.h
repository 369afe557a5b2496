#pragma once

#include <string>
#include <vector>

#include "DialogFixture.h"
#include "keyboard/dialogs/CSelectorPopup.h"

// The first item with this text, and its centre.
inline const SelectorItem& Item(const CSelectorPopup& popup, const std::string& text) {
    for (const SelectorItem& item : popup.Items()) {
        if (!item.separator && item.text == text) {
            return item;
        }
    }
    ADD_FAILURE() << "no item " << text;
    static const SelectorItem none;
    return none;
}
inline ui::Point Centre(const CSelectorPopup& popup, const std::string& text) {
    const ui::Rect rect = Item(popup, text).rect;
    return {rect.left + rect.width() / 2, rect.top + rect.height() / 2};
}

// Popups opened on the small owner window, pointed at by their items' texts.
class PopupFixture : public DialogFixture {
protected:
    // Opens a popup below the owner's top-left corner; the owner does not close it.
    template <typename Popup>
    Popup& Open(Popup* popup, ui::UINT notifyMessage = 1027, ui::UINT ownerId = 2078, int width = 0) {
        const ui::Point corner = owner.clientToScreen({20, 30});
        EXPECT_TRUE(popup->Open(&owner, ui::rectAt(corner.x, corner.y, width, 0), notifyMessage, ownerId));
        driver.runUntilIdle();
        owner.SetPopup(popup->Kind(), popup);
        return *popup;
    }
    void Hover(CSelectorPopup& popup, const std::string& text) {
        driver.mouseMove(popup, Centre(popup, text));
    }
    void Choose(CSelectorPopup& popup, const std::string& text) {
        Hover(popup, text);
        Click(popup, Centre(popup, text));
    }
    std::vector<Notification> Received(ui::UINT message) const {
        std::vector<Notification> found;
        for (const Notification& n : owner.received) {
            if (n.message == message) {
                found.push_back(n);
            }
        }
        return found;
    }
    // Copies every record the owner is sent with this message, as an owner must.
    std::vector<SelectorResult>& RecordResults(ui::UINT message) {
        owner.onNotify = [this, message](const Notification& n) {
            if (n.message == message && n.lParam != 0) {
                results.push_back(*reinterpret_cast<const SelectorResult*>(n.lParam));
            }
        };
        return results;
    }
    std::vector<SelectorResult> results;
};
