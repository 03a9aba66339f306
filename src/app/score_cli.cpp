// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/score_cli.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/notation.h"
#include "model/tenho.h"

namespace tenho::cli {

namespace {

constexpr std::string_view kBoxOptions[5] = {"--riichi", "--double-riichi", "--ippatsu",
                                             "--first-turn", "--haitei"};

std::string quoted(std::string_view text)
{
    std::string out = "'";
    out += text;
    out += "'";
    return out;
}

std::string tileLabel(Code c) { return tileNotation(c) + " (" + tileName(c) + ")"; }

int windIndex(std::string_view text)
{
    if (text == "E" || text == "e") return 0;
    if (text == "S" || text == "s") return 1;
    if (text == "W" || text == "w") return 2;
    if (text == "N" || text == "n") return 3;
    return -1;
}

bool isChi(const std::vector<Code>& t)
{
    return t.size() == 3 && isNumberTile(t[0]) && t[1].suit() == t[0].suit() &&
           t[2].suit() == t[0].suit() && t[1].value() == t[0].value() + 1 &&
           t[2].value() == t[0].value() + 2;
}

bool allEqual(const std::vector<Code>& t, std::size_t n)
{
    return t.size() == n && std::all_of(t.begin(), t.end(), [&](Code c) { return c == t[0]; });
}

// The host of a headless replay: answers the dialogs as the hand says and
// remembers what the calculator showed.
class ReplayHost final : public Host {
public:
    // Ready for the next hand.
    void start(const HandOptions& options)
    {
        options_ = &options;
        pendingMeld = MeldKind::Chi;
        chiWasHidden = false;
        beeps = 0;
        message.reset();
        shown.reset();
    }

    void messageBox(std::string_view text) override
    {
        if (!message) message = std::string(text);
    }
    HanNumberButton showHanNumber(const HAN_number& dialog) override
    {
        if (!shown) shown = dialog;
        return HanNumberButton::Command1;
    }
    int showNakiCheck(bool chiVisible) override
    {
        chiWasHidden = false;
        switch (pendingMeld) {
        case MeldKind::Chi:
            if (!chiVisible) {
                chiWasHidden = true;
                return 3;
            }
            return 0;
        case MeldKind::Pon:
            return 1;
        case MeldKind::Kan:
        case MeldKind::Ankan:
            return 2;
        }
        return 3;
    }
    int showKanCheck() override { return pendingMeld == MeldKind::Ankan ? 0 : 1; }
    bool showFormOption(form_OPTION& dialog) override
    {
        dialog.Option1 = options_->kuitan ? 0 : 1;
        dialog.Option3 = options_->renhou ? 0 : 1;
        return true;
    }
    void showVerInfo(const VER_info&) override {}
    void beep() override { ++beeps; }
    void shellOpen(std::string_view, std::string_view, bool) override {}

