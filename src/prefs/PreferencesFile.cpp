#include "prefs/PreferencesFile.h"

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/FieldCursor.h"
#include "framework/FileCopy.h"
#include "framework/MessageSink.h"
#include "framework/TextFunctions.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "framework/Yield.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/PreferenceMessages.h"
#include "prefs/ProductInfo.h"

namespace {

// More than a preferences file ever holds; the rest of a larger file is not read.
constexpr std::size_t kMaxPreferencesBytes = 1024 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Turns handed to the framework while the file is read are at least this far apart: yielding after
// every one of a million short lines would spend seconds doing nothing.
constexpr std::chrono::milliseconds kYieldInterval{1};

const std::string kDefaultSelection = "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
constexpr int kDefaultUnits[kUnitQuantityUpperBound + 1] = {0, 0, 0, 8, 8, 3, 0, 0, 0,
                                                            0, 0, 0, 8, 0, 1, 1, 0};

std::string Trimmed(const std::string& text) {
  const char* whiteSpace = " \t\r\n";
  std::size_t first = text.find_first_not_of(whiteSpace);
  if (first == std::string::npos) return {};
  std::size_t last = text.find_last_not_of(whiteSpace);
  return text.substr(first, last - first + 1);
}

std::string FlagText(bool value) { return value ? "1" : "0"; }

std::string UnitsText() {
  std::string text;
  for (int j = 0; j <= kUnitQuantityUpperBound; ++j) {
    if (j > 0) text += " ";
    text += Str(prefUnits(j));
  }
  return text;
}

std::vector<std::string> PreferenceLines() {
  return {
      "-- Hollowbrook Works' Atomnote Preferences File --",
      "-- File version 1.0 -- Editing is not recommended --",
      std::string(63, '-'),
      "---- General Settings ----",
      "prefLanguage=" + Str(prefLanguage),
      "prefMonopolizeiPodNotes=" + FlagText(prefMonopolizeiPodNotes),
      "prefVisualTables=" + FlagText(prefVisualTables),
      "prefOmitBlanks=" + FlagText(prefOmitBlanks),
      "prefGlossary=" + FlagText(prefGlossary),
      "prefDiskUseReminder=" + FlagText(prefDiskUseReminder),
      std::string("prefLastUsedVersion=") + kAtomnoteVersion,
      "---- iPod load settings ----",
      "prefPhysical=" + prefPhysical,
      "prefIsotope=" + prefIsotope,
      "prefMisc=" + prefMisc,
      "prefBonding=" + prefBonding,
      "prefCrystal=" + prefCrystal,
      "prefAbundances=" + prefAbundances,
      "---- Unit Settings ----",
      "prefUnits=" + UnitsText(),
  };
}

void ShowError(const std::string& message) { MsgBox(message, kCautionIcon, "Error"); }

// Writes the 20 lines into a new file beside the preferences file and renames it over the old
// one, so the file is always either the earlier one or the complete new one. The new files that
// earlier saves, killed before their rename, left beside it go first; this save's own is made
// after that.
void WritePreferencesFile(const FolderItem& file) {
  DeleteTemporariesLeftIn(file.Parent().Path());
  FolderItem saving = file.CreateTemporarySibling();
  if (saving.IsNil()) throw IOException("no room beside the preferences file for the new one");
  TextOutputStream stream;
  try {
    stream = saving.CreateTextFile();
    saving.SetMacType("pref");
    saving.SetMacCreator("vølk");
    for (const std::string& line : PreferenceLines()) stream.WriteLine(line);
    stream.Close();
    if (!saving.MoveFileTo(file)) throw IOException("the preferences file could not be replaced");
  } catch (...) {
    try {
      stream.Close();
    } catch (...) {
      // The write already failed; that failure is the one reported.
    }
    if (saving.Exists()) saving.Delete();
    throw;
  }
}

// The old file is replaced, not written to, so its folder has to be writable. A file that is
// there but that the user cannot read or write (not a plain file, or its permissions deny it)
// is not the program's to replace.
bool CanWritePreferencesFile(const FolderItem& file) {
  FolderItem folder = file.Parent();
  if (!folder.Directory() || !folder.IsWriteable()) return false;
  return !file.Exists() || (file.IsWriteable() && !file.OpenAsTextFile().IsNil());
}

// One line of the file: "key=value", both trimmed; the value ends at a second "=".
struct PreferenceLine {
  std::string key;
  std::string value;
};

PreferenceLine ParseLine(const std::string& line) {
  return {Trimmed(NthField(line, "=", 1)), Trimmed(NthField(line, "=", 2))};
}

void ReadVersion(const std::string& value) {
  prefLastUsedVersion = value;
  if (Val(value) < Val(kAtomnoteVersion)) {
    gIsNewUser = true;
    MsgBox(UpdateMessage());
  }
}

// When the reading of the file last yielded; each reading starts afresh.
std::chrono::steady_clock::time_point lastYield;

// Yields to the framework after an entry read, unless it did so less than kYieldInterval ago.
void YieldAfterEntry() {
  const std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now();
  if (now - lastYield < kYieldInterval) return;
  lastYield = now;
  Yield();
}

void ReadUnits(const std::string& value) {
  for (int j = 0; j <= kUnitQuantityUpperBound; ++j) {
    prefUnits(j) = ToInteger(Val(NthField(value, " ", j + 1)));
    YieldAfterEntry();
  }
}

bool FlagValue(const std::string& value) { return Val(value) == 1; }

using LineReader = std::function<void(const std::string& value)>;

// The keys in the order they are tested.
const std::vector<std::pair<std::string, LineReader>>& LineReaders() {
  static const std::vector<std::pair<std::string, LineReader>> readers = {
      {"prefLastUsedVersion", ReadVersion},
      {"prefUnits", ReadUnits},
      {"prefLanguage", [](const std::string& v) { prefLanguage = ToInteger(Val(v)); }},
      {"prefMonopolizeiPodNotes", [](const std::string& v) { prefMonopolizeiPodNotes = FlagValue(v); }},
      {"prefVisualTables", [](const std::string& v) { prefVisualTables = FlagValue(v); }},
      {"prefGlossary", [](const std::string& v) { prefGlossary = FlagValue(v); }},
      {"prefDiskUseReminder", [](const std::string& v) { prefDiskUseReminder = FlagValue(v); }},
      {"prefOmitBlanks", [](const std::string& v) { prefOmitBlanks = FlagValue(v); }},
      {"prefPhysical", [](const std::string& v) { prefPhysical = v; }},
      {"prefCrystal", [](const std::string& v) { prefCrystal = v; }},
      {"prefAbundances", [](const std::string& v) { prefAbundances = v; }},
      {"prefIsotope", [](const std::string& v) { prefIsotope = v; }},
      {"prefBonding", [](const std::string& v) { prefBonding = v; }},
      {"prefMisc", [](const std::string& v) { prefMisc = v; }},
  };
  return readers;
}

void ApplyLine(const PreferenceLine& line) {
  for (const auto& [key, read] : LineReaders()) {
    if (line.key == key) {
      read(line.value);
      return;
    }
  }
}

// The text with every line ending as the writer ends its lines: files written by hand, on another
// system or by an earlier version may end them with CR LF or with a CR alone (as the classic Mac
// did). A byte-order mark before the first line is dropped.
std::string WithOurLineEnds(std::string_view content) {
  if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
  std::string text;
  text.reserve(content.size());
  for (std::size_t i = 0; i < content.size(); ++i) {
    if (content[i] != '\r') {
      text += content[i];
      continue;
    }
    text += EndOfLine;
    if (i + 1 < content.size() && content[i + 1] == '\n') ++i;
  }
  return text;
}

void ApplyFileContent(const std::string& content) {
  lastYield = {};
  const std::string text = WithOurLineEnds(content);
  for (FieldCursor lines(text, EndOfLine); !lines.AtEnd();) {
    ApplyLine(ParseLine(std::string(lines.Next())));
    YieldAfterEntry();
  }
}

// The beginning of the file, up to kMaxPreferencesBytes; nothing when it is not a plain file that
// can be read (a folder, a pipe, a device, a link to one): such a file counts as unreadable, and
// reading it never waits and never runs on without end.
std::optional<std::string> ReadPreferencesText(const FolderItem& file) {
  if (!file.IsReadable()) return std::nullopt;
  TextInputStream stream = file.OpenAsTextFile();
  if (stream.IsNil()) return std::nullopt;
  std::string content = stream.Read(kMaxPreferencesBytes);
  stream.Close();
  return content;
}

}  // namespace

