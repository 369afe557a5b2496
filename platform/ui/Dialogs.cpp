#include "platform/ui/ColorDialog.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messages.h"
#include "platform/ui/detail/Dispatcher.h"

namespace ui {

int messageBox(Window* owner, const std::string& text, const std::string& caption, unsigned type) {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    return dispatcher ? dispatcher->backend().messageBox(owner, text, caption, type) : IDCANCEL;
}

std::optional<std::string> fileDialog(const FileDialogOptions& options) {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    return dispatcher ? dispatcher->backend().fileDialog(options) : std::nullopt;
}

std::optional<COLORREF> colorDialog(const ColorDialogOptions& options) {
    detail::Dispatcher* dispatcher = detail::Dispatcher::current();
    return dispatcher ? dispatcher->backend().colorDialog(options) : std::nullopt;
}

}  // namespace ui
