#pragma once

// What the program says about itself and its maker.
inline constexpr const char* kAtomnoteVersion = "1.6.2";
inline constexpr const char* kMakerName = "Hollowbrook Works";
inline constexpr const char* kMakerWebSite = "www.hollowbrookworks.com";
// The maker's home page and the page its programs are downloaded from, opened in the browser.
inline constexpr const char* kMakerHomePage = "https://www.hollowbrookworks.com/";
inline constexpr const char* kMakerDownloadsPage = "https://www.hollowbrookworks.com/downloads/";
inline constexpr const char* kMakerSupportAddress = "support@hollowbrookworks.com";
