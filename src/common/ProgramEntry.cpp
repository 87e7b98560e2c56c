#include "common/ProgramEntry.h"

#include "model/TextOrder.h"

namespace zelto {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string ProgramEntryText(std::string_view description, std::string_view path,
                             std::string_view arguments) {
  std::string text(description);
  text += "\r\n";
  text += path;
  if (!arguments.empty()) {
    text += ' ';
    text += arguments;
  }
  return text;
}

std::optional<std::string> ComposeProgramEntry(std::string_view description, std::string_view path,
                                               std::string_view arguments) {
  if (description.empty() || path.empty()) return std::nullopt;
  return ProgramEntryText(description, path, arguments);
}

ProgramEntryParts SplitProgramEntry(std::string_view entryText) {
  ProgramEntryParts parts;
  const std::size_t lf = entryText.find('\n');
  std::string_view description = entryText.substr(0, lf);
  if (lf != std::string_view::npos && !description.empty() && description.back() == '\r')
    description.remove_suffix(1);
  parts.description = std::string(description);
  if (lf != std::string_view::npos) parts.command = std::string(entryText.substr(lf + 1));
  return parts;
}

CommandWords SplitCommandLine(std::string_view command) {
  CommandWords result;
  std::string word;
  bool inWord = false;
  std::size_t i = 0;
  const std::size_t n = command.size();
  while (i < n) {
    const char c = command[i];
    if (IsBlank(c)) {
      if (inWord) result.words.push_back(std::move(word));
      word.clear();
      inWord = false;
      ++i;
    } else if (c == '\'') {
      const std::size_t close = command.find('\'', i + 1);
      if (close == std::string_view::npos) {
        result.error = "A single quote (') is not closed.";
        return result;
      }
      word.append(command.substr(i + 1, close - i - 1));
      inWord = true;
      i = close + 1;
    } else if (c == '"') {
      ++i;
      bool closed = false;
      while (i < n) {
        const char d = command[i];
        if (d == '"') {
          closed = true;
          ++i;
          break;
        }
        if (d == '\\' && i + 1 < n &&
            (command[i + 1] == '$' || command[i + 1] == '`' || command[i + 1] == '"' ||
             command[i + 1] == '\\' || command[i + 1] == '\n')) {
          if (command[i + 1] != '\n') word += command[i + 1];
          i += 2;
          continue;
        }
        word += d;
        ++i;
      }
      if (!closed) {
        result.error = "A double quote (\") is not closed.";
        return result;
      }
      inWord = true;
    } else if (c == '\\') {
      inWord = true;
      if (i + 1 < n) {
        // An escaped line break joins the lines; any other character stands for itself.
        if (command[i + 1] != '\n') word += command[i + 1];
        i += 2;
      } else {
        word += c;  // a backslash at the very end stands for itself
        ++i;
      }
    } else {
      word += c;
      inWord = true;
      ++i;
    }
  }
  if (inWord) result.words.push_back(std::move(word));
  return result;
}

bool IsAddressWithScheme(std::string_view command) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  const auto schemeChar = [&letter](char c) {
    return letter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
  };
  if (command.empty() || !letter(command.front())) return false;
  std::size_t colon = 1;
  while (colon < command.size() && schemeChar(command[colon])) ++colon;
  return colon >= 2 && colon + 1 < command.size() && command[colon] == ':';
}

ProgramLaunchPlan PlanProgramLaunch(std::string_view entryText, const ProgramFinder& findProgram) {
  ProgramLaunchPlan plan;
  const ProgramEntryParts parts = SplitProgramEntry(entryText);
  if (!parts.command) return plan;
  const std::string_view command = Trim(*parts.command);
  if (command.empty()) {
    plan.kind = ProgramLaunchPlan::Kind::Refused;
    plan.reason = "The entry names no program to start.";
    return plan;
  }
  if (IsAddressWithScheme(command)) {
    plan.kind = ProgramLaunchPlan::Kind::OpenAddress;
    plan.target = std::string(command);
    return plan;
  }
  CommandWords split = SplitCommandLine(command);
  if (!split.Ok()) {
    plan.kind = ProgramLaunchPlan::Kind::Refused;
    plan.reason = split.error;
    return plan;
  }
  if (split.words.empty() || split.words.front().empty()) {  // e.g. only ''
    plan.kind = ProgramLaunchPlan::Kind::Refused;
    plan.reason = "The entry names no program to start.";
    return plan;
  }
  if (auto program = findProgram(split.words.front())) {
    plan.kind = ProgramLaunchPlan::Kind::Start;
    plan.target = std::move(*program);
    plan.arguments.assign(split.words.begin() + 1, split.words.end());
    return plan;
  }
  plan.kind = ProgramLaunchPlan::Kind::Open;
  plan.target = split.words.size() == 1 ? split.words.front() : std::string(command);
  return plan;
}

}  // namespace zelto
