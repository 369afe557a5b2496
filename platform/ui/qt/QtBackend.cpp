#include "platform/ui/qt/QtBackend.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QMenu>
#include <QPixmap>
#include <QMessageBox>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStringList>
#include <QSystemTrayIcon>

#include <cmath>
#include <thread>

#include "platform/core/Clock.h"
#include "platform/core/DebugOutput.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/detail/Dispatcher.h"
#include "platform/ui/detail/GraphicsData.h"
#include "platform/ui/detail/QtConvert.h"
#include "platform/ui/detail/WindowState.h"
#include "platform/ui/qt/QtEdit.h"
#include "platform/ui/qt/QtSound.h"
#include "platform/ui/qt/QtTrayIcon.h"
#include "platform/ui/qt/QtWindow.h"

namespace ui::qt {

namespace {

QWidget* widgetOf(Window* window) {
    if (window == nullptr || !window->state().native) {
        return nullptr;
    }
    return static_cast<QtWindow&>(*window->state().native).widget();
}

// "desc|*.a;*.b|desc2|*.c||" to Qt's "desc (*.a *.b)" entries.
QStringList nameFilters(const std::string& filter) {
    const QStringList parts = detail::toQString(filter).split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;
        }
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return result;
}

// Folders, files with the execute bit, and files matching the filter's own
// patterns; the dialog's name filter is widened to "*" so this decides.
class ExecutableFilter : public QSortFilterProxyModel {
public:
    ExecutableFilter(QStringList patterns, QObject* parent)
        : QSortFilterProxyModel(parent), patterns_(std::move(patterns)) {}

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (files == nullptr) {
            return true;
        }
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable() || QDir::match(patterns_, info.fileName());
    }

private:
    QStringList patterns_;
};

QStringList allPatterns(const std::string& filter) {
    const QStringList parts = detail::toQString(filter).split(u'|');
    QStringList result;
    for (qsizetype i = 1; i < parts.size(); i += 2) {
        result << parts[i].split(u';', Qt::SkipEmptyParts);
    }
    return result;
}

// Every entry keeps its caption but lists all files, for ExecutableFilter to sift.
QStringList widenedFilters(const QStringList& filters) {
    QStringList result;
    for (const QString& entry : filters) {
        result << entry.left(entry.lastIndexOf(u'(')) + QStringLiteral("(*)");
    }
    return result;
}

QMessageBox::StandardButtons buttonsFor(unsigned type) {
    switch (type & 0x0F) {
        case MB_OKCANCEL:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MB_YESNOCANCEL:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MB_YESNO:
            return QMessageBox::Yes | QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(unsigned type) {
    switch (type & 0xF0) {
        case MB_ICONERROR:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONWARNING:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int answerOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return IDOK;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDCANCEL;
    }
}

}  // namespace

QtBackend::QtBackend() {
    detail::ensureQtApplication(true);
    waker_ = std::make_unique<QObject>();
    deadlineTimer_.setSingleShot(true);
}

QtBackend::~QtBackend() = default;

std::unique_ptr<detail::NativeWindow> QtBackend::createWindow(Window& window) {
    return std::make_unique<QtWindow>(window);
}

std::unique_ptr<detail::NativeEdit> QtBackend::createEdit(EditControl& edit, Window& parent) {
    return std::make_unique<QtEdit>(edit, widgetOf(&parent));
}

bool QtBackend::waitForEvents(std::optional<std::chrono::nanoseconds> deadline, Window*) {
    if (deadline) {
        const auto left = *deadline - core::systemClock().now();
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        deadlineTimer_.start(static_cast<int>(std::max<decltype(ms)>(0, ms)));
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    deadlineTimer_.stop();
    return true;
}

void QtBackend::processNativeEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtBackend::wake() {
    // Inside the window thread the loop is not asleep while this code runs.
    if (detail::Dispatcher* dispatcher = detail::Dispatcher::current();
        dispatcher && dispatcher->onWindowThread()) {
        return;
    }
    // Handled from any Qt loop, the nested ones of Qt's own dialogs included.
    QMetaObject::invokeMethod(
        waker_.get(),
        [] {
            if (detail::Dispatcher* current = detail::Dispatcher::current()) {
                current->processPosted();
            }
        },
        Qt::QueuedConnection);
}

Point QtBackend::cursorPos() const {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

Rect QtBackend::workArea() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? detail::fromQRect(screen->availableGeometry()) : Rect{0, 0, 1920, 1040};
}

Rect QtBackend::screenRect() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? detail::fromQRect(screen->geometry()) : Rect{0, 0, 1920, 1080};
}

Image QtBackend::grabScreen(const Rect& rect) const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return Image();
    }
    const QPixmap shot = screen->grabWindow(0, rect.left, rect.top, rect.width(), rect.height());
    Image picture;
    picture.data().image = shot.toImage().convertToFormat(detail::kImageFormat);
    return picture;
}

