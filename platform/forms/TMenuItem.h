#pragma once

#include <memory>
#include <vector>

#include "platform/forms/TComponent.h"
#include "platform/ui/PopupMenu.h"

namespace forms {

// One entry of a menu: a caption ("-" is a separator, "&" marks the
// accelerator), a check mark, and items of its own for a sub-menu. Checking a
// radio item unchecks the radio items of the same group beside it.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TForm& owner);
    ~TMenuItem() override;

    std::string_view KindName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    // The caption as shown: "&x" shows "x", "&&" shows "&".
    std::string DisplayCaption() const;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio) { radioItem_ = radio; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group) { groupIndex_ = group; }
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

    // Sub-items. Add makes a new one at the end (named when `name` is given,
    // so the form finds it).
    TMenuItem& Add(const std::string& name = {});
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    int IndexOf(const TMenuItem& item) const;
    TMenuItem* Parent() const { return parent_; }
    bool IsLine() const { return caption_ == "-"; }

    // Raises OnClick (checking the item first when AutoCheck is on).
    void Click();
    TNotifyEvent OnClick;

    // The number the layer's menu returns for this item; unique in the process.
    ui::UINT Command() const { return command_; }
    TMenuItem* FindByCommand(ui::UINT command);
    // The first item, this one or below, shown with this caption (without "&").
    TMenuItem* FindByDisplayCaption(const std::string& caption);
    // The shown sub-items as the layer's menu.
    ui::PopupMenu BuildMenu() const;

    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

private:
    std::string caption_;
    bool checked_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    bool autoCheck_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    TMenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> items_;
    ui::UINT command_;
};

}  // namespace forms
