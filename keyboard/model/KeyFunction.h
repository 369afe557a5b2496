#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What a G key does: a category byte and two parameters.
enum class FunctionCategory : std::uint8_t {
    None = 0x00,
    Macro = 0x01,
    KeyboardFunction = 0x02,
    MouseButton = 0x03,
    DoubleClick = 0x04,
    Fire = 0x05,
    KeyCombination = 0x06,
    QuickLaunch = 0x07,
};

struct KeyFunction {
    std::uint8_t category = 0;
    std::uint8_t p1 = 0;
    std::uint8_t p2 = 0;

    FunctionCategory Category() const { return static_cast<FunctionCategory>(category); }
    std::array<std::uint8_t, 3> Bytes() const { return {category, p1, p2}; }
    friend bool operator==(const KeyFunction&, const KeyFunction&) = default;
};

// A keyboard function (multimedia and application keys) with its name.
struct NamedCode {
    std::uint8_t code;
    const char* name;
};

// The keyboard function codes 0xA0..0xA7 and 0xA8..0xB1, in menu order.
const std::vector<NamedCode>& MultimediaFunctions();
const std::vector<NamedCode>& WindowManageFunctions();
// The name of a keyboard function code; empty outside 0xA0..0xB1.
std::string KeyboardFunctionName(std::uint8_t code);

// The mouse functions a G key can take, in menu order, with their names.
struct MouseFunction {
    const char* name;
    KeyFunction function;
};
const std::vector<MouseFunction>& MouseFunctions();

// The G-key function menu, in order.
const std::vector<const char*>& GKeyMenuItems();

// Slot 0..5 of a new profile: Ctrl + the digit of the G key.
KeyFunction DefaultGKeyFunction(int slot);
std::string DefaultGKeyName(int slot);

KeyFunction NoFunction();
KeyFunction MacroFunction();
KeyFunction KeyboardFunctionOf(std::uint8_t code);
KeyFunction KeyCombinationOf(std::uint8_t modifiers, std::uint8_t usage);
KeyFunction QuickLaunchFunction();
