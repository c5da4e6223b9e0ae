#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "framework/FileDescriptor.h"

class HeldFolder;

// The names of the new files a replacement is written into before it is renamed over what it
// replaces: this prefix, then six letters or digits (as mkostemp makes them). The leading dot keeps
// a file left behind by a replacement that never ended out of sight.
inline constexpr std::string_view kTemporaryNamePrefix = ".atomnote-new-";
inline constexpr std::size_t kTemporaryNameUniqueLength = 6;

// Copies the regular file at source to target, replacing a file already there. The copy is
// written beside the target under a temporary name and renamed onto it only when complete, so
// a failed copy leaves the target as it was and no partial file behind. The copy keeps the
// source's permission bits and its user extended attributes (such as the Finder info) where
// the target's file system keeps them.
//
// Returns 0 on success, else the errno of the failure.
int CopyFileReplacing(const std::filesystem::path& source, const std::filesystem::path& target);
// The same with the target called name in a held folder: the copy is made there from the folder's
// descriptor and renamed onto the name there.
int CopyFileReplacing(const std::filesystem::path& source, const HeldFolder& folder, const std::string& name);

// A new empty file with a unique name beside target, named so that it is hidden if it is ever
// left behind; its path goes to temporaryPath. Not open (errno telling why) when it could not be
// made.
FileDescriptor CreateTemporaryBeside(const std::filesystem::path& target, std::string& temporaryPath);

// Deletes the plain files of folder (not of the folders inside it) whose names are of the kind
// CreateTemporaryBeside gives, ".atomnote-new-" and six letters or digits: what a replacement
// killed between writing its new file and renaming it leaves behind. Folders, links and other items of such a
// name stay. Failures are ignored: what could not be deleted stays. Only for a folder in which no replacement
// is under way: its new file would go too.
void DeleteTemporariesLeftIn(const std::filesystem::path& folder);
