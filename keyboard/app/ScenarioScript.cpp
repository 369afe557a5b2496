#include "keyboard/app/ScenarioScript.h"

#include <map>
#include <sstream>

#include "platform/core/AtomicFile.h"

namespace {

struct VerbRule {
    std::size_t minWords;
    std::size_t maxWords;
    bool needsWindow;
};

const std::map<std::string, VerbRule>& VerbRules() {
    static const std::map<std::string, VerbRule> rules = {
        {"attach", {0, 0, false}},
        {"detach", {0, 0, false}},
        {"keyboard-profile", {1, 1, false}},
        {"event", {2, 2, true}},
        {"profile-key", {1, 1, true}},
        {"click", {1, 1, true}},
        {"double-click", {1, 1, true}},
        {"press", {1, 1, true}},
        {"release", {1, 1, true}},
        {"move", {1, 1, true}},
        {"leave", {0, 0, true}},
        {"wheel", {2, 2, true}},
        {"popup", {2, 2, true}},
        {"key", {1, 2, true}},
        {"keystroke", {1, 2, true}},
        {"type", {1, 1, true}},
        {"advance", {1, 1, true}},
        {"wait", {1, 1, true}},
        {"expect-dialog", {2, 3, true}},
        {"expect-message", {1, 2, false}},
        {"file-dialog", {1, 1, true}},
        {"menu", {1, 1, true}},
        {"tray", {1, 1, true}},
        {"open-dialog", {1, 3, true}},
        {"screenshot", {1, 1, true}},
        {"dump", {0, 2, true}},
        {"expect", {1, 1, true}},
        {"expect-not", {1, 1, true}},
        {"close", {0, 0, true}},
        {"quit", {0, 0, true}},
        {"touch", {1, 1, false}},
        {"wait-file", {1, 2, false}},
    };
    return rules;
}

}  // namespace

std::optional<std::vector<std::string>> SplitScenarioWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (words.empty() && line[i] == '#') {
            break;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size()) {
                    c = line[i++];
                }
                word += c;
            }
            if (!closed) {
                return std::nullopt;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
                word += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<ScenarioScript> ParseScenario(const std::string& name, const std::string& text,
                                            std::string& error) {
    ScenarioScript script{name, {}};
    std::istringstream in(text);
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        auto words = SplitScenarioWords(raw);
        if (!words) {
            error = name + ":" + std::to_string(number) + ": a quote is not closed";
            return std::nullopt;
        }
        if (words->empty()) {
            continue;
        }
        ScenarioLine line{number, words->front(), {words->begin() + 1, words->end()}};
        auto rule = VerbRules().find(line.verb);
        if (rule == VerbRules().end()) {
            error = name + ":" + std::to_string(number) + ": unknown command \"" + line.verb + "\"";
            return std::nullopt;
        }
        if (line.words.size() < rule->second.minWords || line.words.size() > rule->second.maxWords) {
            error = name + ":" + std::to_string(number) + ": \"" + line.verb + "\" takes " +
                    std::to_string(rule->second.minWords) +
                    (rule->second.maxWords == rule->second.minWords
                         ? ""
                         : " to " + std::to_string(rule->second.maxWords)) +
                    " words";
            return std::nullopt;
        }
        script.lines.push_back(std::move(line));
    }
    return script;
}

std::optional<ScenarioScript> LoadScenario(const std::string& path, std::string& error) {
    auto text = core::readWholeFile(path);
    if (!text) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    return ParseScenario(path, *text, error);
}

bool LooksAtState(const ScenarioLine& line) {
    return line.verb == "dump" || line.verb == "expect" || line.verb == "expect-not";
}

bool NeedsWindow(const ScenarioLine& line) {
    auto rule = VerbRules().find(line.verb);
    return rule != VerbRules().end() && rule->second.needsWindow;
}
