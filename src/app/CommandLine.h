#pragma once
// The command line at start-up: whether to write or remove the file-type registration, and
// which document to open.
//
// The program receives its arguments one by one (argv). The command line is argv[1..]
// joined with single blanks, and that whole text is the name of the document to open when
// it is not empty, so a name with blanks works quoted or not. Each argument is one token:
// an argument that holds a blank or a tab was quoted on purpose and is a file name, never an
// option. The option that removes the registration is not part of the name: 'zelto -u'
// removes the registration and opens the default document, not one named "-u".
//
// A token that begins with '-' or '/' is an option; its word runs up to the next '=', '/',
// blank or tab (after "--", the word follows the second dash). If any option word, compared
// without regard to case over its own length, equals the beginning of "unregister" ('-u',
// '/UNREG', '--unregister', a bare '-'), the registration is removed instead of written.
//
// Absolute paths also begin with '/'. A '/' token is taken as a file name, not an option,
// when it names an existing file or holds a further '/' (as '/home/me/a.zlt' does), so
// '/U' and '/UNREG' keep working while paths never remove the registration.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelto {

struct CommandLineAction {
  bool unregister = false;   // remove the file-type registration instead of writing it
  std::string documentName;  // the document to open; empty: the default document
};

// `isFile` tells whether a path names an existing file.
using FileTest = std::function<bool(const std::string&)>;

// The program's arguments after its name. Called once QApplication has been built on argc
// and argv: it takes its own options (-style, -platform, -session, -display, ...) out of
// them, and those never become part of the document name.
std::vector<std::string> ArgumentsLeftByQt(int argc, const char* const* argv);

// The command line of the arguments after the program name.
std::string JoinCommandLine(const std::vector<std::string>& args);

// Whether one token is an option that asks for the registration to be removed.
bool IsUnregisterOption(std::string_view token, const FileTest& isFile);

CommandLineAction ParseCommandLine(const std::vector<std::string>& args, const FileTest& isFile);

}  // namespace zelto
