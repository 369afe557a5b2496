#pragma once

#include <optional>
#include <string>
#include <vector>

// One line of a scenario: its verb and its words, with the line number for
// messages. Words in double quotes may hold spaces; \" and \\ escape.
struct ScenarioLine {
    int number = 0;
    std::string verb;
    std::vector<std::string> words;
};

struct ScenarioScript {
    std::string name;  // the file, for messages
    std::vector<ScenarioLine> lines;
};

// Splits one line into words; nullopt when a quote is not closed. Blank lines
// and lines starting with # give no words.
std::optional<std::vector<std::string>> SplitScenarioWords(const std::string& line);

// Reads and checks a scenario file: every verb known, every line with the
// words it needs. On failure `error` names the line.
std::optional<ScenarioScript> LoadScenario(const std::string& path, std::string& error);
std::optional<ScenarioScript> ParseScenario(const std::string& name, const std::string& text,
                                            std::string& error);

// Whether the line acts on the main window, so that the program must be up first.
bool NeedsWindow(const ScenarioLine& line);
// dump, expect and expect-not: before the program they wait for its window;
// after it they see what is left, the emulated keyboard.
bool LooksAtState(const ScenarioLine& line);
