// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tenho.h"

#include <type_traits>

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
    static_cast<TENHOState&>(*this) = start;
    hanNumber.reset();
    meldCheckEachPattern_ = false;  // as built
}

}  // namespace tenho
