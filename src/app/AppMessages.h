#pragma once

#include <string>

// The texts the application object shows.

// Before quitting on a system older than 10.3.
std::string OSVersionTooOldMessage();
// The web-site and updates items without a network connection.
std::string NoNetworkForWebsiteMessage();
std::string NoNetworkForUpdatesMessage();
// When no web browser could be started for the page at url.
std::string BrowserNotStartedMessage(const std::string& url);
