#include "app/CommandLine.h"

#include "model/TextOrder.h"

namespace zelto {

namespace {

bool HoldsBlank(std::string_view token) {
  return token.find_first_of(" \t") != std::string_view::npos;
}

// The word of an option token, or false when the token is no option.
bool OptionWord(std::string_view token, const FileTest& isFile, std::string_view& word) {
  if (token.empty() || HoldsBlank(token)) return false;
  std::string_view rest = token.substr(1);
  if (token.front() == '-') {
    // "--name" is the long form of "-name"; "--" alone ends the options by convention.
    if (!rest.empty() && rest.front() == '-') {
      if (rest.size() == 1) return false;
      rest.remove_prefix(1);
    }
  } else if (token.front() == '/') {
    if (rest.find('/') != std::string_view::npos) return false;
    if (isFile && isFile(std::string(token))) return false;
  } else {
    return false;
  }
  word = rest.substr(0, rest.find_first_of("=/"));
  return true;
}

}  // namespace

std::vector<std::string> ArgumentsLeftByQt(int argc, const char* const* argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc && argv[i] != nullptr; ++i) args.emplace_back(argv[i]);
  return args;
}

std::string JoinCommandLine(const std::vector<std::string>& args) {
  std::string line;
  for (const std::string& arg : args) {
    if (&arg != &args.front()) line += ' ';
    line += arg;
  }
  return line;
}

bool IsUnregisterOption(std::string_view token, const FileTest& isFile) {
  std::string_view word;
  if (!OptionWord(token, isFile, word)) return false;
  constexpr std::string_view unregister = "unregister";
  return word.size() <= unregister.size() && TextStartsWith(unregister, word);
}

CommandLineAction ParseCommandLine(const std::vector<std::string>& args, const FileTest& isFile) {
  CommandLineAction action;
  std::vector<std::string> nameParts;
  for (const std::string& arg : args) {
    if (IsUnregisterOption(arg, isFile)) {
      action.unregister = true;
    } else {
      nameParts.push_back(arg);
    }
  }
  action.documentName = JoinCommandLine(nameParts);
  return action;
}

}  // namespace zelto
