// Help, home page and version dialog are still being built.
#include "model/tenho.h"

namespace tenho {

void TENHO::HELP_Click() {}
void TENHO::HP_URL_Click() {}
void TENHO::VER_Click() {}
std::string TENHO::helpFilePath() const { return {}; }
VER_info TENHO::makeVER_info() { return {}; }
void TENHO::VER_info_Label4_Click(int) {}

}  // namespace tenho
