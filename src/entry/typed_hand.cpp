// SPDX-License-Identifier: GPL-3.0-or-later

#include "entry/typed_hand.h"

#include <algorithm>
#include <optional>

#include "model/notation.h"

namespace tenho {

namespace {

// The line as ASCII, with where each character came from: the reader works on
// the folded text, an error points into the line as typed.
struct Folded {
    std::string text;
    std::vector<std::size_t> origin;  // byte offset in the line of text[i]; one more at the end
};

// Bytes of the UTF-8 sequence that starts at line[i] (1 for a stray byte).
std::size_t sequenceLength(std::string_view line, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(line[i]);
    const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + n > line.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

constexpr char kForeign = '\x01';  // stands for a character the notation has no use for

Folded fold(std::string_view line)
{
    Folded f;
    f.text.reserve(line.size());
    f.origin.reserve(line.size() + 1);
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = sequenceLength(line, i);
        char ch = kForeign;
        if (n == 1 && static_cast<unsigned char>(line[i]) < 0x80) {
            ch = line[i];
        } else if (n == 3) {
            const unsigned cp = (static_cast<unsigned char>(line[i]) & 0x0Fu) << 12 |
                                (static_cast<unsigned char>(line[i + 1]) & 0x3Fu) << 6 |
                                (static_cast<unsigned char>(line[i + 2]) & 0x3Fu);
            if (cp == 0x3000) ch = ' ';  // the ideographic space
            // The full-width forms of ASCII, as an input method left switched on types them.
            if (cp >= 0xFF01 && cp <= 0xFF5E) ch = static_cast<char>(cp - 0xFEE0);
        }
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        f.text += ch;
        f.origin.push_back(i);
        i += n;
    }
    f.origin.push_back(line.size());
    return f;
}

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool isTileChar(char ch)
{
    return (ch >= '0' && ch <= '9') || ch == 'm' || ch == 'p' || ch == 's' || ch == 'z';
}

// Neither a blank, a tile nor one of the markers.
bool isForeign(char ch)
{
    return !isBlank(ch) && !isTileChar(ch) && ch != '+' && ch != 'd' && ch != '(' && ch != '[' &&
           ch != ')' && ch != ']';
}

bool allAlike(const std::vector<Code>& t)
{
    return std::all_of(t.begin(), t.end(), [&](Code c) { return c == t[0]; });
}

// Three tiles of one suit in a row, in any order written; sorts them.
bool inARow(std::vector<Code>& t)
{
    std::sort(t.begin(), t.end());
    return t.size() == 3 && isNumberTile(t[0]) && t[1].suit() == t[0].suit() &&
           t[2].suit() == t[0].suit() && t[1].rankValue() == t[0].rankValue() + 1 &&
           t[2].rankValue() == t[0].rankValue() + 2;
}

class Reader {
public:
    Reader(std::string_view line, std::vector<TypedDrop>& drops, TypingError& error)
        : line_(line), f_(fold(line)), drops_(drops), error_(error)
    {
    }

    bool read()
    {
        drops_.clear();
        const std::string& s = f_.text;
        std::size_t i = 0;
        while (i < s.size()) {
            const char ch = s[i];
            if (isBlank(ch)) {
                ++i;
            } else if (isTileChar(ch)) {
                const std::size_t end = run(i);
                // "23x": the letter is the mistake, not the digits before it.
                if (end < s.size() && isForeign(s[end])) return foreign(end);
                if (!tiles(i, end, hand_)) return false;
                i = end;
            } else if (ch == '+') {
                if (!winningTile(i)) return false;
            } else if (ch == 'd') {
                const std::size_t from = skipBlanks(i + 1);
                const std::size_t end = run(from);
                if (end == from) return fail(i, i + 1, "「d」の後にドラ表示牌を書きます");
                if (end < s.size() && isForeign(s[end])) return foreign(end);
                if (!tiles(from, end, dora_)) return false;
                i = end;
            } else if (ch == '(' || ch == '[') {
                if (!meld(i)) return false;
            } else if (ch == ')' || ch == ']') {
                return fail(i, i + 1,
                            std::string("「") + ch + "」の前に「" + (ch == ')' ? '(' : '[') +
                                "」がありません");
            } else {
                return foreign(i);
            }
        }
        for (const TypedDrop& m : melds_) drops_.push_back(m);
        for (Code c : hand_) drops_.push_back({TypedDrop::Target::Hand, paletteIndex(c)});
        if (win_) drops_.push_back({TypedDrop::Target::WinningTile, paletteIndex(*win_)});
        for (Code c : dora_) drops_.push_back({TypedDrop::Target::Dora, paletteIndex(c)});
        return true;
    }

private:
    bool fail(std::size_t from, std::size_t to, std::string reason)
    {
        error_.at = f_.origin[from];
        error_.length = f_.origin[std::max(to, from + 1)] - error_.at;
        error_.reason = std::move(reason);
        drops_.clear();
        return false;
    }

