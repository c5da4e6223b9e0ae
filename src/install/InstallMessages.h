#pragma once

#include <string>

// Texts of the messages the install, the removal and the eject show.
inline constexpr char kProblemFindingiPodTitle[] = "Problem finding iPod.";
std::string NothingInstalledMessage();  // titled "Problem finding iPod."
std::string NothingRemovedMessage();    // titled "Problem finding iPod."
std::string RemovedMessage();
std::string iPodAccessErrorMessage();  // #701
std::string SetupErrorMessage();       // #703
std::string UninstallErrorMessage();   // #705
std::string CleanupErrorMessage();     // #928
std::string EjectFailedMessage();

// A removal that could not delete everything of Atomnote.
inline constexpr char kNotAllRemovedTitle[] = "Problem removing Atomnote.";
std::string NotAllRemovedMessage();

// Another install or removal is writing on the iPod.
inline constexpr char kiPodBusyTitle[] = "iPod is busy.";
std::string iPodBusyInstallMessage();
std::string iPodBusyRemovalMessage();

// "Eject iPod and Quit" failed: EjectFailedMessage, then why.
std::string EjectFailedBecauseMessage(const std::string& reason);
// The reasons when the eject helper gave none itself.
std::string EjectTookTooLongReason();
std::string EjectHelperStoppedReason();
std::string EjectHelperExitCodeReason(int exitCode);
