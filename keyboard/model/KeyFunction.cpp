#include "keyboard/model/KeyFunction.h"

const std::vector<NamedCode>& MultimediaFunctions() {
    static const std::vector<NamedCode> list = {
        {0xA0, "Mute"},     {0xA1, "Volume+"},   {0xA2, "Volume-"},    {0xA3, "Open Media"},
        {0xA4, "PreTrack"}, {0xA5, "NextTrack"}, {0xA6, "Play/Pause"}, {0xA7, "Stop"},
    };
    return list;
}

const std::vector<NamedCode>& WindowManageFunctions() {
    static const std::vector<NamedCode> list = {
        {0xA8, "WWW Search"},  {0xA9, "WWW Home"},    {0xAA, "WWW Back"},     {0xAB, "WWW Forward"},
        {0xAC, "WWW Stop"},    {0xAD, "WWW Refresh"}, {0xAE, "WWW Favorite"}, {0xAF, "Email"},
        {0xB0, "My Computer"}, {0xB1, "Calculator"},
    };
    return list;
}

std::string KeyboardFunctionName(std::uint8_t code) {
    for (const auto* list : {&MultimediaFunctions(), &WindowManageFunctions()}) {
        for (const auto& entry : *list) {
            if (entry.code == code) {
                return entry.name;
            }
        }
    }
    return {};
}

const std::vector<MouseFunction>& MouseFunctions() {
    auto button = [](std::uint8_t mask) { return KeyFunction{0x03, mask, 0}; };
    static const std::vector<MouseFunction> list = {
        {"Click", button(0x01)},           {"Menu", button(0x02)},
        {"Middle Button", button(0x04)},   {"IE Backward", button(0x08)},
        {"IE Forward", button(0x10)},      {"Double-click", KeyFunction{0x04, 0, 0}},
        {"Fire", KeyFunction{0x05, 0, 0}},
    };
    return list;
}

const std::vector<const char*>& GKeyMenuItems() {
    static const std::vector<const char*> items = {
        "Assign a Macro",   "Multimedia",        "Window Manage", "Mouse Function",
        "Default Function", "Assign a Shortcut", "Quick Launch",  "No Function",
    };
    return items;
}

KeyFunction DefaultGKeyFunction(int slot) {
    return KeyCombinationOf(0x01, static_cast<std::uint8_t>(0x1E + slot));
}

std::string DefaultGKeyName(int slot) {
    return "CTRL+" + std::to_string(slot + 1);
}

KeyFunction NoFunction() {
    return {0x00, 0, 0};
}
KeyFunction MacroFunction() {
    return {0x01, 0, 0};
}
KeyFunction KeyboardFunctionOf(std::uint8_t code) {
    return {0x02, code, 0};
}
KeyFunction KeyCombinationOf(std::uint8_t modifiers, std::uint8_t usage) {
    return {0x06, modifiers, usage};
}
KeyFunction QuickLaunchFunction() {
    return {0x07, 0, 0};
}