    bool foreign(std::size_t i)
    {
        const std::string_view typed = line_.substr(f_.origin[i], f_.origin[i + 1] - f_.origin[i]);
        // A stray byte cannot be quoted: it is not a character.
        if (typed.size() == 1 && static_cast<unsigned char>(typed[0]) >= 0x80)
            return fail(i, i + 1, "使えない文字があります（牌は 1〜9 と m p s z で書きます）");
        return fail(i, i + 1,
                    "「" + std::string(typed) +
                        "」は使えません（牌は 1〜9 と m p s z で書きます）");
    }

    // End of the tile text that starts at i.
    std::size_t run(std::size_t i) const
    {
        while (i < f_.text.size() && isTileChar(f_.text[i])) ++i;
        return i;
    }

    std::size_t skipBlanks(std::size_t i) const
    {
        while (i < f_.text.size() && isBlank(f_.text[i])) ++i;
        return i;
    }

    // Reads the tiles written in [from, to) onto `out`.
    bool tiles(std::size_t from, std::size_t to, std::vector<Code>& out)
    {
        const std::string_view text = std::string_view(f_.text).substr(from, to - from);
        std::string reason;
        std::size_t at = 0;
        if (parseTiles(text, out, reason, &at)) return true;
        if (at >= text.size()) return fail(from, to, "数字の後に m p s z のどれかを書きます");
        const char ch = text[at];
        if (ch == '0') return fail(from + at, from + at + 1, "0 という牌はありません");
        if (ch >= '1' && ch <= '9')
            return fail(from + at, from + at + 1, "字牌は 1z〜7z です（東南西北白發中）");
        return fail(from + at, from + at + 1, std::string("「") + ch + "」の前に数字がありません");
    }

    // "+" at i, then one tile; `i` moves past it.
    bool winningTile(std::size_t& i)
    {
        const std::size_t plus = i;
        const std::size_t from = skipBlanks(plus + 1);
        const std::size_t end = run(from);
        if (end == from) return fail(plus, plus + 1, "「+」の後に和了牌を書きます");
        if (end < f_.text.size() && isForeign(f_.text[end])) return foreign(end);
        if (win_) return fail(plus, end, "和了牌は1枚です");
        std::vector<Code> t;
        if (!tiles(from, end, t)) return false;
        if (t.size() != 1) return fail(from, end, "和了牌は1枚です");
        win_ = t[0];
        i = end;
        return true;
    }

    // "(" or "[" at i, the tiles and the closing bracket; `i` moves past it.
    bool meld(std::size_t& i)
    {
        const std::size_t open = i;
        const std::string& s = f_.text;
        const bool closed = s[open] == '[';
        const char close = closed ? ']' : ')';
        const std::size_t from = skipBlanks(open + 1);
        const std::size_t to = run(from);
        const std::size_t end = skipBlanks(to);
        if (end >= s.size())
            return fail(open, s.size(), std::string("「") + s[open] + "」が閉じていません");
        if (s[end] != close) {
            if (s[end] == ')' || s[end] == ']')
                return fail(end, end + 1,
                            std::string("「") + s[open] + "」は「" + close + "」で閉じます");
            if (isTileChar(s[end])) return fail(end, end + 1, "鳴き牌は空白を入れずに書きます");
            if (s[end] == '(' || s[end] == '[' || s[end] == '+' || s[end] == 'd')
                return fail(open, end, std::string("「") + s[open] + "」が閉じていません");
            return foreign(end);
        }
        std::vector<Code> t;
        if (from == to) return fail(open, end + 1, "括弧の中に鳴き牌を書きます");
        if (!tiles(from, to, t)) return false;
        TypedDrop drop{TypedDrop::Target::Meld, 0, TypedDrop::Call::None};
        if (closed) {
            if (t.size() != 4 || !allAlike(t))
                return fail(open, end + 1, "[ ] はアンカンです（[1111s] のように同じ牌4枚）");
            drop.call = TypedDrop::Call::Ankan;
        } else if (t.size() == 4 && allAlike(t)) {
            drop.call = TypedDrop::Call::Kan;
        } else if (t.size() == 3 && allAlike(t)) {
            drop.call = TypedDrop::Call::Pon;
        } else if (inARow(t)) {
            drop.call = TypedDrop::Call::Chi;  // the frame takes the lowest tile of a chi
        } else {
            return fail(open, end + 1,
                        "( ) はチー（123m）、ポン（777z）、ミンカン（1111s）のどれかです");
        }
        drop.source = paletteIndex(t[0]);
        melds_.push_back(drop);
        i = end + 1;
        return true;
    }