    MeldKind pendingMeld = MeldKind::Chi;
    bool chiWasHidden = false;
    int beeps = 0;
    std::optional<std::string> message;
    std::optional<HAN_number> shown;

private:
    const HandOptions* options_ = nullptr;
};

std::string meldOption(MeldKind kind)
{
    switch (kind) {
    case MeldKind::Chi:
        return "--chi";
    case MeldKind::Pon:
        return "--pon";
    case MeldKind::Kan:
        return "--kan";
    case MeldKind::Ankan:
        return "--ankan";
    }
    return {};
}

// Copies of c on the table: hand, melds, winning tile and indicators.
int copiesOnTable(const TENHO& t, Code c)
{
    int n = t.Text1 == c ? 1 : 0;
    for (const TileList& list : t.List)
        for (int i = 0; i < list.count(); ++i) n += list.item(i) == c ? 1 : 0;
    for (int i = 0; i < t.List2.count(); ++i) n += t.List2.item(i) == c ? 1 : 0;
    return n;
}

// Why the call dialog's choice was refused with a beep: the tile that would
// be on the table a fifth time.
std::string meldRefusal(const TENHO& t, const MeldOption& m)
{
    const int adds = m.kind == MeldKind::Chi ? 1 : m.kind == MeldKind::Pon ? 3 : 4;
    const char* call = m.kind == MeldKind::Chi   ? "the chi adds one"
                       : m.kind == MeldKind::Pon ? "the pon adds three"
                                                 : "the kan adds four";
    for (Code c : m.tiles) {
        const int n = copiesOnTable(t, c);
        if (n + adds > 4)
            return "refused with a beep: " + tileLabel(c) + " is on the table " +
                   std::to_string(n) + (n == 1 ? " time" : " times") + " already and " + call +
                   " (four at most)";
    }
    return "refused with a beep (four of a kind at most)";
}

// Why a situation box was disabled when the hand's option clicked it.
std::string boxRefusal(const TENHO& t, const HandOptions& options, int box)
{
    if (box <= 3) {
        for (int k = 1; k <= t.meldCount(); ++k) {
            if (t.meldIsClosedKan(k)) continue;
            const MeldOption& m = options.melds[static_cast<std::size_t>(k - 1)];
            return "not available after an open meld (" + meldOption(m.kind) + " " +
                   quoted(m.text) + ")";
        }
    }
    if (box == 2 && t.C_OPTION[0].value == 0 && t.C_OPTION[1].value == 0)
        return "only available with --riichi or --double-riichi";
    std::string with;
    for (int b = 0; b < box; ++b) {
        if (!options.boxes[b] || t.C_OPTION[static_cast<std::size_t>(b)].value == 0) continue;
        if (!with.empty()) with += ", ";
        with += kBoxOptions[b];
    }
    if (!with.empty()) return "not available together with " + with;
    return "not available in this situation";
}

Outcome errorOutcome(std::string text)
{
    Outcome o;
    o.kind = Outcome::Kind::Error;
    o.message = std::move(text);
    return o;
}

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (unsigned char ch : text) {
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (ch < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", ch);
                out += buf;
            } else {
                out += static_cast<char>(ch);
            }
        }
    }
    out += '"';
}

std::string fontSizeText(double size)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", size);
    std::string text = buf;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace

