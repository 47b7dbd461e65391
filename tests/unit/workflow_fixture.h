// The main dialog on a simulated PC loaded from a scenario, for the button
// workflows: the whole course of a click is read back from the PC's record.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "netdiag/Checks.h"
#include "platform/sim/SimulatedPc.h"
#include "simpc/PcModel.h"

class WorkflowOnSimPc : public ::testing::Test {
protected:
    WorkflowOnSimPc() {
        AdapterTable = AdapterTableData{};
        g_hMainWnd = 0;
    }

    // Loads tests/scenarios/<name>.txt and opens the main dialog.
    void Start(const std::string& scenario) {
        ASSERT_TRUE(pc.LoadScenarioFile(std::string(KELVANE_SOURCE_DIR) + "/tests/scenarios/" +
                                        scenario + ".txt"))
            << scenario;
        hwnd = pc.Create(dlg, IDD_KELVANE_DIALOG);
    }

    void Click(int id) { pc.Click(hwnd, id); }

    // The command lines of the tool runs, in order.
    std::vector<std::string> Runs() const {
        std::vector<std::string> lines;
        for (const sim::ToolRun& run : pc.runs) lines.push_back(run.commandLine);
        return lines;
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const sim::Box& box : pc.boxes) texts.push_back(box.text);
        return texts;
    }

    bool Visible() { return pc.FindWindow(hwnd)->visible; }
    bool Ended() { return pc.FindWindow(hwnd)->ended; }
    bool WorkFileExists() const { return pc.HasFile(contracts::WorkFile); }

    // WorkFile becomes unreadable for the check after tool run number `run`
    // (counted from 1): that run's WorkFile cannot be created, since a
    // read-only file of that name is in the way, and while the runner's box
    // about it is up the file disappears. Both modelled tools keep working.
    void LoseWorkFileAtRun(int run) {
        if (run == 1) BlockWorkFile();
        for (const char* exe : {"\\ipconfig.exe", "\\netsh.exe"}) {
            const std::string dir = pc.model.family == 1 ? pc.windowsDir : pc.systemDir;
            const bool ipconfig = std::string(exe) == "\\ipconfig.exe";
            pc.SetTool(dir + exe, [this, run, ipconfig](const std::string& line) {
                sim::ToolResult result;
                result.out = ipconfig ? simpc::RunIpconfig(pc.model, line).out
                                      : simpc::RunNetsh(pc.model, line).out;
                if (static_cast<int>(pc.runs.size()) + 1 == run - 1) BlockWorkFile();
                return result;
            });
        }
    }

    void BlockWorkFile() {
        pc.PutFile(contracts::WorkFile, "", true);
        pc.AnswerNextBox(IDOK, [this] {
            pc.PutFile(contracts::WorkFile, "");
            plat::kernel().RemoveFile(contracts::WorkFile);
        });
    }

    static std::string Page(const char* path) {
        return std::string("http://") + contracts::ModemAddress + path;
    }

    sim::SimulatedPc pc;
    CModemDlg dlg;
    plat::Hwnd hwnd = 0;
};

// Command lines as the program runs them.
namespace cmd {
inline const std::string kRelease = "ipconfig /release";
inline const std::string kRenew = "ipconfig /renew";
inline const std::string kRelease9x = "ipconfig /release_all";
inline const std::string kRenew9x = "ipconfig /renew_all";
inline const std::string kAll = "ipconfig /all";
inline const std::string kShowDns = "netsh interface ip show dns";
inline const std::string kShowAddress = "netsh interface ip show address";
inline std::string SetDns(const std::string& name) {
    return "netsh interface ip set dns \"" + name + "\" dhcp";
}
inline std::string SetAddress(const std::string& name) {
    return "netsh interface ip set address \"" + name + "\" dhcp";
}
}  // namespace cmd
