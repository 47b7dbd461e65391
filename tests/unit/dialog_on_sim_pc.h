// The main dialog on a simulated PC, ready for the runner and the checks: its
// window exists, the status picture is bound and the status images are loaded
// as a workflow loads them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "platform/sim/SimulatedPc.h"

class DialogOnSimPc : public ::testing::Test {
protected:
    DialogOnSimPc() {
        hwnd = pc.Create(dlg, IDD_KELVANE_DIALOG);
        CDataExchange dx(&dlg, FALSE);
        DDX_Control(&dx, IDC_STATUS_PICTURE, dlg.m_statusPicture);
        dlg.m_hBusyA = plat::ui().LoadIcon(IDI_BUSY_A);
        dlg.m_hBusyB = plat::ui().LoadIcon(IDI_BUSY_B);
        dlg.m_hIdle = plat::ui().LoadIcon(IDI_IDLE);
    }

    // The one box shown so far, checked to be a plain box owned by the dialog.
    void ExpectOnlyDialogBox(const std::string& text) const {
        ASSERT_EQ(pc.boxes.size(), 1u);
        const sim::Box& box = pc.boxes.front();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.owner, hwnd);
        EXPECT_EQ(box.caption, pc.moduleName);
        EXPECT_EQ(box.style, MB_OK);
    }

    std::string WorkFileText() const { return pc.FileText(contracts::WorkFile); }

    sim::SimulatedPc pc;
    CModemDlg dlg;
    plat::Hwnd hwnd = 0;
};
