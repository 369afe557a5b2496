#include "platform/profile/ProfileDocument.h"

#include "platform/core/Unicode.h"
#include "platform/profile/ProfileText.h"

namespace profile {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

ProfileDocument ProfileDocument::parse(std::string bytes) {
    ProfileDocument document;
    document.bytes_ = std::move(bytes);
    const core::ByteOrderMark mark = core::detectByteOrderMark(document.bytes_);
    switch (mark.encoding) {
        case core::TextEncoding::utf16le:
        case core::TextEncoding::utf32le:
            // The profile functions know no UTF-32: FF FE 00 00 is UTF-16 text
            // that starts with a zero unit.
            document.encoding_ = Encoding::Utf16Le;
            document.textBegin_ = 2;
            break;
        case core::TextEncoding::utf8:
            document.encoding_ = Encoding::Utf8WithMark;
            document.textBegin_ = mark.length;
            break;
        default:
            break;
    }
    document.splitLines();
    return document;
}

void ProfileDocument::splitLines() {
    lines_.clear();
    decoded_.clear();
    std::size_t unit = encoding_ == Encoding::Utf16Le ? 2 : 1;
    // An odd byte at the end of a UTF-16 file is no character; it stays untouched.
    textEnd_ = bytes_.size() - (bytes_.size() - textBegin_) % unit;
    auto unitAt = [&](std::size_t at) {
        auto low = static_cast<unsigned char>(bytes_[at]);
        return unit == 1 ? low : low | (static_cast<unsigned char>(bytes_[at + 1]) << 8);
    };
    std::size_t begin = textBegin_;
    std::size_t at = textBegin_;
    while (at < textEnd_) {
        unsigned value = unitAt(at);
        if (value != '\r' && value != '\n') {
            at += unit;
            continue;
        }
        std::size_t next = at + unit;
        if (value == '\r' && next < textEnd_ && unitAt(next) == '\n') {
            next += unit;
        }
        addLine(begin, at, next);
        begin = at = next;
    }
    if (begin < textEnd_) {
        addLine(begin, textEnd_, textEnd_);
    }
}

void ProfileDocument::addLine(std::size_t begin, std::size_t end, std::size_t next) {
    Line line{begin, end, next};
    classify(line, decode(begin, end));
    lines_.push_back(line);
}

ProfileDocument::Span ProfileDocument::decode(std::size_t begin, std::size_t end) {
    if (encoding_ != Encoding::Utf16Le) {
        return {begin, end - begin};
    }
    std::u16string units;
    units.reserve((end - begin) / 2);
    for (std::size_t at = begin; at + 1 < end; at += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes_[at]) |
                                       (static_cast<unsigned char>(bytes_[at + 1]) << 8));
    }
    Span span{decoded_.size(), 0};
    decoded_ += core::utf16ToUtf8(units);
    span.size = decoded_.size() - span.at;
    return span;
}

std::string_view ProfileDocument::text(Span span) const {
    const std::string& base = encoding_ == Encoding::Utf16Le ? decoded_ : bytes_;
    return std::string_view(base).substr(span.at, span.size);
}

std::string ProfileDocument::encode(std::string_view text) const {
    if (encoding_ != Encoding::Utf16Le) {
        return std::string(text);
    }
    std::string out;
    for (char16_t unit : core::utf8ToUtf16(text)) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

void ProfileDocument::classify(Line& line, Span span) const {
    std::string_view whole = text(span);
    auto spanOf = [&](std::string_view piece) {
        return Span{span.at + static_cast<std::size_t>(piece.data() - whole.data()), piece.size()};
    };
    std::string_view trimmed = trimBlanks(whole);
    if (trimmed.empty()) {
        line.kind = Kind::Blank;
    } else if (trimmed.front() == ';') {
        line.kind = Kind::Comment;
    } else if (trimmed.front() == '[' && trimmed.find(']') != std::string_view::npos) {
        line.kind = Kind::Header;
        std::size_t close = trimmed.rfind(']');
        line.name = spanOf(trimBlanks(trimmed.substr(1, close - 1)));
    } else if (std::size_t equals = trimmed.find('='); equals != std::string_view::npos) {
        line.kind = Kind::Entry;
        line.name = spanOf(trimBlanks(trimmed.substr(0, equals)));
        line.value = spanOf(trimBlanks(trimmed.substr(equals + 1)));
    }
}

ProfileDocument::Position ProfileDocument::locate(std::string_view section, std::string_view key) const {
    Position position;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Header) {
            if (position.header) {
                break;  // only the first section of a name counts
            }
            if (equalsIgnoringCase(text(line.name), section)) {
                position.header = position.lastContent = i;
            }
            continue;
        }
        if (!position.header || line.kind == Kind::Blank || line.kind == Kind::Comment) {
            continue;
        }
        position.lastContent = i;
        if (line.kind == Kind::Entry && equalsIgnoringCase(text(line.name), key)) {
            position.entry = i;
            break;
        }
    }
    return position;
}

std::optional<std::string> ProfileDocument::find(std::string_view section, std::string_view key) const {
    Position position = locate(trimBlanks(section), trimBlanks(key));
    if (!position.entry) {
        return std::nullopt;
    }
    return std::string(text(lines_[*position.entry].value));
}

bool ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    section = trimBlanks(section);
    key = trimBlanks(key);
    value = trimLeadingBlanks(value);
    std::string entry = std::string(key) + "=" + std::string(value);
    Position position = locate(section, key);
    if (position.entry) {
        const Line& line = lines_[*position.entry];
        if (text(line.value) == value) {
            return false;
        }
        splice(line.begin, line.end - line.begin, encode(entry));
    } else if (position.header) {
        const Line& last = lines_[position.lastContent];
        std::string inserted = entry + std::string(kLineBreak);
        if (last.next == last.end) {
            inserted = std::string(kLineBreak) + inserted;
        }
        splice(last.next, 0, encode(inserted));
    } else {
        std::string appended =
            "[" + std::string(section) + "]" + std::string(kLineBreak) + entry + std::string(kLineBreak);
        if (endsUnterminated()) {
            appended = std::string(kLineBreak) + appended;
        }
        splice(textEnd_, 0, encode(appended));
    }
    return true;
}

bool ProfileDocument::endsUnterminated() const {
    return !lines_.empty() && lines_.back().next == lines_.back().end;
}

void ProfileDocument::splice(std::size_t at, std::size_t length, std::string_view text) {
    bytes_.replace(at, length, text);
    splitLines();
}

}  // namespace profile
