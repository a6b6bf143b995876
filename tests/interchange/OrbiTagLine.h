#pragma once

#include <string_view>

namespace velm::test
{

// The tag line that the ＯＲＢＩ export writes after its header, with its CR LF.
inline constexpr std::string_view kOrbiTagLine =
    "\"I\",\"NAPR\",\"NAME\",\"NAM2\",\"PZIP\",\"PADR\",\"PTEL\",\"OFCE\",\"SCTN\",\"RMRK\","
    "\"PSTN\",\"NAHO\",\r\n";

} // namespace velm::test
