#include "common/ProgramConfirmation.h"

#include <utility>

#include "model/TextHash.h"

namespace zelto {

std::string RunQuestion(const ProgramLaunchPlan& plan) {
  std::string text = "This entry came with the document. Run it only if you trust it.\n\n";
  switch (plan.kind) {
    case ProgramLaunchPlan::Kind::Start:
      text += "Program: " + plan.target;
      for (std::size_t i = 0; i < plan.arguments.size(); ++i)
        text += "\nArgument " + std::to_string(i + 1) + ": " + plan.arguments[i];
      if (plan.arguments.empty()) text += "\n(no arguments)";
      break;
    case ProgramLaunchPlan::Kind::Open:
      text += "File to open: " + plan.target;
      break;
    case ProgramLaunchPlan::Kind::OpenAddress:
      text += "Address to open: " + plan.target;
      break;
    case ProgramLaunchPlan::Kind::Nothing:
    case ProgramLaunchPlan::Kind::Refused:
      break;
  }
  return text;
}

std::string AllowedProgramKey(const std::string& documentIdentity, const std::string& command) {
  // A path holds no NUL byte, so no two pairs run together into the same bytes.
  return "AllowedPrograms/" + HashText(Fnv1a64(command, Fnv1a64(documentIdentity + '\0')));
}

ProgramPermissions::ProgramPermissions(Memory memory, std::function<std::string()> currentDocument)
    : memory_(std::move(memory)), currentDocument_(std::move(currentDocument)) {}

bool ProgramPermissions::IsAllowed(const std::string& command) const {
  if (allowedHere_.contains(command)) return true;
  const std::string document = currentDocument_();
  return !document.empty() && memory_.recalls(AllowedProgramKey(document, command));
}

void ProgramPermissions::Allow(const std::string& command) {
  allowedHere_.insert(command);
  const std::string document = currentDocument_();
  if (!document.empty()) memory_.remember(AllowedProgramKey(document, command));
}

void ProgramPermissions::DocumentReplaced() { allowedHere_.clear(); }

void ProgramPermissions::DocumentSaved() {
  const std::string document = currentDocument_();
  if (document.empty()) return;
  for (const std::string& command : allowedHere_)
    memory_.remember(AllowedProgramKey(document, command));
}

}  // namespace zelto
