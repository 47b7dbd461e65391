// Registry keys and values the program reads and writes. Rows below
// HKEY_LOCAL_MACHINE are the Windows 95/98/Me TCP/IP settings; the Internet
// settings lie below HKEY_CURRENT_USER on every Windows.
#pragma once

namespace contracts {

// Network cards: one sub-key per card (names such as 0000).
constexpr char kNetClassKey[] = "System\\CurrentControlSet\\Services\\Class\\Net";
constexpr char kNdiInterfaces[] = "\\Ndi\\Interfaces";
constexpr char kValueLower[] = "Lower";
constexpr char kValueDriverDesc[] = "DriverDesc";
constexpr char kValueMatchingDeviceId[] = "MatchingDeviceId";
constexpr unsigned kClassSubKeyNameSize = 16;
constexpr unsigned kDriverDescSize = 128;
constexpr unsigned kMatchingDeviceIdSize = 128;
constexpr unsigned kLowerSize = 64;

// Hardware enumeration and the TCP/IP protocol instances.
constexpr char kEnumKey[] = "Enum";
constexpr char kBindings[] = "Bindings";
constexpr char kMstcpBindingPrefix[] = "MSTCP\\";  // a Bindings value name: this and the instance
constexpr char kMstcpEnumKey[] = "Enum\\Network\\MSTCP";
constexpr char kValueDriver[] = "Driver";
constexpr char kServicesClassKey[] = "System\\CurrentControlSet\\Services\\Class";
constexpr unsigned kDeviceNameSize = 256;
constexpr unsigned kHardwareInstanceNameSize = 128;
constexpr unsigned kProtocolInstanceNameSize = 10;
constexpr unsigned kBindingValueSize = 16;
constexpr unsigned kDriverSize = 128;

// The binding's class key: the card's IPv4 settings.
constexpr char kValueIPAddress[] = "IPAddress";
constexpr char kValueIPMask[] = "IPMask";
constexpr char kAutomaticAddress[] = "0.0.0.0";  // in both values: obtained by DHCP
constexpr unsigned kAddressValueSize = 128;

// Global TCP/IP settings: "0" means the DNS servers come from DHCP.
constexpr char kMstcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr char kValueEnableDNS[] = "EnableDNS";
constexpr char kAutomaticDns[] = "0";
constexpr unsigned kEnableDnsSize = 4;

// The browser's proxy settings, per user.
constexpr char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kValueProxyEnable[] = "ProxyEnable";
constexpr char kValueProxyServer[] = "ProxyServer";
constexpr char kValueProxyOverride[] = "ProxyOverride";
constexpr unsigned kProxyEnableSize = 4;
constexpr unsigned kProxyServerSize = 64;
constexpr char kLocalBypassSuffix[] = ";<local>";

}  // namespace contracts
