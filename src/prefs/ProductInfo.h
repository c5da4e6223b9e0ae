#pragma once

// What the program says about itself and its maker.
inline constexpr const char* kAtomnoteVersion = "1.6.2";
// The program's name, as the desktop shows it on a message box without a title of its own.
inline constexpr const char* kProgramName = "Atomnote Installer";
inline constexpr const char* kMakerName = "Hollowbrook Works";
inline constexpr const char* kMakerWebSite = "www.hollowbrookworks.com";
// The maker's home page and the page its programs are downloaded from, opened in the browser.
inline constexpr const char* kMakerHomePage = "https://www.hollowbrookworks.com/";
inline constexpr const char* kMakerDownloadsPage = "https://www.hollowbrookworks.com/downloads/";
inline constexpr const char* kMakerSupportAddress = "support@hollowbrookworks.com";
