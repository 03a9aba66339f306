// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/output.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "model/few_bytes.h"
#include "model/fixed_text.h"
#include "model/notation.h"
#include "model/utf8.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tenho::cli {

namespace {

// The answers are written straight into the output: each piece reserves the
// most it can take and writes through a pointer.

// As JSON, every byte of a text takes at most six ("\u001f"); the quotes two,
// and the writing 16 bytes at a time as many again past the end.
constexpr std::size_t jsonRoom(std::size_t bytes) { return 6 * bytes + 2 + 16; }

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

// A JSON string is written character by character, the common ones without
// a look at anything but their first byte: printable ASCII as itself, the
// two-character escapes, and the three-byte UTF-8 characters whose lead byte
// leaves their continuation bytes free (the kana and kanji of every label).
// Anything else, a control character or another non-ASCII piece, goes the
// long way.
enum JsonKind : std::uint8_t { kPlain, kShortEscape, kThreeBytes, kLongWay };

struct JsonByte {
    JsonKind kind;
    char escape;  // after the backslash, for kShortEscape
};

constexpr auto kJsonByteOf = [] {
    std::array<JsonByte, 256> k{};
    for (int b = 0; b < 256; ++b)
        k[static_cast<std::size_t>(b)] = {b < 0x20 || b >= 0x80 ? kLongWay : kPlain, '\0'};
    k['"'] = {kShortEscape, '"'};
    k['\\'] = {kShortEscape, '\\'};
    k['\r'] = {kShortEscape, 'r'};
    k['\n'] = {kShortEscape, 'n'};
    k['\t'] = {kShortEscape, 't'};
    for (int b = 0xE1; b <= 0xEF; ++b)
        if (b != 0xED) k[static_cast<std::size_t>(b)] = {kThreeBytes, '\0'};
    return k;
}();

constexpr bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Writes the character (or ill-formed piece) at `p`, which is before the end
// of `text`, and moves `p` past it.
char* putJsonCharacter(char* at, const char*& p, std::string_view text)
{
    const char* const end = text.data() + text.size();
    const auto ch = static_cast<unsigned char>(*p);
    const JsonByte& k = kJsonByteOf[ch];
    if (k.kind == kPlain) {
        *at++ = *p++;
        return at;
    }
    if (k.kind == kThreeBytes && end - p >= 3 && isContinuation(static_cast<unsigned char>(p[1])) &&
        isContinuation(static_cast<unsigned char>(p[2]))) {
        std::memcpy(at, p, 3);
        p += 3;
        return at + 3;
    }
    if (k.kind == kShortEscape) {
        *at++ = '\\';
        *at++ = k.escape;
        ++p;
        return at;
    }
    if (ch < 0x80) {
        constexpr char kHex[] = "0123456789abcdef";
        at = put(at, "\\u00");
        *at++ = kHex[ch >> 4];
        *at++ = kHex[ch & 15];
        ++p;
        return at;
    }
    const Utf8Piece piece = utf8PieceAt(text, static_cast<std::size_t>(p - text.data()));
    if (piece.valid) {
        std::memcpy(at, p, piece.size);
        at += piece.size;
    } else {
        at = put(at, kReplacementCharacter);
    }
    p += piece.size;
    return at;
}

char* putJsonString(char* at, std::string_view text)
{
    *at++ = '"';
    const char* p = text.data();
    const char* const end = p + text.size();
#if defined(__SSE2__)
    // 16 bytes at a time (the last few padded with zeros), copied whole,
    // then taken up to the first byte to escape, as long as what comes
    // before it is printable ASCII and three-byte characters of the kind
    // above; a character cut off by the end of the block is left to the
    // next. Anything else is written by the character.
    while (p != end) {
        const auto left = static_cast<std::size_t>(end - p);
        const __m128i v =
            left >= 16 ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)) : loadFew(p, left);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at), v);
        const auto mask = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
        const auto bytes = [](int b) { return _mm_set1_epi8(static_cast<char>(b)); };
        const unsigned nonAscii = mask(v);
        // The padding counts among these, as control characters.
        const unsigned escaped = (mask(_mm_cmplt_epi8(v, bytes(0x20))) & ~nonAscii) |
                                 mask(_mm_cmpeq_epi8(v, bytes('"'))) |
                                 mask(_mm_cmpeq_epi8(v, bytes('\\')));
        const unsigned continuation = mask(_mm_cmplt_epi8(v, bytes(0xC0)));  // 0x80..0xBF
        const unsigned lead =
            mask(_mm_and_si128(_mm_cmpgt_epi8(v, bytes(0xE0)), _mm_cmplt_epi8(v, bytes(0xF0)))) &
            ~mask(_mm_cmpeq_epi8(v, bytes(0xED)));
        const unsigned limit = static_cast<unsigned>(std::countr_zero(escaped | 0x10000u));
        const unsigned before = (1u << limit) - 1;  // the bytes before the first to escape
        const unsigned expected = lead << 1 | lead << 2;
        if (((nonAscii ^ (lead | expected)) & before) == 0 &&
            ((continuation ^ expected) & before) == 0) {
            const unsigned cut = lead & before & ~(before >> 2);
            const unsigned taken = cut != 0 ? static_cast<unsigned>(std::countr_zero(cut)) : limit;
            at += taken;
            p += taken;
            if (p == end) break;
            if (taken == limit && limit < 16) {
                // A byte to escape: CR LF, the usual one, together.
                const JsonByte& k = kJsonByteOf[static_cast<unsigned char>(*p)];
                if (k.kind == kShortEscape) {
                    if (*p == '\r' && end - p >= 2 && p[1] == '\n') {
                        at = put(at, "\\r\\n");
                        p += 2;
                    } else {
                        *at++ = '\\';
                        *at++ = k.escape;
                        ++p;
                    }
                    continue;
                }
            } else if (taken != 0) {
                continue;
            }
        }
        at = putJsonCharacter(at, p, text);
    }