FolderItem PreferencesFile() {
  FolderItem folder = PreferencesFolder();
  if (folder.IsNil()) return FolderItem();
  return folder.Child(kPreferencesFileName);
}

void setDefaultPreferences() {
  prefLanguage = 0;
  prefMonopolizeiPodNotes = false;
  prefVisualTables = true;
  prefOmitBlanks = true;
  prefGlossary = false;
  prefDiskUseReminder = true;
  prefLastUsedVersion = Str(Val(kAtomnoteVersion) - 0.1);
  for (std::string* selection :
       {&prefPhysical, &prefCrystal, &prefBonding, &prefAbundances, &prefMisc, &prefIsotope}) {
    *selection = kDefaultSelection;
  }
  for (int j = 0; j <= kUnitQuantityUpperBound; ++j) prefUnits(j) = kDefaultUnits[j];
}

void savePreferences() {
  try {
    FolderItem file = PreferencesFile();
    if (file.IsNil() || !CanWritePreferencesFile(file)) {
      ShowError(PreferencesNotSavedMessage());
      return;
    }
    WritePreferencesFile(file);
  } catch (const std::exception&) {
    ShowError(PreferencesSaveErrorMessage());
  }
}

void loadPreferences() {
  try {
    FolderItem file = PreferencesFile();
    setDefaultPreferences();
    if (!file.Exists()) {
      gIsNewUser = true;
      savePreferences();
      return;
    }
    const std::optional<std::string> content = ReadPreferencesText(file);
    if (!content) return;
    gIsNewUser = false;
    ApplyFileContent(*content);
  } catch (const std::exception&) {
    ShowError(PreferencesReadErrorMessage(PreferencesFolder()));
  }
}
