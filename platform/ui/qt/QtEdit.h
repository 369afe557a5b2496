#pragma once

#include <QLineEdit>
#include <QPointer>

#include "platform/ui/EditControl.h"
#include "platform/ui/detail/NativeEdit.h"

namespace ui::qt {

// An edit control as a QLineEdit child of the window's widget.
class QtEdit final : public detail::NativeEdit {
public:
    QtEdit(EditControl& edit, QWidget* parentWidget);
    ~QtEdit() override;

    void setText(const std::string& text) override;
    void setGeometry(const Rect& rect) override;
    void setVisible(bool visible) override;
    void setFocus() override;
    void setColors(COLORREF text, COLORREF background) override;
    void setFont(const Font& font) override;
    void setLimit(int characters) override;

private:
    QPointer<QLineEdit> line_;
    std::unique_ptr<QObject> filter_;
};

}  // namespace ui::qt
