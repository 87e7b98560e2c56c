// Reads arbitrary bytes as a recovery copy, and writes a recovery copy of whatever document
// the bytes hold: the trailer must read back to the same path and document, and the copy
// must still open as that document, since the loader stops after the notes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "model/DocumentCodec.h"
#include "model/RecoveryCopy.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

constexpr std::size_t TrailerSize = 4 + 8 + zelto::RecoveryMark.size();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelto;
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  if (const std::optional<RecoveryContent> read = DecodeRecoveryCopy(input)) {
    Check(read->documentBytes.size() + read->documentPath.size() + TrailerSize == size);
    Check(read->documentBytes.data() == input.data());
  }

  const DecodedDocument doc = DecodeDocument(input);
  if (!doc.isZelto) return 0;
  // Any bytes may name the document, a trailer's mark among them.
  std::string path(input.substr(0, std::min<std::size_t>(size, 300)));
  std::reverse(path.begin(), path.end());

  const std::string copy = EncodeRecoveryCopy(doc.tabs, path);
  const std::string document = EncodeDocument(doc.tabs, FileLayout::V101);
  const std::optional<RecoveryContent> back = DecodeRecoveryCopy(copy);
  Check(back && back->documentPath == path && back->documentBytes == document);

  const DecodedDocument opened = DecodeDocument(copy);
  Check(opened.isZelto && !opened.Damaged());
  Check(EncodeDocument(opened.tabs, FileLayout::V101) == document);
  return 0;
}
