// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/output.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "model/notation.h"
#include "model/utf8.h"

namespace tenho::cli {

namespace {

// The answers are written straight into the output: each piece reserves the
// most it can take and writes through a pointer.

// As JSON, every byte of a text takes at most six ("\u001f"); the quotes two.
constexpr std::size_t jsonRoom(std::size_t bytes) { return 6 * bytes + 2; }

template <std::size_t N> char* put(char* at, const char (&text)[N])
{
    std::memcpy(at, text, N - 1);
    return at + N - 1;
}

char* put(char* at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

enum ByteClass : std::uint8_t { kAsIs, kEscaped, kMultiByte };

constexpr auto kClassOf = [] {
    std::array<ByteClass, 256> c{};
    for (int b = 0; b < 0x20; ++b) c[static_cast<std::size_t>(b)] = kEscaped;
    c['"'] = kEscaped;
    c['\\'] = kEscaped;
    for (int b = 0x80; b < 0x100; ++b) c[static_cast<std::size_t>(b)] = kMultiByte;
    return c;
}();

// A text that is well-formed UTF-8 and holds no control character but CR,
// LF and tab (every label the calculator writes) is written in one pass
// that decides nothing byte by byte: each byte is written as itself or as
// its two-character escape, while a state machine follows the UTF-8 and a
// flag notes any other control character. Any other text is written again,
// piece by piece.
//
// The UTF-8 state machine: bytes by class, then the next state for a state
// and a class; 0 accepts, 12 rejects for good. Well-formed is what
// utf8PieceAt calls valid (no overlong forms, no surrogates, nothing past
// U+10FFFF).
constexpr std::uint8_t kUtf8[] = {
    // clang-format off
    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,
    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,
    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,
    0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0, 0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,
    1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1, 9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,
    7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7, 7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,7,
    8,8,2,2,2,2,2,2,2,2,2,2,2,2,2,2, 2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,2,
    10,3,3,3,3,3,3,3,3,3,3,3,3,4,3,3, 11,6,6,6,5,8,8,8,8,8,8,8,8,8,8,8,
    0,12,24,36,60,96,84,12,12,12,48,72, 12,12,12,12,12,12,12,12,12,12,12,12,
    12,0,12,12,12,12,12,0,12,0,12,12, 12,24,12,12,12,12,12,24,12,24,12,12,
    12,12,12,12,12,12,12,24,12,12,12,12, 12,24,12,12,12,12,12,12,12,24,12,12,
    12,12,12,12,12,12,12,36,12,36,12,12, 12,36,12,12,12,12,12,36,12,36,12,12,
    12,36,12,12,12,12,12,12,12,12,12,12,
    // clang-format on
};

// Each byte as itself or its escape: the two characters, and how many of
// them count; 0 for a control character that needs the long escape.
struct Escape {
    char text[2];
    std::uint8_t length;
};

constexpr auto kEscapeOf = [] {
    std::array<Escape, 256> e{};
    for (int b = 0; b < 256; ++b)
        e[static_cast<std::size_t>(b)] = {{static_cast<char>(b), '\0'},
                                          b < 0x20 ? std::uint8_t{0} : std::uint8_t{1}};
    e['"'] = {{'\\', '"'}, 2};
    e['\\'] = {{'\\', '\\'}, 2};
    e['\r'] = {{'\\', 'r'}, 2};
    e['\n'] = {{'\\', 'n'}, 2};
    e['\t'] = {{'\\', 't'}, 2};
    return e;
}();

char* putJsonStringByPieces(char* at, std::string_view text);

char* putJsonString(char* at, std::string_view text)
{
    char* const start = at;
    *at++ = '"';
    unsigned state = 0;
    bool control = false;
    for (char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        state = kUtf8[256 + state + kUtf8[b]];
        const Escape& e = kEscapeOf[b];
        std::memcpy(at, e.text, 2);
        at += e.length;
        control = control || e.length == 0;
    }
    if (state != 0 || control) return putJsonStringByPieces(start, text);
    *at++ = '"';
    return at;
}

char* putJsonStringByPieces(char* at, std::string_view text)
{
    *at++ = '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto ch = static_cast<unsigned char>(text[i]);
        switch (kClassOf[ch]) {
        case kAsIs:
            *at++ = static_cast<char>(ch);
            ++i;
            break;
        case kMultiByte: {
            const Utf8Piece p = utf8PieceAt(text, i);
            if (p.valid) {
                for (std::size_t k = 0; k < p.size; ++k) *at++ = text[i + k];
            } else {
                at = put(at, kReplacementCharacter);
            }
            i += p.size;
            break;
        }
        case kEscaped:
            ++i;
            *at++ = '\\';
            switch (ch) {
            case '"':
            case '\\':
                *at++ = static_cast<char>(ch);
                break;
            case '\r':
                *at++ = 'r';
                break;
            case '\n':
                *at++ = 'n';
                break;
            case '\t':
                *at++ = 't';
                break;
            default: {
                constexpr char kHex[] = "0123456789abcdef";
                at = put(at, "u00");
                *at++ = kHex[ch >> 4];
                *at++ = kHex[ch & 15];
            }
            }
            break;
        }
    }
    *at++ = '"';
    return at;
}

void appendJsonString(TextBuffer& out, std::string_view text)
{
    out.setEnd(putJsonString(out.room(jsonRoom(text.size())), text));
}

// "%.2f" without its trailing zeros (and point). The dialog's sizes are
// quarters of a point, written exactly without a call.
constexpr std::size_t kFontSizeRoom = 32;

char* putFontSize(char* at, double size)
{
    const double quarters = size * 4;
    if (quarters >= 0 && quarters < 4e6 && quarters == std::floor(quarters)) {
        const auto q = static_cast<long>(quarters);
        char digits[16];
        int n = 0;
        long whole = q / 4;
        do {
            digits[n++] = static_cast<char>('0' + whole % 10);
            whole /= 10;
        } while (whole != 0);
        while (n > 0) *at++ = digits[--n];
        static constexpr std::string_view kQuarters[] = {"", ".25", ".5", ".75"};
        return put(at, kQuarters[q % 4]);
    }
    char buf[kFontSizeRoom];
    std::snprintf(buf, sizeof buf, "%.2f", size);
    std::string_view text = buf;
    while (!text.empty() && text.back() == '0') text.remove_suffix(1);
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    return put(at, text);
}

std::size_t dialogRoom(const HAN_number& d)
{
    return jsonRoom(d.Label1.size()) + jsonRoom(d.Label2.size()) + jsonRoom(d.Label3.size()) +
           jsonRoom(d.Label4.size()) + jsonRoom(d.Label5.size()) + kFontSizeRoom + 128;
}

char* putDialogJson(char* at, const HAN_number& d)
{
    at = put(at, "{\"Label1\": ");
    at = putJsonString(at, d.Label1);
    at = put(at, ", \"Label2\": ");
    at = putJsonString(at, d.Label2);
    at = put(at, ", \"Label3\": ");
    at = putJsonString(at, d.Label3);
    at = put(at, ", \"Label4\": ");
    at = putJsonString(at, d.Label4);
    at = put(at, ", \"Label5\": ");
    at = putJsonString(at, d.Label5);
    at = put(at, ", \"Label4FontSize\": ");
    at = putFontSize(at, d.Label4FontSize);
    at = d.Label5Visible ? put(at, ", \"Label5Visible\": true}")
                         : put(at, ", \"Label5Visible\": false}");
    return at;
}

void appendDialogJson(TextBuffer& out, const HAN_number& d)
{
    out.setEnd(putDialogJson(out.room(dialogRoom(d)), d));
}

// The lines of a label: the pieces between its CR LFs, with none after a
// CR LF at the end.
class LabelLines {
public:
    explicit LabelLines(std::string_view text) : rest_(text) {}
    bool next(std::string_view& line)
    {
        if (rest_.empty()) return false;
        const std::size_t end = rest_.find("\r\n");
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 2);
        return true;
    }

private:
    std::string_view rest_;
};

}  // namespace

