// SPDX-License-Identifier: GPL-3.0-or-later
// Four kans, four and three concealed triplets, all triplets, three kans.
#include <array>

#include "evaluation/groups.h"
#include "model/tenho.h"

namespace tenho {

bool TENHO::isOpenCalledTriplet(std::size_t g) const
{
    const TileList& group = ListEND[g];
    if (!isTriplet(group)) return false;
    for (int k = 1; k <= 4; ++k) {
        if (!meldPresent(k) || meldIsClosedKan(k)) continue;
        const TileList& meld = List[static_cast<std::size_t>(k)];
        if (meld.item(0) == group.item(0) && meld.item(1) == group.item(1) &&
            meld.item(2) == group.item(2))
            return true;
    }
    return false;
}

bool TENHO::concealedTriplet(std::size_t g) const
{
    return isTriplet(ListEND[g]) && !isOpenCalledTriplet(g);
}

void TENHO::SU_KAN()
{
    HANTEI = 0;
    for (int k = 1; k <= 4; ++k)
        if (!meldIsKan(k)) return;
    if (List[0].item(0) == Text1) reportYakuman("四槓子");
}

void TENHO::SU_ANKO()
{
    HANTEI = 0;
    if (NAKI_FLAG != 0) return;
    for (const auto& group : std::span(ListEND).first(4))
        if (!isTriplet(group)) return;
    const Code pair = ListEND[4].item(0);
    if (TUMO_END || Text1 == pair) {
        reportYakuman("四暗刻");
        return;
    }
    // The discard completed a triplet, which is therefore not concealed.
    HAN_number& h = HAN();
    h.Label1.insert(0, "三暗刻\r\n対々和\r\n");
    h.Label2.insert(0, "２翻\r\n２翻\r\n");
    h.Label3 = Decimal(textValue(h.Label3) + 4);
    HANTEI = 0;
}

void TENHO::TOITOI()
{
    if (NAKI_FLAG != 1) return;  // the closed all-triplet hand is SU_ANKO's
    for (const auto& group : std::span(ListEND).first(4))
        if (!isTriplet(group)) return;
    reportYaku("対々和", "２翻", 2);
}

void TENHO::SAN_KAN()
{
    // Three of the four frames kans, whichever three: the kans are counted
    // rather than the four triples tried, which come at random.
    const int kans = static_cast<int>(meldIsKan(1)) + static_cast<int>(meldIsKan(2)) +
                     static_cast<int>(meldIsKan(3)) + static_cast<int>(meldIsKan(4));
    if (kans >= 3) reportYaku("三槓子", "２翻", 2);
}

void TENHO::SANAN_KAKUTEI() { sananKakutei(false); }

void TENHO::sananKakutei(bool concealedOnly)
{
    for (const auto& t : kTriplesLeavingOut) {
        bool all = true;
        for (std::size_t g : t) {
            const bool counts = concealedOnly ? concealedTriplet(g) : isTriplet(ListEND[g]);
            if (!counts) all = false;
        }
        if (all) {
            reportYaku("三暗刻", "２翻", 2);
            return;
        }
    }
}

void TENHO::SANAN()
{
    const Code pair = ListEND[4].item(0);
    const bool pairDiscard = RON_END && Text1 == pair;

    if (NAKI_FLAG == 0) {
        if (TUMO_END || pairDiscard) {
            SANAN_KAKUTEI();
            return;
        }
        // Won on a discard that completed a group: the three triplets are
        // concealed only when the discard went into the remaining group.
        for (std::size_t n = 0; n < kTriplesLeavingOut.size(); ++n) {
            const auto& t = kTriplesLeavingOut[n];
            if (isTriplet(ListEND[t[0]]) && isTriplet(ListEND[t[1]]) && isTriplet(ListEND[t[2]])) {
                const TileList& other = ListEND[n];
                if (other.item(0) == Text1 || other.item(1) == Text1 || other.item(2) == Text1)
                    reportYaku("三暗刻", "２翻", 2);
                return;
            }
        }
        return;
    }

    // Open hand. An open pon or open kan is never one of the concealed three.
    const auto kan = [this](int k) { return meldIsClosedKan(k); };
    const auto used = [this](int k) { return meldPresent(k, 1); };
    const auto found = [this] { return HAN().Label1.find("三暗刻") != std::string_view::npos; };

    if (TUMO_END) {
        const TileList& first = List[1];
        for (std::size_t k = 0; k < 4; ++k) {
            const TileList& group = ListEND[k];
            if (group.item(0) == first.item(0) && group.item(1) == first.item(1) &&
                group.item(2) == first.item(2)) {
                bool others = true;
                for (std::size_t g = 0; g < 4; ++g)
                    if (g != k && !concealedTriplet(g)) others = false;
                if (others) reportYaku("三暗刻", "２翻", 2);
                break;
            }
        }
    } else if ((kan(1) || kan(2)) && !used(3) && Text1 == pair) {
        sananKakutei(true);
    }

    const bool selfDraw = TUMO_END;
    const bool either = selfDraw || pairDiscard;
    const bool configurations[8] = {
        kan(1) && used(2) && !used(3) && either,
        (selfDraw && kan(1) && kan(3) && !used(4)) ||
            (pairDiscard && kan(1) && meldPresent(3, 0) && !used(4)),
        kan(1) && kan(3) && kan(4),
        kan(1) && kan(2) && used(3) && !used(4) && either,
        kan(1) && kan(2) && kan(4) && used(3),
        kan(1) && kan(2) && kan(3) && used(4),
        used(1) && kan(2) && kan(3) && kan(4),
        used(1) && kan(2) && kan(3) && !meldPresent(4) && pairDiscard,
    };
    // Only a report changes Label1, so it is searched again only then.
    bool reported = found();
    for (bool holds : configurations) {
        if (reported) return;
        if (holds) {
            sananKakutei(true);
            reported = found();
        }
    }
}

}  // namespace tenho
