#pragma once

#include <string>
#include <vector>

#include "platform/forms/TControl.h"

namespace forms {

// A list of texts, one selectable. Also used hidden, as a plain list of strings
// that travels with the form.
class TListBox : public TControl {
public:
    explicit TListBox(TForm& owner);

    std::string_view KindName() const override { return "TListBox"; }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void AddItem(const std::string& text);
    void Clear();
    int Count() const { return static_cast<int>(items_.size()); }
    // -1: nothing selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int ItemHeight() const;

    void Paint(ui::DeviceContext& dc, const ui::Rect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    bool SetProperty(const std::string& key, const LayoutValue& value, const std::string& folder,
                     std::string& error) override;
    void DescribeState(std::ostream& out) const override;

protected:
    bool HasCaption() const override { return false; }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace forms