ParseResult parseOptions(const std::vector<std::string_view>& args)
{
    ParseResult r;
    HandOptions& s = r.options;
    bool roundSet = false;
    bool seatSet = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view opt = args[i];
        const auto argument = [&](std::string_view& value) -> bool {
            if (i + 1 >= args.size() || args[i + 1].starts_with("--")) {
                r.error = std::string(opt) + ": missing argument";
                return false;
            }
            value = args[++i];
            return true;
        };
        const auto tiles = [&](std::string_view value, std::vector<Code>& into) -> bool {
            std::string reason;
            if (!parseTiles(value, into, reason)) {
                r.error = std::string(opt) + " " + quoted(value) + ": " + reason;
                return false;
            }
            return true;
        };
        std::string_view value;
        if (opt == "--hand") {
            if (!argument(value) || !tiles(value, s.hand)) return r;
            if (!s.handText.empty()) s.handText += ' ';
            s.handText += value;
        } else if (opt == "--win") {
            if (!argument(value)) return r;
            std::vector<Code> t;
            if (!tiles(value, t)) return r;
            if (t.size() != 1) {
                r.error = "--win " + quoted(value) + ": exactly one tile expected";
                return r;
            }
            if (s.win) {
                r.error = "--win: given more than once";
                return r;
            }
            s.win = t[0];
        } else if (opt == "--chi" || opt == "--pon" || opt == "--kan" || opt == "--ankan") {
            if (!argument(value)) return r;
            MeldOption m;
            m.kind = opt == "--chi"   ? MeldKind::Chi
                     : opt == "--pon" ? MeldKind::Pon
                     : opt == "--kan" ? MeldKind::Kan
                                      : MeldKind::Ankan;
            m.text = std::string(value);
            if (!tiles(value, m.tiles)) return r;
            std::sort(m.tiles.begin(), m.tiles.end());
            const bool ok = m.kind == MeldKind::Chi   ? isChi(m.tiles)
                            : m.kind == MeldKind::Pon ? allEqual(m.tiles, 3)
                                                      : allEqual(m.tiles, 4);
            if (!ok) {
                const char* shape = m.kind == MeldKind::Chi
                                        ? "a chi is three tiles of one suit in sequence"
                                    : m.kind == MeldKind::Pon ? "a pon is three equal tiles"
                                                              : "a kan is four equal tiles";
                r.error = std::string(opt) + " " + quoted(value) + ": not a meld of this kind (" +
                          shape + ")";
                return r;
            }
            if (s.melds.size() >= 4) {
                r.error = std::string(opt) + " " + quoted(value) + ": at most four melds";
                return r;
            }
            s.melds.push_back(std::move(m));
        } else if (opt == "--dora") {
            if (!argument(value) || !tiles(value, s.dora)) return r;
            if (!s.doraText.empty()) s.doraText += ' ';
            s.doraText += value;
        } else if (opt == "--tsumo") {
            s.tsumo = true;
        } else if (opt == "--ron") {
            s.ron = true;
        } else if (opt == "--round" || opt == "--seat") {
            if (!argument(value)) return r;
            const int w = windIndex(value);
            if (w < 0) {
                r.error = std::string(opt) + " " + quoted(value) + ": expected E, S, W or N";
                return r;
            }
            bool& set = opt == "--round" ? roundSet : seatSet;
            if (set) {
                r.error = std::string(opt) + ": given more than once";
                return r;
            }
            set = true;
            (opt == "--round" ? s.round : s.seat) = w;
        } else if (opt == "--kuitan") {
            s.kuitan = true;
        } else if (opt == "--renhou") {
            s.renhou = true;
        } else if (opt == "--json") {
            s.json = true;
        } else if (opt == "--help" || opt == "-h") {
            s.help = true;
        } else if (opt == "--batch") {
            s.batch = true;
        } else {
            bool box = false;
            for (int b = 0; b < 5; ++b)
                if (opt == kBoxOptions[b]) {
                    s.boxes[b] = true;
                    box = true;
                }
            if (!box) {
                r.error = std::string(opt) + ": unknown option (see --help)";
                return r;
            }
        }
    }
    if (s.tsumo && s.ron) r.error = "--tsumo, --ron: only one win kind may be given";
    return r;
}

