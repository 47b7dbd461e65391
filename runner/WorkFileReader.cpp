// STUB: to be written.
#include "app/ModemDlg.h"
#include "runner/WorkFileReader.h"
WorkFileReader::WorkFileReader(CWnd& owner) : m_owner(owner) {}
WorkFileReader::~WorkFileReader() { Close(); }
bool WorkFileReader::Open() { return false; }
bool WorkFileReader::AtEnd() const { return true; }
bool WorkFileReader::ReadLine() { return false; }
void WorkFileReader::Snapshot() {}
void WorkFileReader::Close() {}
