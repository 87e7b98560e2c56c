#pragma once
// Program entries: composing their text from the program dialog's fields, taking it
// apart again, and planning how the command is started. Texts are Windows-1252 bytes.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto {

// The most characters each field of the program dialog takes.
inline constexpr std::size_t ProgramFieldLimit = 511;

// description CR LF path, and one blank and the arguments when there are any.
std::string ProgramEntryText(std::string_view description, std::string_view path,
                             std::string_view arguments);

// The text the program dialog's OK stores, or nothing (the dialog stays open) when the
// description or the path is empty.
std::optional<std::string> ComposeProgramEntry(std::string_view description, std::string_view path,
                                               std::string_view arguments);

struct ProgramEntryParts {
  std::string description;             // the text before the first line break
  std::optional<std::string> command;  // everything after the first LF; none without an LF
};

// Takes a program entry's text apart at its first LF (a CR before it belongs to the break).
ProgramEntryParts SplitProgramEntry(std::string_view entryText);

// A command split into words as a POSIX shell splits them, without running a shell:
// blanks, tabs and line breaks separate words; '...' is taken literally; "..." keeps
// blanks, and a backslash in it escapes only $ ` " \ and a line break; outside quotes a
// backslash takes the next character literally. No variables, globs or redirections.
struct CommandWords {
  std::vector<std::string> words;
  std::string error;  // not empty when a quote is left open
  bool Ok() const { return error.empty(); }
};
CommandWords SplitCommandLine(std::string_view command);

// True when `command` is an address with a scheme ("http://...", "mailto:...",
// "file:///..."): letters, then letters, digits, '+', '-' or '.', then ':' and more. A
// single letter before the ':' is a drive, not a scheme.
bool IsAddressWithScheme(std::string_view command);

// How a program entry is started.
struct ProgramLaunchPlan {
  enum class Kind {
    Nothing,      // the entry has no command line: nothing happens
    Start,        // start `target` detached with `arguments`
    Open,         // open the file `target` with the desktop's default application
    OpenAddress,  // hand the address `target` to the desktop's handler for its scheme
    Refused,      // the command cannot be started; `reason` says why
  };
  Kind kind = Kind::Nothing;
  std::string target;
  std::vector<std::string> arguments;
  std::string reason;
};

// Answers whether a word names a program that can be run (a path to an executable file
// or the name of one on the search path); the resolved program, or nothing.
using ProgramFinder = std::function<std::optional<std::string>(const std::string& word)>;

// The plan for running a program entry: a command that is an address with a scheme is
// opened as that address; otherwise its first word, when it names a program, is started
// with the other words as arguments, and anything else is opened as a file (a lone word
// as it stands, several words as the whole command, so that a path with blanks still
// opens).
ProgramLaunchPlan PlanProgramLaunch(std::string_view entryText, const ProgramFinder& findProgram);

}  // namespace zelto