Outcome score(const HandOptions& options)
{
    // One calculator a thread, started afresh for every hand: building the
    // window's model anew took longer than scoring the hand on it.
    struct Calculator {
        ReplayHost host;
        TENHO t{host};
    };
    thread_local Calculator calculator;
    ReplayHost& host = calculator.host;
    TENHO& t = calculator.t;
    host.start(options);
    t.restart();
    t.Form_Load();
    t.SYSTEM_Click();

    for (std::size_t k = 1; k <= options.melds.size(); ++k) {
        const MeldOption& m = options.melds[k - 1];
        const auto where = [&m] { return meldOption(m.kind) + " " + quoted(m.text) + ": "; };
        host.pendingMeld = m.kind;
        const int beeps = host.beeps;
        const Entry e = t.formMeld(static_cast<int>(k), paletteIndex(m.tiles[0]));
        if (e != Entry::Accepted) {
            if (host.chiWasHidden)
                return errorOutcome(where() + "チー is not offered for this tile");
            if (host.beeps > beeps) return errorOutcome(where() + meldRefusal(t, m));
            return errorOutcome(where() + "the meld was not formed");
        }
    }

    const int concealedLimit = 13 - 3 * static_cast<int>(options.melds.size());
    for (Code c : options.hand) {
        const Entry e = t.Frame1_DragDrop(paletteIndex(c));
        if (e == Entry::Refused)
            return errorOutcome("--hand " + quoted(options.handText) + ": a fifth " + tileLabel(c) +
                                " is refused (four are on the table already)");
        if (e == Entry::Ignored)
            return errorOutcome("--hand " + quoted(options.handText) +
                                ": too many concealed tiles (" + std::to_string(concealedLimit) +
                                " at most with " + std::to_string(options.melds.size()) +
                                (options.melds.size() == 1 ? " meld)" : " melds)"));
    }

    if (options.win) {
        if (t.Frame7_DragDrop(paletteIndex(*options.win)) != Entry::Accepted)
            return errorOutcome("--win " + tileLabel(*options.win) +
                                ": refused (four are on the table already)");
    }

    for (int b = 0; b < 5; ++b) {
        if (!options.boxes[b]) continue;
        if (t.clickC_OPTION(b) != Entry::Accepted)
            return errorOutcome(std::string(kBoxOptions[b]) + ": the box " +
                                std::string(TENHO::kC_OPTIONCaptions[static_cast<std::size_t>(b)]) +
                                " is disabled: " + boxRefusal(t, options, b));
    }

    for (Code c : options.dora) {
        const Entry e = t.Frame6_DragDrop(paletteIndex(c));
        if (e == Entry::Refused)
            return errorOutcome("--dora " + quoted(options.doraText) + ": a fifth " + tileLabel(c) +
                                " is refused (four are on the table already)");
        if (e == Entry::Ignored)
            return errorOutcome(
                "--dora " + quoted(options.doraText) +
                ": too many indicators (four, or eight with リーチ, ダブリー or 一発)");
    }

    if (options.tsumo) t.selectTUMO_END();
    if (options.ron) t.selectRON_END();
    t.B_list = static_cast<Integer>(options.round);
    t.I_list = static_cast<Integer>(options.seat);

    t.cmdKEISAN_Click();

    Outcome o;
    if (host.shown) {
        o.kind = Outcome::Kind::Dialog;
        o.dialog = *host.shown;
    } else if (host.message) {
        o.kind = Outcome::Kind::Message;
        o.message = *host.message;
    } else {
        return errorOutcome("計算: no result was shown");
    }
    return o;
}

std::string toJson(const Outcome& o)
{
    std::string out;
    out.reserve(256);
    switch (o.kind) {
    case Outcome::Kind::Dialog: {
        const HAN_number& d = o.dialog;
        out += "{\"Label1\": ";
        appendJsonString(out, d.Label1);
        out += ", \"Label2\": ";
        appendJsonString(out, d.Label2);
        out += ", \"Label3\": ";
        appendJsonString(out, d.Label3);
        out += ", \"Label4\": ";
        appendJsonString(out, d.Label4);
        out += ", \"Label5\": ";
        appendJsonString(out, d.Label5);
        out += ", \"Label4FontSize\": ";
        out += fontSizeText(d.Label4FontSize);
        out += ", \"Label5Visible\": ";
        out += d.Label5Visible ? "true" : "false";
        out += "}";
        break;
    }
    case Outcome::Kind::Message:
        out += "{\"message\": ";
        appendJsonString(out, o.message);
        out += "}";
        break;
    case Outcome::Kind::Error:
        out += "{\"error\": ";
        appendJsonString(out, o.message);
        out += "}";
        break;
    }
    return out;
}

std::string toPlain(const Outcome& o, bool oneLine)
{
    if (o.kind == Outcome::Kind::Message) return o.message;
    if (o.kind == Outcome::Kind::Error) return "error: " + o.message;

    const HAN_number& d = o.dialog;
    std::vector<std::string> lines;
    const auto names = splitLines(d.Label1);
    const auto hans = splitLines(d.Label2);
    for (std::size_t i = 0; i < std::max(names.size(), hans.size()); ++i) {
        std::string line(i < names.size() ? names[i] : std::string_view());
        if (i < hans.size() && !hans[i].empty()) {
            line += "　";
            line += hans[i];
        }
        lines.push_back(line);
    }
    if (!d.Label3.empty() && d.Label3 != d.Label2) lines.push_back(d.Label3);
    if (d.Label5Visible && !d.Label5.empty()) lines.push_back(d.Label5);
    if (!d.Label4.empty()) lines.push_back(d.Label4);

    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += oneLine ? " / " : "\n";
        out += lines[i];
    }
    return out;
}