#else
    while (p != end) at = putJsonCharacter(at, p, text);
#endif
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
    const auto q = quarters >= 0 && quarters < 4e6 ? static_cast<long>(quarters) : -1;
    if (q >= 0 && static_cast<double>(q) == quarters) {
        long whole = q / 4;
        if (whole < 100) {
            // The dialog's sizes: one or two digits.
            if (whole >= 10) *at++ = static_cast<char>('0' + whole / 10);
            *at++ = static_cast<char>('0' + whole % 10);
        } else {
            char digits[16];
            int n = 0;
            do {
                digits[n++] = static_cast<char>('0' + whole % 10);
                whole /= 10;
            } while (whole != 0);
            while (n > 0) *at++ = digits[--n];
        }
        switch (q % 4) {
        case 1:
            return put(at, ".25");
        case 2:
            return put(at, ".5");
        case 3:
            return put(at, ".75");
        default:
            return at;
        }
    }
    char buf[kFontSizeRoom];
    std::snprintf(buf, sizeof buf, "%.2f", size);
    std::string_view text = buf;
    while (!text.empty() && text.back() == '0') text.remove_suffix(1);
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    return put(at, text);
}

#if defined(__SSE2__)
// A label of the dialog is read where it is held, sixteen bytes at a time
// from the start of its storage, which has room past the text for a block:
// nothing is copied first, nothing is read outside the label. Its texts are
// yaku names, han and amounts, three-byte characters and ASCII with CR LF
// between the lines. Each block is written where it goes at once, and only
// where a byte is escaped does the rest of it move on; a character may run
// on into the next block. Anything else (another character, an ill-formed
// byte) is left to putJsonString.
template <std::size_t N> char* writeLabelJson(char* at, const FixedText<N>& label)
{
    static_assert(N % 16 == 0);
    const std::size_t size = label.size();
    if (size == 0) return put(at, "\"\"");
    if (size + 16 > N) return putJsonString(at, label.view());
    const char* const text = label.data();
    const auto load = [text](std::size_t i) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    };
    const auto store = [](char* to, __m128i v) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), v);
    };
    const auto mask = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
    const auto bytes = [](int b) { return _mm_set1_epi8(static_cast<char>(b)); };
    char* const start = at;
    *at++ = '"';
    // The text before `from` is written, up to `at`; the bytes from there
    // on go to `at` as they are until the next escape.
    std::size_t from = 0;
    unsigned carried = 0;  // continuation bytes due at the start of the block
    for (std::size_t base = 0; base < size; base += 16) {
        const __m128i v = load(base);
        store(at + (base - from), v);
        const std::size_t left = size - base;
        const unsigned inside = left >= 16 ? 0xFFFFu : (1u << left) - 1;
        const unsigned nonAscii = mask(v) & inside;
        const unsigned lead =
            mask(_mm_and_si128(_mm_cmpgt_epi8(v, bytes(0xE0)), _mm_cmplt_epi8(v, bytes(0xF0)))) &
            ~mask(_mm_cmpeq_epi8(v, bytes(0xED))) & inside;
        const unsigned continuation = mask(_mm_cmplt_epi8(v, bytes(0xC0))) & inside;
        // Every byte past ASCII a lead or a continuation, and the
        // continuations exactly the two bytes after each lead, inside the
        // label: a character cut off by its end is no character.
        const unsigned expected = lead << 1 | lead << 2 | carried;
        if ((nonAscii & ~(lead | continuation)) != 0 || continuation != (expected & 0xFFFF) ||
            (expected & ~inside & 0xFFFF) != 0)
            return putJsonString(start, label.view());
        carried = expected >> 16;
        unsigned escaped =
            ((mask(_mm_cmplt_epi8(v, bytes(0x20))) & ~nonAscii) |
             mask(_mm_or_si128(_mm_cmpeq_epi8(v, bytes('"')), _mm_cmpeq_epi8(v, bytes('\\'))))) &
            inside;
        while (escaped != 0) {
            const auto bit = static_cast<unsigned>(std::countr_zero(escaped));
            const std::size_t i = base + bit;
            at += i - from;
            const auto ch = static_cast<unsigned char>(text[i]);
            if (ch == '\r' && (escaped >> bit & 2) != 0 && text[i + 1] == '\n') {
                // CR LF, the usual one, together.
                at = put(at, "\\r\\n");
                escaped &= escaped - 1;
                from = i + 2;
            } else if (const JsonByte& k = kJsonByteOf[ch]; k.kind == kShortEscape) {
                *at++ = '\\';
                *at++ = k.escape;
                from = i + 1;
            } else {
                static constexpr char kHex[] = "0123456789abcdef";
                at = put(at, "\\u00");
                *at++ = kHex[ch >> 4];
                *at++ = kHex[ch & 15];
                from = i + 1;
            }
            escaped &= escaped - 1;
            // The rest of the block, and perhaps some of the next, where
            // they go now; at most 16 bytes past the size are read.
            store(at, load(from));
        }
    }
    if (carried != 0) return putJsonString(start, label.view());
    at += size - from;
    *at++ = '"';
    return at;
}

