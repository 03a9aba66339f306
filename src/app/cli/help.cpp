// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/help.h"

#include "app/cli/batch.h"
#include "app/cli/options.h"
#include "shell/addresses.h"

namespace tenho::cli {

std::string usage()
{
    return "usage: tenho-score [--json] [--waits] OPTION...  one hand, given by the options\n"
           "       tenho-score --batch [--json] [--waits] [--jobs N]\n"
           "                                                 one hand per line of input\n"
           "       tenho-score --help | -h\n"
           "       tenho-score --version\n"
           "\n"
           "Tiles: digits followed by a suit letter, e.g. 123m456p789s11z\n"
           "  m 萬子 1-9, s 索子 1-9, p 筒子 1-9, z 1 東 2 南 3 西 4 北 5 白 6 發 7 中\n"
           "\n"
           "Options (--option=value works as --option value; -- ends the options):\n"
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
           "  --json              one JSON object per hand, errors included\n"
           "  --waits             without --win: the tiles that complete the hand of 13\n"
           "                      tiles and what each pays on ロン and on ツモ, as one\n"
           "                      JSON object per hand (errors included)\n"
           "  --batch             one hand per line of standard input, its options as on\n"
           "                      the command line; one answer per line, in order; blank\n"
           "                      lines and lines starting with # get no answer; a line\n"
           "                      longer than " +
           std::to_string(kMaxLineBytes) +
           " bytes gets an error and is skipped\n"
           "  --jobs N            with --batch: the lines scored by N jobs at once (1 to " +
           std::to_string(kMaxJobs) +
           ";\n"
           "                      by default one for every processor); the answers come\n"
           "                      in the order of the lines, the same as with one job\n"
           "  --help, -h          this text\n"
           "  --version           the program's name and version\n"
           "\n"
           "Exit status: 0 when every hand got a result or a message, 2 on an error\n"
           "(a bad option, a refused entry, a failed read or write).\n";
}

std::string versionLine() { return "tenho-score " + std::string(kVersion) + "\n"; }

}  // namespace tenho::cli
