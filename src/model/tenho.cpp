// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/tenho.h"

#include <memory>
#include <utility>

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

TENHO::TENHO(Host& host) : host_(&host) {}

void TENHO::restart()
{
    Host& host = *host_;
    // The caption's storage is kept, so that the next Form_Load writes into it.
    std::string keptCaption = std::move(caption);
    std::string keptPath = std::move(appPath);
    std::string keptPage = std::move(homePage);
    std::destroy_at(this);
    std::construct_at(this, host);
    caption = std::move(keptCaption);
    caption.clear();
    appPath = std::move(keptPath);
    homePage = std::move(keptPage);
}

int TENHO::meldCount() const
{
    if (!meldPresent(1)) return 0;
    int k = 4;
    while (!meldPresent(k)) --k;  // ends at meld 1 at the latest
    return k;
}

}  // namespace tenho
