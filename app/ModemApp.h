// The application object: runs the main dialog once, or restores a copy
// that is already running.
#pragma once

#include "platform/framework/Afx.h"

class CModemApp : public CWinApp {
public:
    CModemApp();
    BOOL InitInstance() override;
    bool OnCmdMsg(UINT id) override;
};

extern CModemApp theApp;
