#pragma once
// The recovery copy of a document's unsaved changes: a document file (layout "1.01")
// followed by a trailer that records whose copy it is, and the names such copies are kept
// under in the recovery folder.
//
// The trailer, after the document's bytes: the document's path, that path's length (u32),
// a 64-bit FNV-1a checksum of everything before the checksum, and the mark "ZLTRECOV". The
// program's loader reads the file as a document and never looks past the notes, so a copy
// can also be opened like any document.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/TabList.h"

namespace zelto {

inline constexpr std::string_view RecoveryMark = "ZLTRECOV";

// The file image of the copy of `tabs` for the document at `documentPath`.
std::string EncodeRecoveryCopy(const TabList& tabs, const std::string& documentPath);

struct RecoveryContent {
  std::string documentPath;
  std::string_view documentBytes;  // a part of the decoded image
};

// The parts of a complete recovery copy; nothing when the image is not one (cut short,
// changed, without its trailer).
std::optional<RecoveryContent> DecodeRecoveryCopy(std::string_view image);

// The file name (without a folder) of the copy for the document whose full path, links
// resolved, is `identity`: the document's own name, so that a user finds it, and a hash of
// the whole path, so that documents of the same name in other folders have copies of their own.
std::string RecoveryCopyName(const std::string& identity);

// The file name of the copy that one run of the program makes of the document `identity`
// while another program holds the document's file: beside the document's own copy name, so
// that neither program's copy replaces or deletes the other's, and found again by
// IsSharedCopyNameOf.
std::string SharedCopyName(const std::string& identity, const std::string& runTag);
bool IsSharedCopyNameOf(const std::string& identity, std::string_view name);

// A document that has no file yet is named, for its recovery copy, by an identity of its own
// for one run of the program: no path, so it never meets the copy of a file, and `runTag`
// keeps the runs apart. Its copy is called "Untitled-<hash>.zlt".
std::string UnnamedIdentity(const std::string& runTag);
bool IsUnnamedIdentity(std::string_view identity);
// Whether `name` may be the copy of an unnamed document (the recorded identity decides).
bool IsUnnamedCopyName(std::string_view name);

// The names a copy is set aside under: "<name without .zlt>.set-aside-<number>.zlt".
std::string SetAsideName(const std::string& copyName, int number);
// The number of `name` when it is a set-aside name of `copyName`; nothing otherwise.
std::optional<int> SetAsideNumber(const std::string& copyName, const std::string& name);

}  // namespace zelto