    std::string_view line_;
    Folded f_;
    std::vector<TypedDrop>& drops_;
    TypingError& error_;
    std::vector<TypedDrop> melds_;
    std::vector<Code> hand_;
    std::optional<Code> win_;
    std::vector<Code> dora_;
};

// Stands in for the host while a typed line is entered: the call dialogs
// answer what was typed; everything else, the beep above all, is the real
// host's.
class TypedAnswers final : public Host {
public:
    explicit TypedAnswers(Host& real) : real_(real) {}

    TypedDrop::Call call = TypedDrop::Call::None;

    void messageBox(std::string_view text) override { real_.messageBox(text); }
    HanNumberButton showHanNumber(const HAN_number& dialog) override
    {
        return real_.showHanNumber(dialog);
    }
    NakiCheckButton showNakiCheck(bool chiVisible) override
    {
        switch (call) {
        case TypedDrop::Call::Chi:
            return chiVisible ? NakiCheckButton::Chi : NakiCheckButton::Cancel;
        case TypedDrop::Call::Pon:
            return NakiCheckButton::Pon;
        case TypedDrop::Call::Kan:
        case TypedDrop::Call::Ankan:
            return NakiCheckButton::Kan;
        case TypedDrop::Call::None:
            break;
        }
        return NakiCheckButton::Cancel;
    }
    KanCheckButton showKanCheck() override
    {
        return call == TypedDrop::Call::Ankan ? KanCheckButton::Ankan : KanCheckButton::Minkan;
    }
    bool showFormOption(form_OPTION& dialog) override { return real_.showFormOption(dialog); }
    void showVerInfo(const VER_info& dialog) override { real_.showVerInfo(dialog); }
    void beep() override { real_.beep(); }
    void shellOpen(std::string_view target, std::string_view workingFolder,
                   bool ownerIsDesktop) override
    {
        real_.shellOpen(target, workingFolder, ownerIsDesktop);
    }

private:
    Host& real_;
};

}  // namespace

bool readTypedHand(std::string_view line, std::vector<TypedDrop>& drops, TypingError& error)
{
    return Reader(line, drops, error).read();
}

std::vector<Entry> enterTypedHand(TENHO& t, const std::vector<TypedDrop>& drops)
{
    TypedAnswers answers(t.host());
    struct Restore {
        TENHO& t;
        Host& host;
        ~Restore() { t.replaceHost(host); }
    } restore{t, t.replaceHost(answers)};

    std::vector<Entry> out;
    out.reserve(drops.size());
    for (const TypedDrop& d : drops) {
        switch (d.target) {
        case TypedDrop::Target::Meld:
            // The next free frame; with four melds formed, the last one, whose
            // handler ignores the drop as it would a person's.
            answers.call = d.call;
            out.push_back(t.formMeld(std::min(t.meldCount() + 1, 4), d.source));
            break;
        case TypedDrop::Target::Hand:
            out.push_back(t.Frame1_DragDrop(d.source));
            break;
        case TypedDrop::Target::WinningTile:
            out.push_back(t.Frame7_DragDrop(d.source));
            break;
        case TypedDrop::Target::Dora:
            out.push_back(t.Frame6_DragDrop(d.source));
            break;
        }
    }
    return out;
}

}  // namespace tenho
