// The on-screen display as a user sees it on a desktop (an X server with a
// compositor): the configurator's window on the emulated keyboard, its
// profile key pressed, and a picture of the whole screen once the display is up.
// The display must sit at the bottom-right of the work area, show white text,
// and, when a compositor runs, let the desktop shine through at half strength.
//
//   osd_desktop_shot OUTPUT.png [--translucent]
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "keyboard/app/EmulatedKeyboardBus.h"
#include "keyboard/dialogs/COSDDialog.h"
#include "sim/keyboard/EmulatedKeyboard.h"
#include "keyboard/mainwindow/CTarvikDlg.h"
#include "keyboard/resources/KeyboardResources.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"

namespace {

// A plain desktop behind every window: a gradient the display's colour differs from.
class Desktop : public QWidget {
public:
    Desktop() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint) {
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }
    static QColor colorAt(const QRect& screen, QPoint p) {
        const double t = static_cast<double>(p.y()) / screen.height();
        return QColor(static_cast<int>(30 + 40 * t), static_cast<int>(90 + 60 * t), static_cast<int>(140 + 40 * t));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int y = 0; y < height(); ++y) {
            painter.setPen(colorAt(rect(), {0, y}));
            painter.drawLine(0, y, width(), y);
        }
    }
};

int Distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// What the picture must show; the reasons for a failure on stderr.
bool Check(const QImage& screen, bool translucent) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect osd(area.right() + 1 - COSDDialog::kWidth, area.bottom() + 1 - COSDDialog::kHeight,
                    COSDDialog::kWidth, COSDDialog::kHeight);
    const QColor fill(164, 73, 164);
    // A corner of the display without text, and the desktop just above it.
    const QPoint corner(osd.right() - 4, osd.bottom() - 4);
    const QColor desktop = Desktop::colorAt(screen.rect(), corner);
    const QColor expected = translucent ? QColor((fill.red() + desktop.red()) / 2, (fill.green() + desktop.green()) / 2,
                                                 (fill.blue() + desktop.blue()) / 2)
                                        : fill;
    const QColor seen = screen.pixelColor(corner);
    bool ok = true;
    if (Distance(seen, expected) > 12) {
        std::fprintf(stderr, "display corner is %s, expected %s\n", qPrintable(seen.name()),
                     qPrintable(expected.name()));
        ok = false;
    }
    const QColor above = screen.pixelColor(corner.x(), osd.top() - 3);
    if (Distance(above, desktop) > 12) {
        std::fprintf(stderr, "above the display: %s, the desktop is %s\n", qPrintable(above.name()),
                     qPrintable(desktop.name()));
        ok = false;
    }
    int bright = 0;
    for (int y = osd.top() + 14; y < osd.top() + 38; ++y) {
        for (int x = osd.left() + 30; x < osd.right(); ++x) {
            bright += screen.pixelColor(x, y).lightness() > 180;
        }
    }
    if (bright < 100) {
        std::fprintf(stderr, "no text on the display (%d bright pixels)\n", bright);
        ok = false;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: osd_desktop_shot OUTPUT.png [--translucent]\n");
        return 2;
    }
    const std::string output = argv[1];
    const bool translucent = argc > 2 && std::string(argv[2]) == "--translucent";
    ui::Session session(ui::Backend::qt);
    Desktop desktop;
    desktop.show();
    InitKeyboardResources();
    EmulatedKeyboardBus emulated;
    emulated.Attach();

    bool ok = false;
    CTarvikDlg dialog;
    dialog.onWindowCreated = [&](ui::WindowHandle window) {
        if (!window) {
            return;
        }
        // The user presses the keyboard's profile key: "Current Profile:2".
        QTimer::singleShot(1000, [&] { emulated.Keyboard().pressProfileKey(1); });
        QTimer::singleShot(3000, [&, window] {
            const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            ok = screen.save(QString::fromStdString(output)) && Check(screen, translucent);
            ui::PostMessage(window, ui::WM_CLOSE);
        });
    };
    dialog.DoModal();
    std::printf("%s: %s\n", output.c_str(), ok ? "the display is up as it should be" : "FAILED");
    return ok ? 0 : 1;
}
