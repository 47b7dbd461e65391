// What the workflows say to the user.
#pragma once

// Raised through the dialog, so captioned with the application's name.
constexpr char kLaunchFailedText[] = "Failed to launch IE";

constexpr char kRestartCaption[] = "System Settings Change";
constexpr char kRestartPromptText[] =
    "You must restart your computer before the new settings will take effect.\n"
    "\n"
    "Do you want to restart your computer now?";
// When Windows turns the reboot request down, the new settings still wait for one.
constexpr char kRestartByHandText[] =
    "Windows could not be restarted automatically.\n"
    "\n"
    "Please restart your computer yourself so that the new settings take effect.";

// Login and "click here".
// On the NT family a pass that repaired something is followed by a fresh one;
// the usual course needs two. A repair that never takes effect (no rights, a
// connection netsh does not know) would otherwise repeat passes without end.
constexpr int kMaxNtPasses = 3;

constexpr char kFailureText[] =
    "Kelvane was unable to complete the diagnostic test.\n"
    "Please refer to user manual for manual setup.";

constexpr char kAdviceText[] =
    "1. Please make sure the KR7740M is on.\n"
    "2. Make sure the straight ethernet cable is connected properly between your KR7740M and "
    "the ethernet adapter.\n"
    "3. If you have multiple Network Card, please select the one connected to KR7740M.\n"
    "4. If you have set the modem to connect to broadband router previously, please find a pin "
    "and press the reset hole at the back of the modem.";

constexpr char kAdviceThreePointText[] =
    "1. Please make sure the KR7740M is on.\n"
    "2. Make sure the straight ethernet cable is connected properly between your KR7740M and "
    "the ethernet adapter.\n"
    "3. If you have multiple Network Card, please select the one connected to KR7740M.";

constexpr char kNoAdapterText[] = "No Network Adapter found!";

constexpr char kBridgeWarningText[] =
    "1) The modem will be set to Transparent Bridge mode.After the modem reboots (approximately "
    "50 seconds),the modem will be in Transparent Bridge mode. In Transparent Bridge mode,you "
    "would not need to configure the modem.All configurations would only need to be done on the "
    "3rd party broadband router.\n"
    "2) You will not be able to get IP address from the modem and will not be able to access the "
    "modem's webpages.\n"
    "3) To reset to default settings, please use the hardware reset button.\n"
    "4) You will not be able to use Kelvane and it will be closed.\n"
    "5) Use the broadband router to connect to the Internet. Refer to the broadband router "
    "manufacturer for details.\n"
    "\n"
    "Are you sure you want to connect to a 3rd party broadband router?";
constexpr char kWarningCaption[] = "WARNING";