// The labels are a few hundred texts over and over. Each thread keeps the
// JSON of the short ones it wrote, by a hash of their bytes: a label kept
// is compared and its JSON copied, a block at a time, instead of read byte
// class by byte class.
struct KnownLabel {
    static constexpr std::size_t kTextBytes = 48;
    static constexpr std::size_t kJsonBytes = 80;
    char text[kTextBytes];  // the label, zeros past its size
    char json[kJsonBytes];  // quotes included
    std::uint8_t size;      // 0: none kept here
    std::uint8_t jsonSize;
};
constexpr std::size_t kKnownLabels = 512;
thread_local std::array<KnownLabel, kKnownLabels> tKnownLabels;

// A label not kept (or kept no more) is written, and kept in `known` when
// its JSON fits; `v` holds its blocks as putLabelJson read them.
template <std::size_t N>
[[gnu::noinline]] char* writeAndKeep(char* at, const FixedText<N>& label, KnownLabel& known,
                                     const __m128i* v, std::size_t blocks)
{
    char* const end = writeLabelJson(at, label);
    const auto jsonSize = static_cast<std::size_t>(end - at);
    if (jsonSize <= KnownLabel::kJsonBytes) {
        for (std::size_t k = 0; k < blocks; ++k)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(known.text + 16 * k), v[k]);
        std::memcpy(known.json, at, jsonSize);
        known.size = static_cast<std::uint8_t>(label.size());
        known.jsonSize = static_cast<std::uint8_t>(jsonSize);
    }
    return end;
}

