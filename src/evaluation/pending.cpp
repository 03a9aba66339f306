// Routines whose rules are still being built. Each keeps its place in the
// driver's order and does nothing yet.
#include "model/tenho.h"

namespace tenho {

void TENHO::KOKUSI() { HANTEI = 0; }
void TENHO::TITOITU() { HANTEI = 1; }
void TENHO::TYUREN() { HANTEI = 0; }
void TENHO::SU_KAN() { HANTEI = 0; }
void TENHO::SU_ANKO() { HANTEI = 0; }
void TENHO::TOITOI() {}
void TENHO::SAN_KAN() {}
void TENHO::SANAN() {}
void TENHO::SANAN_KAKUTEI() {}
void TENHO::SAN_JUN() {}
void TENHO::ITUU() {}
void TENHO::IIPEI() {}
void TENHO::RYANPEI() {}
void TENHO::TINROU() { HANTEI = 0; }
void TENHO::HONROU() {}
void TENHO::JUN_CHAN() {}
void TENHO::TIYANTA() {}
void TENHO::TANYAO() {}
void TENHO::TINITU() {}
void TENHO::HONITU() {}
void TENHO::TU_I_SO() {}
void TENHO::RYU_IISOU() {}
void TENHO::IRO_COPY() {}
void TENHO::SUUJI_COPY() {}
void TENHO::HU_PON() {}
void TENHO::SANGEN() {}
void TENHO::SYOSANGEN() {}
void TENHO::DAISANGEN() {}
void TENHO::DAISU_SI() {}
void TENHO::SYOSU_SI() {}
void TENHO::SYOSU_SI_KAKUTEI() {}
void TENHO::SAN_KOKU() {}
void TENHO::TUMO() {}
void TENHO::RITI() {}
void TENHO::DABUL_RITI() {}
void TENHO::ITUPATU() {}
void TENHO::HAITEI() {}
void TENHO::TENHO_TIIHO() {}
void TENHO::PINHU() {}
void TENHO::PINHU_KAKUTEI() {}
void TENHO::DORA_NUMBER() {}
void TENHO::DORADORA() { DORA_COUNT = 0; }
void TENHO::DORADORA2() { DORA_COUNT = 0; }

}  // namespace tenho
