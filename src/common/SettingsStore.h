#pragma once
// The settings key of the program: one flat set of named values, each either a number
// (a 32-bit DWORD) or a text. Reads never fail: a value that is missing, unreadable or too
// long gives the caller's default. Writes report success, but the program ignores a failure.
//
// A backend (the INI file or registry store, the memory store of the tests) provides the raw
// access; the typed reads and writes and their encodings live here, once for all backends.
// Texts are bytes of the Windows-1252 code page, like every other text of the program.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zelto {

// A colour value: red + green * 256 + blue * 65536.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
         (static_cast<Colour>(blue) << 16);
}
constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// The longest text a setting may hold; a longer stored text reads as missing.
inline constexpr std::size_t MaxSettingText = 99;
// The default file and the default category hold a path or a category name, which are often
// longer; they take texts up to this length.
inline constexpr std::size_t MaxLongSettingText = 4096;

// A value as the backend holds it.
using StoredValue = std::variant<std::uint32_t, std::string>;

// "%d,%d,%d" of three numbers 0 to 255; anything else (fewer numbers, a number out of
// range) is no colour.
std::optional<Colour> ParseColour(std::string_view text);
// The text a colour is stored as, "red,green,blue".
std::string ColourText(Colour colour);
// A decimal number at the start of the text (leading blanks allowed, trailing text
// ignored), with a decimal point or a decimal comma ("1.5" and "1,5"). Independent of the
// process locale; infinities and NaN are not numbers.
std::optional<double> ParseReal(std::string_view text);
// A whole decimal number, surrounding blanks allowed: 0 to 4294967295, or a negative number
// down to -2147483648 taken as its 32-bit two's complement (how a DWORD holds it).
std::optional<std::uint32_t> ParseDword(std::string_view text);

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Opens the settings key, creating it when missing. While it is not open, every read gives
  // its default and every write fails. Returns whether the key is open.
  bool OpenSettingsKey();
  // Closes the key; values written since it was opened are on disk afterwards.
  void CloseSettingsKey();
  bool IsOpen() const { return open_; }

  // Whether a value of this name exists (of any type).
  bool HasValue(std::string_view name) const;

  std::uint32_t ReadDword(std::string_view name, std::uint32_t fallback) const;
  // A text longer than `maxLength` gives the default.
  std::string ReadString(std::string_view name, std::string_view fallback,
                         std::size_t maxLength = MaxSettingText) const;
  Colour ReadColour(std::string_view name, Colour fallback) const;
  double ReadReal(std::string_view name, double fallback) const;

  bool WriteDword(std::string_view name, std::uint32_t value);
  bool WriteString(std::string_view name, std::string_view text);
  // The colour as its "red,green,blue" text.
  bool WriteColour(std::string_view name, Colour colour);

 protected:
  // Backend operations. Open and Close come in pairs; Get and Set run only in between.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual std::optional<StoredValue> Get(std::string_view name) const = 0;
  virtual bool Set(std::string_view name, const StoredValue& value) = 0;

 private:
  std::optional<StoredValue> Lookup(std::string_view name) const;
  bool open_ = false;
};

// A store in memory, for tests and for running without a settings file.
class MemorySettingsStore : public SettingsStore {
 public:
  // Direct access to the stored values, bypassing the open key.
  void Put(std::string_view name, StoredValue value);
  std::optional<StoredValue> Peek(std::string_view name) const;
  void Erase(std::string_view name);
  std::size_t Size() const { return values_.size(); }
  const std::map<std::string, StoredValue, std::less<>>& Values() const { return values_; }
  // Makes the next Open fail, as a key without access rights would.
  void SetUnavailable(bool unavailable) { unavailable_ = unavailable; }
  int OpenCount() const { return openCount_; }

 protected:
  bool Open() override;
  void Close() override {}
  std::optional<StoredValue> Get(std::string_view name) const override;
  bool Set(std::string_view name, const StoredValue& value) override;

 private:
  std::map<std::string, StoredValue, std::less<>> values_;
  bool unavailable_ = false;
  int openCount_ = 0;
};

}  // namespace zelto
