#pragma once

#include <string>

#include "framework/Picture.h"

// One accessor per resource of the application's resource file. A resource is read on first use
// and kept until exit; a missing picture is looked for again on the next call, a missing text
// is not (it stays empty). The picture accessors may be called from any thread; the text
// accessors only from the user-interface thread.

// Pictures ("PICT").
Picture newSmallBlackLogo();         // 168
Picture itunes4help();               // 169
Picture vuzarorozedezira90();        // 171
Picture vuzarorozedezira128black();  // 172
Picture itunes6help();               // 173
Picture vuzarorozedezira90mask();    // 174
Picture vuzarorozedezira90dim();     // 175
Picture itunes7circles();            // 176
Picture periodic320vpod();           // 177
Picture atwt320vpod();               // 178
Picture en320vpod();                 // 179
Picture solidliquidgas320vpod();     // 180

// Texts ("TEXT"), as the bytes stored.
std::string physical2();              // 168
std::string physical();               // 169
std::string ores();                   // 170
std::string crystal2();               // 171
std::string abundances();             // 172
std::string colorDat();               // 173
std::string bonding2();               // 174
std::string casNum();                 // 175
std::string history();                // 176
std::string crystal();                // 178
std::string isotope();                // 179
std::string bonding();                // 180
std::string isotope2();               // 181
std::string Abouttheperiodictable();  // 183
std::string AboutAtomnote();          // 184
std::string names();                  // 185
std::string glossary();               // 186
std::string general();                // 187
std::string uses();                   // 188
std::string british();                // 189
// The texts of the windows: the licence agreement (CR-separated lines), and the rights line and
// the credits line of the About window (one line each, no line end).
std::string licenseAgreement();  // 190
std::string aboutRightsLine();   // 191
std::string aboutCreditsLine();  // 192

// Empties every cache slot, as at program start (the program's finalisation, and tests).
void ReleaseResourceCatalogue();
