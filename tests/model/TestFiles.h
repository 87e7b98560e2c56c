#pragma once
// Helpers for document-file tests: a byte builder for hand-made files and a user
// interface stand-in that records messages and answers from queues.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/DocumentFile.h"
#include "model/MemoryFileStore.h"

namespace zelto::fakes {

// Builds a file image field by field, little-endian.
class FileBytes {
 public:
  FileBytes& U8(std::uint8_t v) {
    bytes_.push_back(static_cast<char>(v));
    return *this;
  }
  FileBytes& U16(std::uint16_t v) { return U8(v & 0xFF).U8(static_cast<std::uint8_t>(v >> 8)); }
  FileBytes& U32(std::uint32_t v) {
    return U16(v & 0xFFFF).U16(static_cast<std::uint16_t>(v >> 16));
  }
  FileBytes& Raw(const std::string& s) {
    bytes_ += s;
    return *this;
  }
  FileBytes& Str32(const std::string& s) {
    return U32(static_cast<std::uint32_t>(s.size())).Raw(s);
  }
  FileBytes& Str8(const std::string& s) { return U8(static_cast<std::uint8_t>(s.size())).Raw(s); }
  // The header as written: ':' mark, stream version 257, signature, version.
  FileBytes& Header(const std::string& version = "1.01") {
    return U8(0x3A).U32(257).Str32("ZELTO").Str32(version);
  }
  const std::string& str() const { return bytes_; }

 private:
  std::string bytes_;
};

class FakeUi : public DocumentUi {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;                      // for AskYesNo; empty: No
  std::deque<std::optional<std::string>> names;  // for AskSaveFileName; empty: cancel
  std::vector<FileDialogData> dialogs;           // what each file dialog was given
  int loads = 0;

  std::optional<std::string> AskSaveFileName(const FileDialogData& data) override {
    dialogs.push_back(data);
    if (names.empty()) return std::nullopt;
    auto n = names.front();
    names.pop_front();
    return n;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void DocumentLoaded() override { ++loads; }
};

// A document with its list, dialog data, interface and disk (in memory unless told).
template <typename Store = MemoryFileStore>
struct BasicSession {
  Document doc;
  MemoryCategoryList list;
  FileDialogData dialog;
  FakeUi ui;
  Store files;
  DocumentEnv env{doc, list, dialog, ui, files, "Default"};
};
using Session = BasicSession<>;

}  // namespace zelto::fakes
