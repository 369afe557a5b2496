#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/scenario/Script.h"

namespace ui {
class Window;
namespace headless {
class Driver;
}
}  // namespace ui

namespace scenario {

class ProgramAdapter;

// What the next action must bring about: a dialog, a message box, a file
// dialog or a popup menu. The answers are queued with the driver before the
// action; what came is checked after it.
class Expectations {
public:
    struct Failure {
        Line line;
        std::string message;
    };

    Expectations(ui::headless::Driver& driver, ProgramAdapter& adapter);
    ~Expectations();

    // Each returns what is wrong with the line's words, nullopt when queued.
    std::optional<std::string> expectDialog(const Line& line);
    std::optional<std::string> expectMessage(const Line& line);
    std::optional<std::string> answerFileDialog(const Line& line);
    std::optional<std::string> answerMenu(const Line& line);
    // The next modal dialog (with the line's title, when it gives one) is
    // handed to `inside` instead of being answered.
    void enterDialog(const Line& line, std::function<void(ui::Window& dialog)> inside);

    // A modal dialog nobody expected: cancelled, and the next check fails.
    void unexpectedDialog(ui::Window& dialog);

    // Checks every pending expectation and forgets them; the first failure,
    // named after its own line (or after `current` for an unexpected dialog).
    std::optional<Failure> check(const Line& current);

private:
    struct Expected;

    std::optional<std::string> checkOne(const Expected& expected) const;

    ui::headless::Driver& driver_;
    ProgramAdapter& adapter_;
    std::vector<std::shared_ptr<Expected>> pending_;
    std::vector<std::string> unexpected_;
};

}  // namespace scenario
