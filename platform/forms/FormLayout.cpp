#include "platform/forms/FormLayout.h"

#include <fstream>
#include <functional>
#include <map>
#include <vector>

#include "platform/forms/LayoutValue.h"
#include "platform/forms/TBevel.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCTrayIcon.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TColorDialog.h"
#include "platform/forms/TFileDialog.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TMediaPlayer.h"
#include "platform/forms/TPopupMenu.h"
#include "platform/forms/TRadioButton.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TTimer.h"
#include "platform/forms/TTrackBar.h"

namespace forms {

namespace {

using Factory = std::function<TComponent&(TForm&, const std::string& name)>;

template <class T>
Factory make() {
    return [](TForm& form, const std::string& name) -> TComponent& { return form.Add<T>(name); };
}

const std::map<std::string, Factory>& factories() {
    static const std::map<std::string, Factory> table = {
        {"TImage", make<TImage>()},           {"TLabel", make<TLabel>()},
        {"TShape", make<TShape>()},           {"TBevel", make<TBevel>()},
        {"TCheckBox", make<TCheckBox>()},     {"TRadioButton", make<TRadioButton>()},
        {"TTrackBar", make<TTrackBar>()},     {"TButton", make<TButton>()},
        {"TGroupBox", make<TGroupBox>()},     {"TListBox", make<TListBox>()},
        {"TTimer", make<TTimer>()},           {"TPopupMenu", make<TPopupMenu>()},
        {"TOpenDialog", make<TOpenDialog>()}, {"TSaveDialog", make<TSaveDialog>()},
        {"TColorDialog", make<TColorDialog>()}, {"TMediaPlayer", make<TMediaPlayer>()},
        {"TImageList", make<TImageList>()},   {"TCTrayIcon", make<TCTrayIcon>()},
    };
    return table;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Splits a value into words; false when a quoted text is not closed.
bool splitWords(const std::string& text, std::vector<LayoutValue::Word>& words) {
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == ',') {
            ++i;
            continue;
        }
        LayoutValue::Word word;
        if (c == '"') {
            word.quoted = true;
            ++i;
            while (i < text.size() && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < text.size()) {
                    ++i;
                }
                word.text += text[i++];
            }
            if (i >= text.size()) {
                return false;
            }
            ++i;
        } else {
            while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != ',') {
                word.text += text[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return true;
}

// What a block of the file stands for while its lines are read.
struct Block {
    TComponent* component = nullptr;  // null for the form itself
    std::string kind;
    int line = 0;
};

class Reader {
public:
    Reader(TForm& form, std::string path) : form_(form), path_(std::move(path)) {
        const auto slash = path_.find_last_of('/');
        folder_ = slash == std::string::npos ? std::string() : path_.substr(0, slash);
    }

    std::optional<std::string> Read() {
        std::ifstream in(path_);
        if (!in) {
            return path_ + ": cannot be read";
        }
        std::string raw;
        while (std::getline(in, raw)) {
            ++line_;
            const std::string text = trim(raw);
            if (text.empty() || text.front() == '#') {
                continue;
            }
            if (!Line(text)) {
                return path_ + ":" + std::to_string(line_) + ": " + error_;
            }
        }
        if (!blocks_.empty()) {
            return path_ + ":" + std::to_string(line_) + ": the block of " + blocks_.back().kind + " opened at line " +
                   std::to_string(blocks_.back().line) + " is not closed";
        }
        if (!sawForm_) {
            return path_ + ":" + std::to_string(line_) + ": no TForm block";
        }
        return FinishLoading();
    }

private:
    bool Line(const std::string& text) {
        if (text == "}") {
            if (blocks_.empty()) {
                return Fail("a \"}\" without a block to close");
            }
            blocks_.pop_back();
            return true;
        }
        if (text.back() == '{') {
            return Open(trim(text.substr(0, text.size() - 1)));
        }
        const auto equals = text.find('=');
        if (equals == std::string::npos) {
            return Fail("expected \"Key = value\", \"Kind Name {\" or \"}\"");
        }
        return Property(trim(text.substr(0, equals)), trim(text.substr(equals + 1)));
    }

    bool Open(const std::string& header) {
        const auto space = header.find(' ');
        const std::string kind = header.substr(0, space);
        const std::string name = space == std::string::npos ? std::string() : trim(header.substr(space + 1));
        if (name.empty() || name.find(' ') != std::string::npos) {
            return Fail("a block starts with a kind and one name: \"" + kind + " Name {\"");
        }
        if (kind == "TForm") {
            if (!blocks_.empty() || sawForm_) {
                return Fail("TForm is the outermost block, once per file");
            }
            sawForm_ = true;
            form_.SetName(name);
            blocks_.push_back({nullptr, kind, line_});
            return true;
        }
        if (blocks_.empty()) {
            return Fail(kind + " must be inside the TForm block");
        }
        if (form_.FindComponent(name) != nullptr) {
            return Fail("the name \"" + name + "\" is taken already");
        }
        TComponent* created = kind == "TMenuItem" ? AddMenuItem(name) : AddComponent(kind, name);
        if (created == nullptr) {
            return false;
        }
        loaded_.push_back({created, kind, line_});
        blocks_.push_back({created, kind, line_});
        return true;
    }

    TComponent* AddMenuItem(const std::string& name) {
        TComponent* parent = blocks_.back().component;
        if (auto* menu = dynamic_cast<TPopupMenu*>(parent)) {
            return &menu->Items().Add(name);
        }
        if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
            return &item->Add(name);
        }
        Fail("TMenuItem belongs inside a TPopupMenu or another TMenuItem");
        return nullptr;
    }

    TComponent* AddComponent(const std::string& kind, const std::string& name) {
        const auto factory = factories().find(kind);
        if (factory == factories().end()) {
            Fail("unknown kind \"" + kind + "\"");
            return nullptr;
        }
        TComponent* parent = blocks_.back().component;
        auto* container = dynamic_cast<TControl*>(parent);
        if (parent != nullptr && (container == nullptr || !container->AcceptsChildren())) {
            Fail(kind + " cannot be inside " + blocks_.back().kind);
            return nullptr;
        }
        TComponent& created = factory->second(form_, name);
        auto* control = dynamic_cast<TControl*>(&created);
        if (container != nullptr && control == nullptr) {
            Fail(kind + " has no place inside " + blocks_.back().kind);
            return nullptr;
        }
        if (control != nullptr) {
            control->SetParent(container);
        }
        return &created;
    }

    bool Property(const std::string& key, const std::string& valueText) {
        if (blocks_.empty()) {
            return Fail("a property outside any block");
        }
        std::vector<LayoutValue::Word> words;
        if (key.empty() || !splitWords(valueText, words)) {
            return Fail(key.empty() ? "a property without a name" : "a quoted text is not closed");
        }
        const LayoutValue value(std::move(words));
        TComponent* target = blocks_.back().component;
        std::string problem;
        const bool ok = target == nullptr ? form_.SetProperty(key, value, folder_, problem)
                                          : target->SetProperty(key, value, folder_, problem);
        return ok || Fail(key + ": " + problem);
    }

    std::optional<std::string> FinishLoading() {
        for (const Block& block : loaded_) {
            std::string problem;
            if (!block.component->Loaded(problem)) {
                return path_ + ":" + std::to_string(block.line) + ": " + problem;
            }
        }
        return std::nullopt;
    }

    bool Fail(const std::string& message) {
        error_ = message;
        return false;
    }

    TForm& form_;
    std::string path_;
    std::string folder_;
    int line_ = 0;
    bool sawForm_ = false;
    std::vector<Block> blocks_;
    std::vector<Block> loaded_;
    std::string error_;
};

}  // namespace

std::optional<std::string> loadFormLayout(TForm& form, const std::string& path) {
    return Reader(form, path).Read();
}

}  // namespace forms
