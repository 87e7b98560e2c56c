#pragma once
// A fast, stable hash of bytes (64-bit FNV-1a) for names and checksums that must come out
// the same in every run and on every machine. Not for secrets.
#include <cstdint>
#include <string>
#include <string_view>

namespace zelto {

std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t hash = 14695981039346656037ull);
// The hash as 16 lower-case hexadecimal digits.
std::string HashText(std::uint64_t hash);

}  // namespace zelto
