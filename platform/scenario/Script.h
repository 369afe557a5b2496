#pragma once

#include <optional>
#include <string>
#include <vector>

namespace scenario {

class VerbTable;

// One line of a scenario: its verb and its words, with the line number for
// messages. Words in double quotes may hold spaces; \" and \\ escape.
struct Line {
    int number = 0;
    std::string verb;
    std::vector<std::string> words;
};

struct Script {
    std::string name;  // the file, for messages
    std::vector<Line> lines;
};

// Splits one line into words; nullopt when a quote is not closed. Blank lines
// and lines starting with # give no words.
std::optional<std::vector<std::string>> splitWords(const std::string& line);

// Reads and checks a scenario: every verb in the table, every line with the
// words its verb takes. On failure `error` names the line.
std::optional<Script> loadScript(const std::string& path, const VerbTable& verbs, std::string& error);
std::optional<Script> parseScript(const std::string& name, const std::string& text, const VerbTable& verbs,
                                  std::string& error);

}  // namespace scenario