// Within a dialog, which has room for what every label's capacity can take:
// a kept JSON is copied two blocks at least.
template <std::size_t N> char* putLabelJson(char* at, const FixedText<N>& label)
{
    static_assert(N >= KnownLabel::kTextBytes && jsonRoom(N) >= KnownLabel::kJsonBytes + 16);
    const std::size_t size = label.size();
    if (size == 0) return put(at, "\"\"");
    if (size > KnownLabel::kTextBytes) return writeLabelJson(at, label);
    // The label's blocks, the last one cleared past the size, folded into
    // a hash.
    static constexpr char kUpTo[32] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                       -1, -1, -1, -1, -1, -1, -1, -1};
    const std::size_t blocks = (size + 15) / 16;
    const __m128i tail =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kUpTo + (16 * blocks - size)));
    __m128i v[3];
    __m128i folded = _mm_setzero_si128();
    for (std::size_t k = 0; k < blocks; ++k) {
        v[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(label.data() + 16 * k));
        if (k + 1 == blocks) v[k] = _mm_and_si128(v[k], tail);
        folded = _mm_add_epi64(_mm_add_epi64(folded, folded), v[k]);
    }
    const auto low = static_cast<std::uint64_t>(_mm_cvtsi128_si64(folded));
    const auto high =
        static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(folded, folded)));
    const std::uint64_t hash = (low ^ std::rotl(high, 29)) * 0x9E3779B97F4A7C15u;
    KnownLabel& known = tKnownLabels[hash >> (64 - std::countr_zero(kKnownLabels))];
    static_assert(std::has_single_bit(kKnownLabels));
    bool same = known.size == size;
    for (std::size_t k = 0; k < blocks && same; ++k)
        same = _mm_movemask_epi8(_mm_cmpeq_epi8(
                   v[k], _mm_loadu_si128(reinterpret_cast<const __m128i*>(known.text + 16 * k)))) ==
               0xFFFF;
    if (!same) return writeAndKeep(at, label, known, v, blocks);
    const auto copy = [&](std::size_t k) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at + k),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(known.json + k)));
    };
    copy(0);
    copy(16);
    for (std::size_t k = 32; k < known.jsonSize; k += 16) copy(k);
    return at + known.jsonSize;
}
#else
template <std::size_t N> char* writeLabelJson(char* at, const FixedText<N>& label)
{
    return putJsonString(at, label.view());
}
template <std::size_t N> char* putLabelJson(char* at, const FixedText<N>& label)
{
    return writeLabelJson(at, label);
}
#endif

// The most a dialog takes, whatever its labels hold.
constexpr std::size_t kDialogRoom = jsonRoom(decltype(HAN_number::Label1)::kCapacity) +
                                    jsonRoom(decltype(HAN_number::Label2)::kCapacity) +
                                    jsonRoom(decltype(HAN_number::Label3)::kCapacity) +
                                    jsonRoom(decltype(HAN_number::Label4)::kCapacity) +
                                    jsonRoom(decltype(HAN_number::Label5)::kCapacity) +
                                    kFontSizeRoom + 128;

// The dialog from Label3 on, each label written afresh.
char* writeTailJson(char* at, const HAN_number& d)
{
    at = put(at, ", \"Label3\": ");
    at = writeLabelJson(at, d.Label3);
    at = put(at, ", \"Label4\": ");
    at = writeLabelJson(at, d.Label4);
    at = put(at, ", \"Label5\": ");
    at = writeLabelJson(at, d.Label5);
    at = put(at, ", \"Label4FontSize\": ");
    at = putFontSize(at, d.Label4FontSize);
    at = d.Label5Visible ? put(at, ", \"Label5Visible\": true}")
                         : put(at, ", \"Label5Visible\": false}");
    return at;
}

#if defined(__SSE2__)
// The dialog from Label3 on is one of a few hundred: a han total, a payment
// from the tables, a fu count, one of three sizes and whether the fu shows.
// Each thread keeps the ends it wrote, by a hash of the three labels (their
// blocks cleared past the sizes), the size and the flag: a kept end is
// compared and copied whole, for the three labels at once.
struct KnownTail {
    static constexpr std::size_t kJsonBytes = 160;
    __m128i text[5];         // Label3, Label4 in three blocks, Label5
    std::uint64_t fontSize;  // the bits of Label4FontSize
    std::uint32_t sizes;     // the labels' sizes and Label5Visible; 0: none kept
    std::uint32_t jsonSize;
    char json[kJsonBytes];
};
constexpr std::size_t kKnownTails = 256;
thread_local std::array<KnownTail, kKnownTails> tKnownTails;

