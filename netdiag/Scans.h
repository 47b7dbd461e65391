// The parts of the TCP/IP checks that need no dialog: how an adapter key is
// cut into the search items of the binding lookup, how the netsh repair
// command lines are built, and how the netsh listings in WorkFile are read.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

class WorkFileReader;

// The search items of the binding lookup, cut from a device id such as
// "PCI\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10".
struct AdapterKeyCut {
    std::string bus;    // up to the first backslash (or all of it), case kept
    std::string match;  // after it, upper-cased, up to its second '&'
};
AdapterKeyCut CutAdapterKey(const std::string& key);

// Upper-cases the letters a to z and nothing else.
std::string UpperAscii(std::string text);

constexpr std::size_t kCommandLineSize = 128;
// Adapter keys come from 64-byte slots; anything longer did not come from
// the discovery and is never passed on to a tool.
constexpr std::size_t kMaxAdapterKeyLength = 63;

// The connection name as netsh prints and takes it: in double quotes.
std::string QuotedKey(const std::string& key);

// Fills line with prefix, the quoted key and " dhcp". Returns false, with an
// empty line, when the key cannot be handed to a tool safely: longer than an
// adapter key can be, holding a double quote or a NUL (either would change
// the command's arguments), or not fitting the line.
bool BuildDhcpCommand(char (&line)[kCommandLineSize], const char* prefix, const std::string& key);

// "netsh interface ip show address": 1 when the line after the connection's
// line says "Yes", 2 when an error line comes first, otherwise 0. The line
// after the connection's line is tested for "Yes" alone.
int ScanShowAddress(WorkFileReader& reader, const char* pattern);

// "netsh interface ip set address ... dhcp": 2 on an error line, 1 on "Ok"
// or when the output ends without either.
int ScanSetAddress(WorkFileReader& reader);

// "netsh interface ip show dns": 1 when the line after the connection's line
// says the servers come from DHCP. Every other line after a connection's line
// calls repair, and the scan goes on; the result is then 0. A repair may
// rewrite WorkFile, so the reader must hold the listing already (Snapshot).
int ScanShowDns(WorkFileReader& reader, const char* pattern, const std::function<void()>& repair);
