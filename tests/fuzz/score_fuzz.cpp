// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over tenho-score's whole entry, cli::run: the words of a
// command line and the batch input. An input is the command line on its
// first line (words split at single blanks, so empty words occur too) and
// standard input after it.
//
// Each input runs twice: once with --json added (at the front or the end, so
// that it never comes between an option and its value), read in small
// pieces as from a pipe; once as it stands, read whole. Besides crashes and
// sanitizer reports, it stops on:
// - an output line that is not one JSON object in valid UTF-8 (--json run),
//   or plain output that is not valid UTF-8;
// - anything on standard error of the --json run;
// - an exit status other than 0 (every hand answered) or 2 (some answer an
//   error), or a status that differs between the two runs;
// - a number of answers other than one per hand: one line for a command
//   line, one per line of a batch that is neither blank nor a comment;
// - a batch answer that differs from the answer to the same words as a
//   command line of their own (hands are scored one after another on one
//   calculator: none may depend on the one before), --waits of the batch's
//   command line included.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/score_cli.h"
#include "model/utf8.h"

namespace {

using namespace tenho;

[[noreturn]] void fail(const char* what, std::string_view detail)
{
    std::fprintf(stderr, "score_fuzz: %s: %.*s\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// A strict reader of the JSON the scorer writes: one object on one line, of
// strings, numbers and booleans, and for --waits arrays of such objects.
class JsonLine {
public:
    explicit JsonLine(std::string_view text) : s_(text) {}

    // hasError: the object has a key "error" (nested objects do not count).
    bool object(bool& hasError) { return members(&hasError, 0) && done(); }

private:
    static constexpr int kMaxDepth = 4;

    bool members(bool* hasError, int depth)
    {
        if (!take('{')) return false;
        if (take('}')) return true;
        do {
            std::string key;
            if (!string(&key) || !take(':') || !value(depth)) return false;
            if (hasError) *hasError = *hasError || key == "error";
        } while (take(','));
        return take('}');
    }
    bool array(int depth)
    {
        if (!take('[')) return false;
        if (take(']')) return true;
        do {
            if (!value(depth)) return false;
        } while (take(','));
        return take(']');
    }
    void blanks()
    {
        while (i_ < s_.size() && s_[i_] == ' ') ++i_;
    }
    bool take(char ch)
    {
        blanks();
        if (i_ >= s_.size() || s_[i_] != ch) return false;
        ++i_;
        return true;
    }
    bool done()
    {
        blanks();
        return i_ == s_.size();
    }
    bool word(std::string_view w)
    {
        if (s_.substr(i_, w.size()) != w) return false;
        i_ += w.size();
        return true;
    }
    bool string(std::string* out)
    {
        if (!take('"')) return false;
        while (i_ < s_.size()) {
            const auto ch = static_cast<unsigned char>(s_[i_++]);
            if (ch == '"') return true;
            if (ch < 0x20) return false;
            if (ch != '\\') {
                if (out) *out += static_cast<char>(ch);
                continue;
            }
            if (i_ >= s_.size()) return false;
            const char e = s_[i_++];
            if (e == 'u') {
                for (int k = 0; k < 4; ++k, ++i_)
                    if (i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_])))
                        return false;
            } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                return false;
            }
        }
        return false;
    }
    bool value(int depth)
    {
        blanks();
        if (i_ >= s_.size()) return false;
        if (s_[i_] == '"') return string(nullptr);
        if (s_[i_] == '{') return depth < kMaxDepth && members(nullptr, depth + 1);
        if (s_[i_] == '[') return depth < kMaxDepth && array(depth + 1);
        if (word("true") || word("false")) return true;
        const std::size_t from = i_;
        while (i_ < s_.size() &&
               (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.'))
            ++i_;
        return i_ > from;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

std::vector<std::string_view> lines(std::string_view text)
{
    std::vector<std::string_view> out;
    if (!text.empty() && text.back() != '\n') fail("output without a final line break", text);
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find('\n', from);
        out.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return out;
}

// The lines of a batch input that get an answer, found apart from the
// scorer; a line too long to read is "".
std::vector<std::string_view> handsIn(std::string_view input)
{
    if (input.starts_with("\xEF\xBB\xBF")) input.remove_prefix(3);
    std::vector<std::string_view> hands;
    while (!input.empty()) {
        const std::size_t end = input.find_first_of("\r\n");
        const std::string_view line = input.substr(0, end);
        const std::size_t first = line.find_first_not_of(" \t");
        if (line.size() > cli::kMaxLineBytes)
            hands.emplace_back();
        else if (first != std::string_view::npos && line[first] != '#')
            hands.push_back(line);
        if (end == std::string_view::npos) break;
        input.remove_prefix(end + (input.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return hands;
}

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    for (std::size_t from = line.find_first_not_of(" \t"); from != std::string_view::npos;) {
        const std::size_t end = line.find_first_of(" \t", from);
        words.push_back(line.substr(from, end - from));
        from = line.find_first_not_of(" \t", end);
    }
    return words;
}

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run run(const std::vector<std::string_view>& args, std::string_view input, std::size_t chunk)
{
    cli::StringInput in(input, chunk);
    cli::StringOutput out;
    cli::StringOutput err;
    const int status = cli::run(args, in, out, err);
    return {status, out.text, err.text};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = text.find('\n');
    const std::string_view commandLine = text.substr(0, newline);
    const std::string_view input =
        newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);

    std::vector<std::string_view> args;
    for (std::size_t from = 0; !commandLine.empty();) {
        const std::size_t blank = commandLine.find(' ', from);
        args.push_back(commandLine.substr(from, blank - from));
        if (blank == std::string_view::npos) break;
        from = blank + 1;
    }

    const Run plain = run(args, input, std::string_view::npos);
    if (plain.status != 0 && plain.status != 2) fail("exit status", std::to_string(plain.status));
    if (!isValidUtf8(plain.out)) fail("plain output not UTF-8", plain.out);
    if (!isValidUtf8(plain.err)) fail("plain errors not UTF-8", plain.err);

    // --json at the front, or at the end of the options.
    std::vector<std::string_view> jsonArgs = args;
    std::size_t at = 0;
    if (size % 2 == 1)
        while (at < jsonArgs.size() && jsonArgs[at] != "--") ++at;
    jsonArgs.insert(jsonArgs.begin() + static_cast<std::ptrdiff_t>(at), "--json");
    const Run json = run(jsonArgs, input, 1 + size % 61);

    if (json.status != plain.status)
        fail("exit status differs with --json",
             std::to_string(json.status) + " against " + std::to_string(plain.status));
    if (!json.err.empty()) fail("standard error with --json", json.err);
    if (json.status == 0 && (json.out == cli::usage() || json.out == cli::versionLine())) return 0;

    if (!isValidUtf8(json.out)) fail("JSON output not UTF-8", json.out);
    bool anyError = false;
    const auto answers = lines(json.out);
    for (std::string_view line : answers) {
        if (!JsonLine(line).object(anyError)) fail("not one JSON object", line);
    }
    if (anyError != (json.status == 2)) fail("exit status against the answers", json.out);

    const cli::ParseResult parsed = cli::parseOptions(jsonArgs);
    if (!parsed.error.empty() || !parsed.batch || !parsed.firstHandOption.empty()) {
        if (answers.size() != 1) fail("answers to a command line", json.out);
        return 0;
    }
    const auto hands = handsIn(input);
    if (answers.size() != hands.size() || lines(plain.out).size() != hands.size())
        fail("answers", std::to_string(answers.size()) + " for " + std::to_string(hands.size()));
    // Each hand of a batch is answered as on a command line of its own: the
    // same text, and status 2 exactly for an error.
    for (std::size_t i = 0; i < hands.size(); ++i) {
        auto words = wordsOf(hands[i]);
        const cli::ParseResult line = cli::parseOptions(words);
        if (hands[i].empty() || (line.error.empty() && (line.batch || line.help || line.version)))
            continue;
        words.insert(words.begin(), "--json");
        if (parsed.waits) words.insert(words.begin(), "--waits");  // for every line of the batch
        const Run alone = run(words, {}, std::string_view::npos);
        if (alone.out != std::string(answers[i]) + "\n") fail("batch against alone", alone.out);
        bool error = false;
        JsonLine(answers[i]).object(error);
        if (alone.status != (error ? 2 : 0)) fail("status of a hand alone", alone.out);
    }
    return 0;
}
