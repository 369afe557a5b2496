#pragma once

#include <string>
#include <vector>

#include "keyboard/dialogs/SelectorResult.h"
#include "keyboard/toolkit/CWndPopup.h"

// One entry of a selector's list.
struct SelectorItem {
    bool separator = false;
    int value = 0;
    std::string text;
    ui::Rect rect;  // in the popup's client area, set by the layout
    bool opensSubmenu = false;
};

// Which font the items are written in.
enum class ItemFont { item, windowDefault };

// What tells the selectors apart, besides their items.
struct SelectorLook {
    const char* className;
    int kind;
    int width;  // 0: the width given at Open
    ui::COLORREF textColor;
    ItemFont font;
};

// A popup selector: a vertical list of text items, the one under the mouse
// highlighted; a click reports the choice to the owner. Each selector adds its
// items and says what a click (and, for some, a hover or a press) sends.
class CSelectorPopup : public CWndPopup {
public:
    static constexpr int kNoItem = -1;
    static constexpr ui::COLORREF kHotFill = ui::RGB(53, 160, 222);
    static constexpr ui::COLORREF kWhiteText = ui::RGB(255, 255, 255);
    static constexpr ui::COLORREF kBlackText = ui::RGB(0, 0, 0);
    static constexpr int kItemHeight = 16;
    static constexpr int kSeparatorHeight = 4;
    static constexpr int kMargin = 3;

    const char* ClassName() const { return m_look.className; }
    const std::vector<SelectorItem>& Items() const { return m_items; }
    int HotItem() const { return m_hot; }
    const SelectorResult& Result() const { return m_result; }

protected:
    explicit CSelectorPopup(const SelectorLook& look);

    void AddItem(std::string text, int value, bool opensSubmenu = false);
    void AddSeparator();

    void DrawItems(ui::DeviceContext& dc, const ui::Rect& client) override;
    ui::BOOL OnHover(int x, int y) override;
    ui::BOOL OnPress(int x, int y) override;
    ui::BOOL OnRelease(int x, int y) override;

    // A new item became hot under the mouse.
    virtual void OnNewHotItem(int /*index*/) {}
    // Whether a press inside this hot item tells the owner (notify message, 0, 0).
    virtual bool PressNotifies(const SelectorItem&) const { return false; }
    // The release inside the hot item: report the choice.
    virtual void OnClick(const SelectorItem& item) = 0;

    ui::LRESULT SendToOwner(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    // The record, as every selector sends it: notify message, owner control id, &record.
    void SendResult();

    SelectorResult m_result;

private:
    void Layout();
    bool HotContains(int x, int y) const;
    void DrawItem(ui::DeviceContext& dc, int index);
    static void DrawSubmenuArrow(ui::DeviceContext& dc, const ui::Rect& item);

    SelectorLook m_look;
    ui::Font m_itemFont;
    std::vector<SelectorItem> m_items;
    int m_hot = kNoItem;
};
