// The probe's native twin: the same sub-commands as probe.exe, run on a
// simulated PC loaded from a scenario, so that a Wine test can compare what
// the program does there with what it does natively. One process runs a whole
// sequence, as the Wine test runs it one probe.exe after another on one prefix.
//
// usage: probe_native SCENARIO [--pick N] [--echo] COMMAND [ARGS...] [-- COMMAND [ARGS...]]...
//        probe_native SCENARIO reg     the scenario's Windows 95/98/Me registry as REGEDIT4 text
//
// --pick N: the adapter list, when it comes up, is answered with line N (from
// 0) and OK; without it, the list is cancelled. --echo: each command's output
// comes after a line "> COMMAND ARGS..." (joined by blanks). Message boxes get
// their first button and are written to standard error.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Defs.h"
#include "platform/sim/SimulatedPc.h"
#include "res/resource.h"
#include "simpc/PcModel.h"
#include "tools/probe/ProbeCommands.h"

namespace {

int Usage() {
    std::fputs(
        "usage: probe_native SCENARIO [--pick N] [--echo] COMMAND [ARGS...] [-- COMMAND [ARGS...]]...\n"
        "       probe_native SCENARIO reg\n"
        "commands:\n",
        stderr);
    probe::PrintUsage(stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2) return Usage();

    sim::SimulatedPc pc;
    pc.moduleName = "probe";
    if (!pc.LoadScenarioFile(args[0])) {
        std::fprintf(stderr, "probe_native: cannot load %s\n", args[0].c_str());
        return 2;
    }
    args.erase(args.begin());

    if (args.size() == 1 && args[0] == "reg") {
        std::fputs(simpc::ToRegFile(simpc::Build9xRegistry(pc.model)).c_str(), stdout);
        return 0;
    }

    bool echo = false;
    while (!args.empty() && (args[0] == "--echo" || args[0] == "--pick")) {
        if (args[0] == "--echo") {
            echo = true;
            args.erase(args.begin());
            continue;
        }
        if (args.size() < 2) return Usage();
        const int line = std::atoi(args[1].c_str());
        pc.OnDialog(IDD_ADAPTER_LIST, [line](sim::SimulatedPc& p, plat::Hwnd list) {
            p.SelectListItem(list, IDC_ADAPTER_LIST, line);
            p.Click(list, IDOK);
        });
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) return Usage();

    std::vector<std::vector<std::string>> sequence(1);
    for (const std::string& a : args) {
        if (a == "--") {
            sequence.emplace_back();
        } else {
            sequence.back().push_back(a);
        }
    }

    std::size_t boxesShown = 0;
    for (const std::vector<std::string>& command : sequence) {
        if (echo) {
            std::string line = ">";
            for (const std::string& word : command) line += " " + word;
            std::printf("%s\n", line.c_str());
        }
        const int code = probe::Run(command);
        for (; boxesShown < pc.boxes.size(); ++boxesShown) {
            const sim::Box& box = pc.boxes[boxesShown];
            std::fprintf(stderr, "box %s | %s\n", box.caption.c_str(), box.text.c_str());
        }
        if (code != 0) return code == 2 ? Usage() : code;
    }
    return 0;
}
