// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, the help file, the home page and the version dialog.
#include <cstddef>

#include "model/tenho.h"
#include "shell/addresses.h"

namespace tenho {

namespace {

constexpr std::string_view kHelpFile = "TOVARI.HLP";
// Both credits rows are the project: it wrote the program and drew its tiles.
constexpr std::string_view kProject = "天和 プロジェクト";

}  // namespace

OPNING TENHO::makeOPNING()
{
    OPNING splash;
    splash.title = kTitle;
    splash.credits = "制作　" + std::string(kProject) + "　　画　" + std::string(kProject);
    return splash;
}

std::string TENHO::helpFilePath() const
{
    // A folder that already ends in a separator (the root) gets no second one.
    std::string path = appPath;
    if (path.empty() || (path.back() != '/' && path.back() != '\\')) path += '/';
    path += kHelpFile;
    return path;
}

void TENHO::HELP_Click() { host().shellOpen(helpFilePath(), appPath, false); }

void TENHO::HP_URL_Click() { host().shellOpen(makeVER_info().credits[0].homePage, "", true); }

VER_info TENHO::makeVER_info() const
{
    VER_info v;
    v.caption = "バージョン情報";
    v.title = kTitle;
    v.version = "Ver ";
    v.version += kVersion;
    v.date = "（2000/8/30）";
    v.description = "この計算機は無保証です。点数は必ずご自分でもお確かめください。";
    v.author = kProject;
    const std::string_view roles[] = {"（制作）", "（画）"};
    for (std::size_t i = 0; i < v.credits.size(); ++i) {
        v.credits[i].name = std::string(kProject) + std::string(roles[i]);
        v.credits[i].mail = kMail;
        v.credits[i].homePage = homePage.empty() ? std::string(kHomePage) : homePage;
    }
    return v;
}

void TENHO::VER_Click()
{
    VER_info dialog = makeVER_info();
    dialog.Label4_Click = [this](int index) { VER_info_Label4_Click(index); };
    host().showVerInfo(dialog);
}

void TENHO::VER_info_Label4_Click(int index)
{
    const VER_info dialog = makeVER_info();
    if (index < 0 || index >= static_cast<int>(dialog.credits.size())) return;
    host().shellOpen(dialog.credits[static_cast<std::size_t>(index)].homePage, "", true);
}

}  // namespace tenho
