// A form with every component, to look at as a user would:
//   forms_gallery LAYOUT                     run it on the desktop
//   forms_gallery LAYOUT --screenshot F.png  save the form's own picture and end
//   forms_gallery LAYOUT --screen F.png      save what the display shows of it and end
// QUELDA_UI_BACKEND=headless draws without a display.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TColorDialog.h"
#include "platform/forms/TFileDialog.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMediaPlayer.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TTimer.h"
#include "platform/ui/Messaging.h"
#include "platform/ui/Session.h"

using namespace forms;

namespace {

// Half a second of a 440 Hz square wave, mono 8-bit at 8000 Hz.
std::string writeBeep() {
    const std::string path = "/tmp/forms-gallery-bee.wav";
    std::string data;
    for (int i = 0; i < 4000; ++i) {
        data += static_cast<char>((i / 9) % 2 == 0 ? 0xA0 : 0x60);
    }
    auto le32 = [](unsigned v) {
        return std::string{char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
    };
    const std::string fmt = "fmt " + le32(16) + std::string("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) +
                            std::string("\x01\x00\x08\x00", 4);
    std::ofstream(path, std::ios::binary) << "RIFF" << le32(static_cast<unsigned>(4 + fmt.size() + 8 + data.size()))
                                          << "WAVE" << fmt << "data" << le32(4000) << data;
    return path;
}

void wire(TForm& form) {
    auto* status = form.Find<TLabel>("StatusLabel");
    auto say = [status](const std::string& text) { status->SetCaption(text); };
    form.Find<TButton>("ColorButton")->OnClick = [&form, say](TObject*) {
        auto* dialog = form.Find<TColorDialog>("ColorDialog");
        if (dialog->Execute()) {
            form.Find<TShape>("ChosenColor")->SetBrushColor(dialog->Color);
            say("Colour chosen");
        }
    };
    form.Find<TButton>("OpenButton")->OnClick = [&form, say](TObject*) {
        auto* dialog = form.Find<TOpenDialog>("OpenDialog");
        say(dialog->Execute() ? "Open: " + dialog->FileName : "Open: cancelled");
    };
    form.Find<TButton>("SaveButton")->OnClick = [&form, say](TObject*) {
        auto* dialog = form.Find<TSaveDialog>("SaveDialog");
        say(dialog->Execute() ? "Save: " + dialog->FileName : "Save: cancelled");
    };
    form.Find<TButton>("PlayButton")->OnClick = [&form, say](TObject*) {
        auto* player = form.Find<TMediaPlayer>("MediaPlayer");
        player->FileName = writeBeep();
        if (!player->Open()) {
            say(player->Error());
            return;
        }
        player->Play();
        say("Playing " + std::to_string(player->Length()) + " ms" +
            (ui::audioOutputAvailable() ? " on the audio output" : " (no audio output: simulated)"));
    };
    form.Find<TButton>("MenuButton")->OnClick = [&form](TObject* sender) {
        const auto* button = static_cast<TButton*>(sender);
        const ui::Point at = form.clientToScreen({button->Left(), button->Top() + button->Height()});
        form.Find<TPopupMenu>("PopupMenu")->Popup(at.x, at.y + form.ClientOrigin().y);
    };
    form.Find<TMenuItem>("CloseMenu")->OnClick = [](TObject*) { Application->Terminate(); };
    form.Find<TTimer>("Ticker")->OnTimer = [&form](TObject*) {
        static int ticks = 0;
        form.Find<TLabel>("TickLabel")->SetCaption("Timer: " + std::to_string(++ticks));
    };
}

// Lets the desktop show the window for real before it is read back.
void settle() {
    for (int i = 0; i < 20; ++i) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: forms_gallery LAYOUT [--screenshot FILE.png | --screen FILE.png]\n");
        return 2;
    }
    const std::string option = argc >= 4 ? argv[2] : "";
    const std::string output = argc >= 4 ? argv[3] : "";
    ui::Session session(ui::backendFromEnvironment());
    auto form = Application->CreateForm<TForm>();
    if (const auto error = form->LoadLayout(argv[1])) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 2;
    }
    wire(*form);
    if (option.empty()) {
        return Application->Run();
    }
    form->Show();
    Application->ProcessMessages();
    bool saved = false;
    if (option == "--screenshot") {
        saved = form->surface().savePng(output);
    } else if (option == "--screen") {
        settle();
        saved = ui::grabScreen(form->windowRect()).savePng(output);
    }
    if (!saved) {
        std::fprintf(stderr, "forms_gallery: could not save %s\n", output.c_str());
        return 1;
    }
    return 0;
}
