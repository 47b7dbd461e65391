// The modem and the program's scratch file.
#pragma once

namespace contracts {

// The modem's LAN address: it serves the PC by DHCP and names itself as DNS server.
constexpr char ModemAddress[] = "192.168.1.1";
// The modem's pages, below http://ModemAddress.
constexpr char kStartPage[] = "/doc/index.htm";
constexpr char kBridgePage[] = "/doc/switch1.htm";

// Every console tool's standard output lands here.
constexpr char WorkFile[] = "c:\\ADSLLog.tmp";

// The window title: single-instance key, tray tip and the title searched for.
constexpr char kWindowTitle[] = "Kelvane";

}  // namespace contracts