void appendJson(TextBuffer& out, const Outcome& o)
{
    switch (o.kind) {
    case Outcome::Kind::Dialog:
        appendDialogJson(out, o.dialog);
        break;
    case Outcome::Kind::Message:
        out += "{\"message\": ";
        appendJsonString(out, o.message);
        out += '}';
        break;
    case Outcome::Kind::Waits:
        out += "{\"waits\": [";
        for (std::size_t i = 0; i < o.waits.size(); ++i) {
            const Wait& w = o.waits[i];
            if (i > 0) out += ", ";
            out += "{\"win\": ";
            appendJsonString(out, tileNotation(w.tile));
            out += ", \"ron\": ";
            appendDialogJson(out, w.ron);
            out += ", \"tsumo\": ";
            appendDialogJson(out, w.tsumo);
            out += '}';
        }
        out += "]}";
        break;
    case Outcome::Kind::Error:
        out += "{\"error\": ";
        appendJsonString(out, o.message);
        out += '}';
        break;
    }
}

std::string toJson(const Outcome& o)
{
    TextBuffer out;
    appendJson(out, o);
    return std::string(out.view());
}

void appendPlain(TextBuffer& out, const Outcome& o, bool oneLine)
{
    // --waits answers in JSON whatever else is asked for.
    if (o.kind == Outcome::Kind::Waits) {
        appendJson(out, o);
        return;
    }
    if (o.kind == Outcome::Kind::Message || o.kind == Outcome::Kind::Error) {
        if (o.kind == Outcome::Kind::Error) out += "error: ";
        appendValidUtf8(out, o.message);
        return;
    }

    // One line per yaku (name and han side by side), then the total unless
    // it is the han column itself, the fu, the payment.
    const HAN_number& d = o.dialog;
    const std::string_view separator = oneLine ? " / " : "\n";
    bool first = true;
    const auto line = [&](std::string_view a, std::string_view b = {}) {
        if (!first) out += separator;
        first = false;
        out += a;
        if (!b.empty()) {
            out += "　";
            out += b;
        }
    };
    LabelLines names(d.Label1);
    LabelLines hans(d.Label2);
    for (;;) {
        std::string_view name, han;
        const bool more = names.next(name);
        if (!hans.next(han) && !more) break;
        line(name, han);
    }
    if (!d.Label3.empty() && d.Label3 != d.Label2) line(d.Label3);
    if (d.Label5Visible && !d.Label5.empty()) line(d.Label5);
    if (!d.Label4.empty()) line(d.Label4);
}

std::string toPlain(const Outcome& o, bool oneLine)
{
    TextBuffer out;
    appendPlain(out, o, oneLine);
    return std::string(out.view());
}

}  // namespace tenho::cli