std::string usage()
{
    return "usage: tenho-score [--json] OPTION...      score one hand given by the options\n"
           "       tenho-score --batch [--json]        one hand per line of standard input\n"
           "\n"
           "Tiles: digits followed by a suit letter, e.g. 123m456p789s11z\n"
           "  m 萬子 1-9, s 索子 1-9, p 筒子 1-9, z 1 東 2 南 3 西 4 北 5 白 6 發 7 中\n"
           "\n"
           "Options:\n"
           "  --hand TILES        the concealed tiles, without the winning tile\n"
           "  --win TILE          the winning tile\n"
           "  --chi TILES         a called chi (e.g. 345p)\n"
           "  --pon TILES         a called pon (e.g. 555z)\n"
           "  --kan TILES         an open kan (ミンカン)\n"
           "  --ankan TILES       a closed kan (アンカン)\n"
           "  --dora TILES        the dora indicators, in the order entered\n"
           "  --tsumo, --ron      win kind (ロン when neither is given)\n"
           "  --round E|S|W|N     prevailing wind\n"
           "  --seat E|S|W|N      seat wind (E is the dealer)\n"
           "  --riichi, --double-riichi, --ippatsu, --first-turn, --haitei\n"
           "                      the situation boxes\n"
           "  --kuitan            house rule 食いタン あり\n"
           "  --renhou            house rule 連和 あり\n"
           "  --json              one JSON object per hand\n"
           "  --help              this text\n"
           "\n"
           "Exit status: 0 when a result or a message was printed, 2 on an error.\n";
}

namespace {

std::vector<std::string_view> splitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

void write(std::FILE* f, const std::string& text) { std::fwrite(text.data(), 1, text.size(), f); }

}  // namespace

int run(const std::vector<std::string_view>& args, std::FILE* in, std::FILE* out, std::FILE* err)
{
    const ParseResult top = parseOptions(args);
    if (top.error.empty() && top.options.help) {
        write(out, usage());
        return 0;
    }
    if (!top.error.empty() || !top.options.batch) {
        Outcome o;
        if (!top.error.empty()) {
            o = errorOutcome(top.error);
        } else {
            o = score(top.options);
        }
        const bool json = top.options.json;
        if (o.kind == Outcome::Kind::Error && !json) {
            write(err, "tenho-score: " + o.message + "\n");
        } else {
            write(out, (json ? toJson(o) : toPlain(o, false)) + "\n");
        }
        return o.kind == Outcome::Kind::Error ? 2 : 0;
    }

    // Batch: only --json may accompany --batch on the command line.
    for (std::string_view a : args) {
        if (a != "--batch" && a != "--json") {
            write(err, "tenho-score: " + std::string(a) +
                           ": not allowed with --batch (give the hands on standard input)\n");
            return 2;
        }
    }
    const bool json = top.options.json;
    int status = 0;
    std::string line;
    std::string buffer;
    buffer.reserve(1 << 16);
    int ch = 0;
    bool more = true;
    while (more) {
        line.clear();
        while ((ch = std::fgetc(in)) != EOF && ch != '\n') line += static_cast<char>(ch);
        more = ch != EOF;
        if (!more && line.empty()) break;
        const auto words = splitWords(line);
        if (words.empty() || words[0].starts_with("#")) continue;
        ParseResult r = parseOptions(words);
        Outcome o;
        if (!r.error.empty())
            o = errorOutcome(r.error);
        else if (r.options.batch || r.options.help)
            o = errorOutcome(std::string(r.options.batch ? "--batch" : "--help") +
                             ": not allowed on a batch line");
        else
            o = score(r.options);
        if (o.kind == Outcome::Kind::Error) status = 2;
        buffer += (json || r.options.json) ? toJson(o) : toPlain(o, true);
        buffer += '\n';
        if (buffer.size() > (1 << 15)) {
            write(out, buffer);
            buffer.clear();
        }
    }
    write(out, buffer);
    std::fflush(out);
    return status;
}

}  // namespace tenho::cli
