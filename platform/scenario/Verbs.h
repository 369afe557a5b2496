#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/scenario/Script.h"

namespace scenario {

class Runner;

// When a line may run.
enum class Phase {
    anytime,  // before the program starts too (attach, touch...)
    window,   // while the main window is up
    state,    // while the window is up; after the program, on what is left (dump, expect)
};

// Runs one line; false when it failed (after saying why with Runner::fail).
using VerbHandler = std::function<bool(Runner& runner, const Line& line)>;

struct Verb {
    std::string name;
    std::size_t minWords = 0;
    std::size_t maxWords = 0;
    Phase phase = Phase::window;
    // Queues an answer or an expectation that the next action must meet, so
    // what it expects is checked after the line that follows, not after itself.
    bool answersNextAction = false;
    // Ends the window's part of the run (quit, close).
    bool endsWindow = false;
    VerbHandler handler;
};

// The verbs a run knows: the common ones and the program's own.
class VerbTable {
public:
    // A verb of the same name is replaced.
    void add(Verb verb);
    const Verb* find(const std::string& name) const;
    const std::vector<Verb>& all() const { return verbs_; }

private:
    std::vector<Verb> verbs_;
};

}  // namespace scenario
