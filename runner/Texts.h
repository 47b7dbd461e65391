// What the command runner tells the user. Its boxes are raised through the
// main dialog (owned, application name as caption, MB_OK).
#pragma once

#include <string>

constexpr char kInvalidHandleValue[] = "INVALID_HANDLE_VALUE";  // WorkFile could not be created
constexpr char kWaitFailed[] = "WAIT_FAILED";                    // the wait for the tool failed

// A tool that outlived its deadline was stopped: the step's label and the
// deadline in seconds fill in the gaps.
constexpr char kStepStoppedStart[] = "The step \"";
constexpr char kStepStoppedMiddle[] = "\" did not finish within ";
constexpr char kStepStoppedEnd[] = " seconds and was stopped.";

inline std::string StepStoppedText(const std::string& label, unsigned long long seconds) {
    return kStepStoppedStart + label + kStepStoppedMiddle + std::to_string(seconds) +
           kStepStoppedEnd;
}