std::optional<COLORREF> QtBackend::colorDialog(const ColorDialogOptions& options) {
    const QColor initial(GetRValue(options.initial), GetGValue(options.initial), GetBValue(options.initial));
    const QColor chosen = QColorDialog::getColor(initial, widgetOf(options.owner));
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

int QtBackend::messageBox(Window* owner, const std::string& text, const std::string& caption, unsigned type) {
    QMessageBox box(iconFor(type), detail::toQString(caption), detail::toQString(text), buttonsFor(type),
                    widgetOf(owner));
    return answerOf(box.exec());
}

std::optional<std::string> QtBackend::fileDialog(const FileDialogOptions& options) {
    QFileDialog dialog(widgetOf(options.owner), detail::toQString(options.title),
                       detail::toQString(options.initialFolder));
    const bool opening = options.mode == FileDialogMode::open;
    dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(opening && options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters = nameFilters(options.filter);
    if (opening && options.offerExecutables) {
        filters = widenedFilters(filters);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setProxyModel(new ExecutableFilter(allPatterns(options.filter), &dialog));
    }
    dialog.setNameFilters(filters);
    if (options.filterIndex >= 1 && options.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[options.filterIndex - 1]);
    }
    dialog.setDefaultSuffix(detail::toQString(options.defaultExtension));
    if (!options.fileName.empty()) {
        dialog.selectFile(detail::toQString(options.fileName));
    }
    if (!options.overwritePrompt) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return detail::fromQString(dialog.selectedFiles().front());
}

std::unique_ptr<detail::NativeTrayIcon> QtBackend::createTrayIcon(Window& owner, UINT id) {
    // The icon is kept all the same: Qt shows it once a tray turns up.
    if (!toldNoTray_ && !QSystemTrayIcon::isSystemTrayAvailable()) {
        toldNoTray_ = true;
        core::debugOutput("qt: the desktop has no system tray; tray icons stay hidden");
    }
    return std::make_unique<QtTrayIcon>(owner, id);
}

namespace {

void addItems(QMenu& menu, const std::vector<PopupMenuItem>& items) {
    for (const PopupMenuItem& item : items) {
        if (item.separator) {
            menu.addSeparator();
            continue;
        }
        const bool enabled = item.state == MenuItemState::enabled;
        if (!item.submenu.empty()) {
            QMenu* sub = menu.addMenu(detail::toQString(item.text));
            sub->setEnabled(enabled);
            addItems(*sub, item.submenu);
            continue;
        }
        QAction* action = menu.addAction(detail::toQString(item.text));
        action->setData(item.command);
        action->setEnabled(enabled);
        if (item.check != MenuItemCheck::none) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
}

}  // namespace

std::optional<UINT> QtBackend::trackPopupMenu(const PopupMenu& menu, Point screen, Window& owner, unsigned) {
    QMenu popup(widgetOf(&owner));
    addItems(popup, menu.items());
    const QAction* chosen = popup.exec(QPoint(screen.x, screen.y));
    if (chosen == nullptr) {
        return std::nullopt;
    }
    return chosen->data().toUInt();
}

std::unique_ptr<detail::NativeSound> QtBackend::createSound() {
    return hasAudioOutput() ? std::make_unique<QtSound>() : nullptr;
}

bool QtBackend::hasAudioOutput() const {
    return QtSound::outputAvailable();
}

}  // namespace ui::qt
