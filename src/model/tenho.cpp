// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tenho.h"

#include <cstddef>
#include <type_traits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/recording_host.h"

namespace tenho {

const std::array<std::string_view, 4> TENHOState::kB_listItems = {"東 　場", "南 　場", "西 　場",
                                                                  "北 　場"};
const std::array<std::string_view, 4> TENHOState::kI_listItems = {"東   家", "南　 家", "西 　家",
                                                                  "北 　家"};
const std::array<std::string_view, 6> TENHOState::kC_OPTIONCaptions = {
    "リーチ", "ダブリー", "一発", "一巡目", "ハイテイ", "カン直後"};
const std::array<std::string_view, 6> TENHOState::kC_OPTIONToolTips = {
    "リーチ",
    "最初の捨て牌でのリーチ",
    "「リーチ」＆「一発」",
    "一巡目の捨て牌での「ツモ」or「ロン」",
    "ハイテイ牌での「ツモ」or「ロン」",
    ""};

TENHO::TENHO(Host& host) : host_(&host) {}

void TENHO::restart()
{
    // The state of a calculator built once, copied as one block of plain
    // values; the result dialog goes, the folder, the page and the host stay.
    static_assert(std::is_trivially_copyable_v<TENHOState>);
    static RecordingHost nobody;
    static const TENHO blank(nobody);
    restart(blank);
}

void TENHO::restart(const TENHOState& start)
{
#if defined(__SSE2__)
    // Block by block, unrolled: a string move of the whole state takes a
    // start-up of its own and a branch at its end.
    static_assert(sizeof(TENHOState) % 8 == 0 && sizeof(TENHOState) >= 16);
    auto* const to = reinterpret_cast<unsigned char*>(static_cast<TENHOState*>(this));
    const auto* const from = reinterpret_cast<const unsigned char*>(&start);
    constexpr std::size_t kBlocks = sizeof(TENHOState) / 16;
#pragma GCC unroll 128
    for (std::size_t b = 0; b < kBlocks; ++b)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 16 * b),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16 * b)));
    if constexpr (sizeof(TENHOState) % 16 != 0)  // the last eight bytes
        _mm_storel_epi64(reinterpret_cast<__m128i*>(to + 16 * kBlocks),
                         _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from + 16 * kBlocks)));
#else
    static_cast<TENHOState&>(*this) = start;
#endif
    hanNumber.reset();
    meldCheckEachPattern_ = false;  // as built
}

}  // namespace tenho
