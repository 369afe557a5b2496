#include "platform/ui/qt/QtEdit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPalette>

#include "platform/ui/Window.h"
#include "platform/ui/detail/EditState.h"
#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"
#include "platform/ui/qt/WindowWidget.h"

namespace ui::qt {

namespace {

// Keys reach the window's PreTranslateMessage before the line edit sees them,
// and focus changes are mirrored into the layer.
class EditFilter final : public QObject {
public:
    explicit EditFilter(EditControl& edit) : edit_(edit) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
                detail::editFocusChanged(edit_, true);
                break;
            case QEvent::FocusOut:
                detail::editFocusChanged(edit_, false);
                break;
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                return preTranslated(static_cast<QKeyEvent*>(event));
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool preTranslated(QKeyEvent* event) {
        Window* parent = edit_.parent();
        const int key = virtualKeyOf(event->key());
        if (parent == nullptr || key == 0) {
            return false;
        }
        const UINT message = event->type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP;
        return parent->PreTranslateMessage(message, static_cast<WPARAM>(key), 1);
    }

    EditControl& edit_;
};

}  // namespace

QtEdit::QtEdit(EditControl& edit, QWidget* parentWidget)
    : line_(new QLineEdit(parentWidget)), filter_(std::make_unique<EditFilter>(edit)) {
    line_->setFrame(false);
    line_->setGeometry(detail::toQRect(edit.rect()));
    line_->installEventFilter(filter_.get());
    QObject::connect(line_, &QLineEdit::textEdited, line_, [&edit](const QString& text) {
        detail::editChangedByUser(edit, detail::fromQString(text));
    });
    line_->show();
}

QtEdit::~QtEdit() {
    if (line_) {
        line_->removeEventFilter(filter_.get());
        line_->hide();
        line_->deleteLater();
    }
}

void QtEdit::setText(const std::string& text) {
    if (line_) {
        line_->setText(detail::toQString(text));
    }
}

void QtEdit::setGeometry(const Rect& rect) {
    if (line_) {
        line_->setGeometry(detail::toQRect(rect));
    }
}

void QtEdit::setVisible(bool visible) {
    if (line_) {
        line_->setVisible(visible);
    }
}

void QtEdit::setFocus() {
    if (line_) {
        line_->setFocus(Qt::OtherFocusReason);
    }
}

void QtEdit::setColors(COLORREF text, COLORREF background) {
    if (!line_) {
        return;
    }
    QPalette palette = line_->palette();
    palette.setColor(QPalette::Text, detail::toQColor(text));
    palette.setColor(QPalette::Base, detail::toQColor(background));
    line_->setPalette(palette);
}

void QtEdit::setFont(const Font& font) {
    if (line_) {
        line_->setFont(font.data().font());
    }
}

void QtEdit::setLimit(int characters) {
    if (line_) {
        line_->setMaxLength(characters > 0 ? characters : 32767);
    }
}

}  // namespace ui::qt
