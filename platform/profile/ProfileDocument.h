#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

// One INI file as its bytes plus where each line lies in them. Look-ups follow
// the private-profile rules (names without regard to letter case, text
// trimmed); edits splice new lines into the bytes, so every line they do not
// touch stays exactly as it was, in the file's own encoding.
class ProfileDocument {
public:
    enum class Encoding { EightBit, Utf8WithMark, Utf16Le };

    // Reads any bytes: FF FE starts a UTF-16LE file, EF BB BF a UTF-8 one with
    // its mark kept; everything else is 8-bit text taken as UTF-8.
    static ProfileDocument parse(std::string bytes);

    Encoding encoding() const { return encoding_; }
    const std::string& bytes() const { return bytes_; }

    // The trimmed value of the first matching key in the first matching
    // section, quotes still on; nullopt when the section or the key is missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    // Stores `key=value` under `section`: replaces the first matching key in
    // place, or adds the key after the section's last entry, or appends the
    // section at the end. Names are trimmed and the value loses its leading
    // blanks. False when nothing had to change.
    bool set(std::string_view section, std::string_view key, std::string_view value);

private:
    enum class Kind { Blank, Comment, Header, Entry, Other };

    // A piece of the decoded text: the bytes themselves for 8-bit files, the
    // UTF-8 form of a UTF-16 file otherwise.
    struct Span {
        std::size_t at = 0;
        std::size_t size = 0;
    };

    struct Line {
        std::size_t begin = 0;  // first byte of the line's text
        std::size_t end = 0;    // one past its text, before the line break
        std::size_t next = 0;   // one past the line break
        Kind kind = Kind::Other;
        Span name;   // section name of a header, key of an entry (trimmed)
        Span value;  // value of an entry (trimmed)
    };

    struct Position {
        std::optional<std::size_t> header;  // line index of the section header
        std::optional<std::size_t> entry;   // line index of the key
        std::size_t lastContent = 0;        // last non-blank, non-comment line of the section
    };

    void splitLines();
    void addLine(std::size_t begin, std::size_t end, std::size_t next);
    Span decode(std::size_t begin, std::size_t end);
    std::string_view text(Span span) const;
    std::string encode(std::string_view text) const;
    void classify(Line& line, Span text) const;
    Position locate(std::string_view section, std::string_view key) const;
    void splice(std::size_t at, std::size_t length, std::string_view text);
    bool endsUnterminated() const;

    Encoding encoding_ = Encoding::EightBit;
    std::string bytes_;
    std::size_t textBegin_ = 0;  // after the byte-order mark
    std::size_t textEnd_ = 0;    // end of the last whole character unit
    std::string decoded_;        // UTF-8 text of a UTF-16 file
    std::vector<Line> lines_;
};

}  // namespace profile
