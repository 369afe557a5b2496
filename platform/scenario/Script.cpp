#include "platform/scenario/Script.h"

#include <sstream>

#include "platform/core/AtomicFile.h"
#include "platform/scenario/Verbs.h"

namespace scenario {

std::optional<std::vector<std::string>> splitWords(const std::string& line) {
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

std::optional<Script> parseScript(const std::string& name, const std::string& text, const VerbTable& verbs,
                                  std::string& error) {
    Script script{name, {}};
    std::istringstream in(text);
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        auto words = splitWords(raw);
        if (!words) {
            error = name + ":" + std::to_string(number) + ": a quote is not closed";
            return std::nullopt;
        }
        if (words->empty()) {
            continue;
        }
        Line line{number, words->front(), {words->begin() + 1, words->end()}};
        const Verb* rule = verbs.find(line.verb);
        if (rule == nullptr) {
            error = name + ":" + std::to_string(number) + ": unknown command \"" + line.verb + "\"";
            return std::nullopt;
        }
        if (line.words.size() < rule->minWords || line.words.size() > rule->maxWords) {
            error = name + ":" + std::to_string(number) + ": \"" + line.verb + "\" takes " +
                    std::to_string(rule->minWords) +
                    (rule->maxWords == rule->minWords ? "" : " to " + std::to_string(rule->maxWords)) +
                    " words";
            return std::nullopt;
        }
        script.lines.push_back(std::move(line));
    }
    return script;
}

std::optional<Script> loadScript(const std::string& path, const VerbTable& verbs, std::string& error) {
    auto text = core::readWholeFile(path);
    if (!text) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    return parseScript(path, *text, verbs, error);
}

}  // namespace scenario