// Within a dialog, which has room for what every label's capacity can take:
// a kept end is copied whole, all its blocks.
char* putTailJson(char* at, const HAN_number& d)
{
    static_assert(jsonRoom(decltype(HAN_number::Label5)::kCapacity) >= KnownTail::kJsonBytes);
    const std::size_t size3 = d.Label3.size();
    const std::size_t size4 = d.Label4.size();
    const std::size_t size5 = d.Label5.size();
    if (size3 > 16 || size4 > 48 || size5 > 16) return writeTailJson(at, d);
    // The first n bytes of a block, n up to 16.
    static constexpr char kUpTo[32] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                       -1, -1, -1, -1, -1, -1, -1, -1};
    const auto block = [](const char* text, std::size_t n) {
        return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text)),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(kUpTo + 16 - n)));
    };
    const char* const label4 = d.Label4.data();
    const __m128i text[5] = {
        block(d.Label3.data(), size3),
        block(label4, std::min<std::size_t>(size4, 16)),
        block(label4 + 16, std::min<std::size_t>(std::max<std::size_t>(size4, 16) - 16, 16)),
        block(label4 + 32, std::max<std::size_t>(size4, 32) - 32),
        block(d.Label5.data(), size5),
    };
    const auto fontSize = std::bit_cast<std::uint64_t>(d.Label4FontSize);
    const auto sizes = static_cast<std::uint32_t>(size3 | size4 << 8 | size5 << 16 |
                                                  (d.Label5Visible ? 1u : 0u) << 24 | 1u << 31);
    __m128i folded = text[0];
    for (std::size_t k = 1; k < 5; ++k)
        folded = _mm_add_epi64(_mm_add_epi64(folded, folded), text[k]);
    const auto low = static_cast<std::uint64_t>(_mm_cvtsi128_si64(folded));
    const auto high =
        static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(folded, folded)));
    const std::uint64_t hash =
        (low ^ std::rotl(high, 29) ^ std::rotl(fontSize, 7) ^ sizes) * 0x9E3779B97F4A7C15u;
    KnownTail& known = tKnownTails[hash >> (64 - std::countr_zero(kKnownTails))];
    static_assert(std::has_single_bit(kKnownTails));
    __m128i same = _mm_cmpeq_epi8(text[0], known.text[0]);
    for (std::size_t k = 1; k < 5; ++k)
        same = _mm_and_si128(same, _mm_cmpeq_epi8(text[k], known.text[k]));
    if (_mm_movemask_epi8(same) == 0xFFFF && known.sizes == sizes && known.fontSize == fontSize) {
        for (std::size_t k = 0; k < KnownTail::kJsonBytes; k += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(at + k),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(known.json + k)));
        return at + known.jsonSize;
    }
    char* const end = writeTailJson(at, d);
    const auto jsonSize = static_cast<std::size_t>(end - at);
    if (jsonSize <= KnownTail::kJsonBytes) {
        for (std::size_t k = 0; k < 5; ++k) known.text[k] = text[k];
        known.fontSize = fontSize;
        known.sizes = sizes;
        known.jsonSize = static_cast<std::uint32_t>(jsonSize);
        std::memcpy(known.json, at, jsonSize);
    }
    return end;
}
#else
char* putTailJson(char* at, const HAN_number& d) { return writeTailJson(at, d); }
#endif

char* putDialogJson(char* at, const HAN_number& d)
{
    at = put(at, "{\"Label1\": ");
    at = putLabelJson(at, d.Label1);
    at = put(at, ", \"Label2\": ");
    at = putLabelJson(at, d.Label2);
    return putTailJson(at, d);
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

void appendDialogJson(TextBuffer& out, const HAN_number& d)
{
    out.setEnd(putDialogJson(out.room(kDialogRoom), d));
}

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
