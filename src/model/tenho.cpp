// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tenho.h"

namespace tenho {

const std::array<std::string_view, 4> TENHO::kB_listItems = {"東 　場", "南 　場", "西 　場",
                                                             "北 　場"};
const std::array<std::string_view, 4> TENHO::kI_listItems = {"東   家", "南　 家", "西 　家",
                                                             "北 　家"};
const std::array<std::string_view, 6> TENHO::kC_OPTIONCaptions = {"リーチ", "ダブリー", "一発",
                                                                  "一巡目", "ハイテイ", "カン直後"};
const std::array<std::string_view, 6> TENHO::kC_OPTIONToolTips = {
    "リーチ",
    "最初の捨て牌でのリーチ",
    "「リーチ」＆「一発」",
    "一巡目の捨て牌での「ツモ」or「ロン」",
    "ハイテイ牌での「ツモ」or「ロン」",
    ""};

TENHO::TENHO(Host& host) : host_(&host)
{
    for (int i = 0; i < kTileKinds; ++i) HAI[static_cast<std::size_t>(i)] = Picture{i, true};
    for (auto& p : JUMP) p = Picture{image::kPlaceholder, false};
    for (auto& frame : KAN_KAN)
        for (auto& p : frame) p = Picture{image::kFaceDown, false};
    for (auto& list : List) list = TileList(true);
    C_OPTION[2].enabled = false;
    C_OPTION[5].enabled = false;
    MENTSU_KEYS.reserve(64);
    WORK_CODES.reserve(32);
}

HAN_number& TENHO::HAN()
{
    if (!hanNumber) hanNumber.emplace();
    return *hanNumber;
}

int TENHO::meldCount() const
{
    if (!meldPresent(1)) return 0;
    for (int k = 4; k >= 1; --k)
        if (meldPresent(k)) return k;
    return 0;
}

void TENHO::HAI_GAZOU()
{
    const int n = paletteIndex(PAI_CODE);
    if (n < 0 || PAI_CTL == nullptr) return;
    PAI_CTL->image = HAI[static_cast<std::size_t>(n)].image;
    PAI_CTL->visible = true;
}

}  // namespace tenho
