#include "model/RecoveryCopy.h"

#include "model/DocumentCodec.h"
#include "model/TextHash.h"

namespace zelto {

namespace {

constexpr std::size_t ChecksumSize = 8;
constexpr std::size_t LengthSize = 4;
constexpr std::string_view CopyExtension = ".zlt";
constexpr std::string_view SetAsideInfix = ".set-aside-";
constexpr std::string_view SharedInfix = ".shared-";
constexpr std::string_view UnnamedPrefix = "unnamed:";
constexpr std::string_view UnnamedCopyStem = "Untitled-";
// The part of the document's own name that goes into a copy's name.
constexpr std::size_t MaxNameInCopyName = 64;

void AppendLittleEndian(std::string& out, std::uint64_t value, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t ReadLittleEndian(std::string_view bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

std::string_view Stem(std::string_view copyName) {
  if (copyName.size() >= CopyExtension.size() &&
      copyName.substr(copyName.size() - CopyExtension.size()) == CopyExtension)
    copyName.remove_suffix(CopyExtension.size());
  return copyName;
}

}  // namespace

std::string EncodeRecoveryCopy(const TabList& tabs, const std::string& documentPath) {
  std::string image = EncodeDocument(tabs, FileLayout::V101);
  image.reserve(image.size() + documentPath.size() + LengthSize + ChecksumSize +
                RecoveryMark.size());
  image += documentPath;
  AppendLittleEndian(image, documentPath.size(), LengthSize);
  AppendLittleEndian(image, Fnv1a64(image), ChecksumSize);
  image += RecoveryMark;
  return image;
}

std::optional<RecoveryContent> DecodeRecoveryCopy(std::string_view image) {
  constexpr std::size_t fixed = LengthSize + ChecksumSize + RecoveryMark.size();
  if (image.size() < fixed || image.substr(image.size() - RecoveryMark.size()) != RecoveryMark)
    return std::nullopt;
  const std::size_t checksumAt = image.size() - RecoveryMark.size() - ChecksumSize;
  const std::size_t lengthAt = checksumAt - LengthSize;
  const std::uint64_t pathLength = ReadLittleEndian(image.substr(lengthAt, LengthSize));
  if (pathLength > lengthAt) return std::nullopt;
  if (ReadLittleEndian(image.substr(checksumAt, ChecksumSize)) !=
      Fnv1a64(image.substr(0, checksumAt)))
    return std::nullopt;
  const std::size_t pathAt = lengthAt - static_cast<std::size_t>(pathLength);
  return RecoveryContent{std::string(image.substr(pathAt, pathLength)), image.substr(0, pathAt)};
}

std::string UnnamedIdentity(const std::string& runTag) {
  return std::string(UnnamedPrefix) + runTag;
}

bool IsUnnamedIdentity(std::string_view identity) {
  return identity.substr(0, UnnamedPrefix.size()) == UnnamedPrefix;
}

bool IsUnnamedCopyName(std::string_view name) {
  return name.substr(0, UnnamedCopyStem.size()) == UnnamedCopyStem &&
         name.find(SetAsideInfix) == std::string_view::npos;
}

std::string RecoveryCopyName(const std::string& identity) {
  if (IsUnnamedIdentity(identity))
    return std::string(UnnamedCopyStem) + HashText(Fnv1a64(identity)) + std::string(CopyExtension);
  std::string_view name = identity;
  if (const std::size_t slash = name.find_last_of('/'); slash != std::string_view::npos)
    name.remove_prefix(slash + 1);
  if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
    name = name.substr(0, dot);
  std::string readable(name.substr(0, MaxNameInCopyName));
  for (char& c : readable)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\\') c = '_';
  if (readable.empty()) readable = "document";

  return readable + "-" + HashText(Fnv1a64(identity)) + std::string(CopyExtension);
}

std::string SharedCopyName(const std::string& identity, const std::string& runTag) {
  return std::string(Stem(RecoveryCopyName(identity))) + std::string(SharedInfix) +
         HashText(Fnv1a64(runTag)) + std::string(CopyExtension);
}

bool IsSharedCopyNameOf(const std::string& identity, std::string_view name) {
  const std::string prefix =
      std::string(Stem(RecoveryCopyName(identity))) + std::string(SharedInfix);
  return name.size() > prefix.size() + CopyExtension.size() && name.starts_with(prefix) &&
         name.ends_with(CopyExtension) && name.find(SetAsideInfix) == std::string_view::npos;
}

std::string SetAsideName(const std::string& copyName, int number) {
  return std::string(Stem(copyName)) + std::string(SetAsideInfix) + std::to_string(number) +
         std::string(CopyExtension);
}

std::optional<int> SetAsideNumber(const std::string& copyName, const std::string& name) {
  const std::string prefix = std::string(Stem(copyName)) + std::string(SetAsideInfix);
  std::string_view rest = name;
  if (rest.substr(0, prefix.size()) != prefix) return std::nullopt;
  rest.remove_prefix(prefix.size());
  if (rest.size() <= CopyExtension.size() ||
      rest.substr(rest.size() - CopyExtension.size()) != CopyExtension)
    return std::nullopt;
  rest.remove_suffix(CopyExtension.size());
  if (rest.size() > 9) return std::nullopt;
  int number = 0;
  for (const char c : rest) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace zelto
