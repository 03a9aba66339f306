// Meld entry and the situation boxes are still being built: drops on the
// meld frames and clicks on the situation boxes do nothing yet.
#include "model/tenho.h"

namespace tenho {

Entry TENHO::formMeld(int, int) { return Entry::Ignored; }
Entry TENHO::NAKI_Click(int) { return Entry::Ignored; }
void TENHO::NAKI_TORIKESHI(int) {}
void TENHO::cmd_NAKI_Click(int) {}
void TENHO::cmd_KAN_Click(int) {}
Entry TENHO::clickC_OPTION(int) { return Entry::Ignored; }
void TENHO::C_OPTION_Click(int) {}
void TENHO::RIICHI_KINSHI() {}
void TENHO::applyAvailabilityRule() {}

}  // namespace tenho
