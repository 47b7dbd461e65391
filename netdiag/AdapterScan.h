// Adapter discovery: the two routes that fill an AdapterTableData with the
// cards that may lead to the modem, and the rules both apply to a candidate.
#pragma once

#include "netdiag/Checks.h"
#include "runner/WorkFileReader.h"

// "ipconfig /all" output is scanned for adapter blocks in at most this many
// lines outside the blocks; a block's Description line must lie within the
// window of lines below its header.
constexpr int kAdapterScanPasses = 100;
constexpr int kAdapterBlockWindow = 5;

// Turns a to z into A to Z and leaves every other byte alone, whatever the locale.
void UpperCaseAscii(char* text);

// True when the upper-cased description names a card that cannot lead to the
// modem (dial-up, USB, wireless, PPPoE, modem).
bool IsExcludedDescription(const char* upperDescription);

// Puts a candidate into the next slot. A key that does not fit a slot is not
// kept, since a shortened one would name another card; a long description is
// shortened. A candidate beyond the last slot is left out. True when recorded.
bool RecordAdapter(AdapterTableData& table, const char* key, const char* description);

// NT family: reads the adapter blocks of "ipconfig /all" output from a reader
// that is already open, emptying the table first. The reader stays open.
void ScanAdapterBlocks(WorkFileReader& reader, AdapterTableData& table);

// Windows 95/98/Me: walks the network class key. False, with the table
// untouched, when that key cannot be opened.
bool WalkNetClassKey(AdapterTableData& table);
