// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/output.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "model/notation.h"
#include "model/utf8.h"

namespace tenho::cli {

namespace {

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch >= 0x80) {
            const Utf8Piece p = utf8PieceAt(text, i);
            if (p.valid)
                out.append(text, i, p.size);
            else
                out += kReplacementCharacter;
            i += p.size;
            continue;
        }
        ++i;
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

void appendDialogJson(std::string& out, const HAN_number& d)
{
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
}

}  // namespace

void appendJson(std::string& out, const Outcome& o)
{
    switch (o.kind) {
    case Outcome::Kind::Dialog:
        appendDialogJson(out, o.dialog);
        break;
    case Outcome::Kind::Message:
        out += "{\"message\": ";
        appendJsonString(out, o.message);
        out += "}";
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
            out += "}";
        }
        out += "]}";
        break;
    case Outcome::Kind::Error:
        out += "{\"error\": ";
        appendJsonString(out, o.message);
        out += "}";
        break;
    }
}

std::string toJson(const Outcome& o)
{
    std::string out;
    out.reserve(256);
    appendJson(out, o);
    return out;
}

std::string toPlain(const Outcome& o, bool oneLine)
{
    // --waits answers in JSON whatever else is asked for.
    if (o.kind == Outcome::Kind::Waits) return toJson(o);
    std::string out;
    if (o.kind == Outcome::Kind::Message) {
        appendValidUtf8(out, o.message);
        return out;
    }
    if (o.kind == Outcome::Kind::Error) {
        out = "error: ";
        appendValidUtf8(out, o.message);
        return out;
    }

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

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += oneLine ? " / " : "\n";
        out += lines[i];
    }
    return out;
}

}  // namespace tenho::cli
