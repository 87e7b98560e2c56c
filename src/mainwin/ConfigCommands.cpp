#include "mainwin/ConfigCommands.h"

#include <QColorDialog>
#include <QFile>
#include <QFileInfo>
#include <utility>

#include "common/CommandIds.h"
#include "common/CommandTable.h"
#include "dialogs/TCatDialog.h"
#include "dialogs/TFontDialog.h"
#include "mainwin/ConfigValues.h"
#include "mainwin/ScreenLook.h"
#include "mainwin/TZeltoWindow.h"
#include "mainwin/TextPrompt.h"
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "platform/ScreenFont.h"
#include "view/TNoteWindow.h"

namespace zelto {
namespace {

struct ColourSetting {
  int id;
  const char* name;
  Colour ZeltoSettings::*member;
};

constexpr ColourSetting ColourSettings[] = {
    {CM_COLORCATEGORY, "CatColor", &ZeltoSettings::CatColor},
    {CM_COLORDETAIL, "DetailColor", &ZeltoSettings::DetailColor},
    {CM_COLORNOTE, "MainColor", &ZeltoSettings::MainColor},
    {CM_COLOREXECUTE, "ExecColor", &ZeltoSettings::ExecColor},
    {CM_COLORNOPRINT, "NoPrintColor", &ZeltoSettings::NoPrintColor},
};

struct MarginSetting {
  int id;
  const char* label;
  const char* name;
  double ZeltoSettings::*member;
};

constexpr MarginSetting MarginSettings[] = {
    {CM_MARGINLEFT, "Left margin", "LeftMargin", &ZeltoSettings::LeftMargin},
    {CM_MARGINRIGHT, "Right margin", "RightMargin", &ZeltoSettings::RightMargin},
    {CM_MARGINTOP, "Top margin", "TopMargin", &ZeltoSettings::TopMargin},
    {CM_MARGINBOTTOM, "Bottom margin", "BottomMargin", &ZeltoSettings::BottomMargin},
};

ConfigCommands::DialogRunner& Runner() {
  static ConfigCommands::DialogRunner runner;
  return runner;
}

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
Colour FromQColor(const QColor& c) {
  return Rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
             static_cast<std::uint8_t>(c.blue()));
}

}  // namespace

ConfigCommands::ConfigCommands(ConfigSession session, TZeltoWindow& window)
    : QObject(&window), s_(std::move(session)), window_(window) {}

void ConfigCommands::AddTo(CommandTable& commands) {
  for (const ColourSetting& c : ColourSettings)
    commands.Add(c.id, [this, id = c.id] { ChooseColour(id); });
  commands.Add(
      CM_MULTILINE, [this] { ToggleMultiLine(); }, {},
      [this] { return s_.settings.MultiLine != 0; });
  commands.Add(CM_SCREENFONT, [this] { ChooseScreenFont(); });
  commands.Add(CM_PRINTERFONT, [this] { ChoosePrinterFont(); });
  commands.Add(CM_COLUMNS, [this] { AskColumns(); });
  for (const MarginSetting& m : MarginSettings)
    commands.Add(m.id, [this, id = m.id] { AskMargin(id); });
  commands.Add(CM_DEFAULTCATEGORY, [this] { ChooseDefaultCategory(); });
  commands.Add(CM_DEFAULTFILE, [this] { ChooseDefaultFile(); });
  commands.Add(
      CM_ENABLEWEB, [this] { ToggleWebLinks(); }, {}, [this] { return s_.settings.WWWEnabled; });
}

bool ConfigCommands::WriteText(std::string_view name, std::string_view text) {
  s_.store.OpenSettingsKey();
  const bool written = s_.store.WriteString(name, text);
  s_.store.CloseSettingsKey();
  return written;
}

void ConfigCommands::WriteNumber(std::string_view name, std::uint32_t value) {
  s_.store.OpenSettingsKey();
  s_.store.WriteDword(name, value);
  s_.store.CloseSettingsKey();
}

void ConfigCommands::ApplyLook() {
  window_.SetLook(LookOf(s_.settings));
  window_.update();
  window_.NoteView()->viewport()->update();
}

void ConfigCommands::ChooseColour(int id) {
  const ColourSetting* setting = nullptr;
  for (const ColourSetting& c : ColourSettings)
    if (c.id == id) setting = &c;
  if (setting == nullptr) return;

  if (!customColoursFilled_) {
    customColours_ = InitialCustomColours();
    customColoursFilled_ = true;
  }
  // The dialog's custom colours are shared by all five commands and kept for the run.
  for (int i = 0; i < 16; ++i)
    QColorDialog::setCustomColor(i, ToQColor(customColours_[static_cast<std::size_t>(i)]));
  // The dialog is titled with the colour it chooses, as the menu item's hint names it.
  const std::string_view hint = s_.commandHint ? s_.commandHint(id) : std::string_view();
  const std::optional<QColor> chosen =
      Prompter::AskColor(ToQColor(s_.settings.*(setting->member)),
                         QString::fromLatin1(hint.data(), static_cast<qsizetype>(hint.size())));
  for (int i = 0; i < 16; ++i)
    customColours_[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
  if (!chosen || !chosen->isValid()) return;

  s_.settings.*(setting->member) = FromQColor(*chosen);
  WriteText(setting->name, ColourText(s_.settings.*(setting->member)));
  ApplyLook();
}

void ConfigCommands::SetDialogRunner(DialogRunner runner) { Runner() = std::move(runner); }

int ConfigCommands::RunDialog(QDialog& dialog) {
  return Runner() ? Runner()(dialog) : dialog.exec();
}

void ConfigCommands::ChooseScreenFont() {
  const std::unique_ptr<TFontDialog> dialog =
      TFontDialog::ForScreenFont(s_.settings, s_.store, &window_);
  if (RunDialog(*dialog) != QDialog::Accepted) return;
  // The new font goes to every pane; the note window's lines take its size as their
  // height, and the panes are laid out again.
  s_.screenFont = ScreenFontOf(s_.settings);
  ApplyLook();
}

void ConfigCommands::ChoosePrinterFont() {
  // The printout reads the printer font when it runs.
  const std::unique_ptr<TFontDialog> dialog =
      TFontDialog::ForPrinterFont(s_.settings, s_.store, &window_);
  RunDialog(*dialog);
}

void ConfigCommands::ChooseDefaultCategory() {
  TCatDialog dialog(s_.tabs, s_.settings, s_.store, &window_);
  RunDialog(dialog);
}

void ConfigCommands::ToggleMultiLine() {
  s_.settings.MultiLine = s_.settings.MultiLine != 0 ? 0 : 1;
  ApplyLook();
  WriteNumber("MultiLine", s_.settings.MultiLine);
}

void ConfigCommands::AskColumns() {
  const std::optional<QString> typed = TextPrompt::Ask(&window_, QStringLiteral("Columns"),
                                                       QStringLiteral("Enter number of columns:"),
                                                       QString::number(s_.settings.NumCols));
  if (!typed) return;
  const std::optional<std::uint32_t> columns = TypedColumnCount(typed->toStdString());
  if (!columns) return;  // not a column count: the old one stays
  s_.settings.NumCols = *columns;
  WriteNumber("NumCols", s_.settings.NumCols);
}

void ConfigCommands::AskMargin(int id) {
  const MarginSetting* setting = nullptr;
  for (const MarginSetting& m : MarginSettings)
    if (m.id == id) setting = &m;
  if (setting == nullptr) return;

  const QString label = QString::fromLatin1(setting->label);
  const std::optional<QString> typed =
      TextPrompt::Ask(&window_, label, QStringLiteral("Enter %1:").arg(label),
                      QString::fromStdString(MarginText(s_.settings.*(setting->member))));
  if (!typed) return;
  const std::optional<double> margin = TypedMargin(typed->toStdString());
  if (!margin) return;  // no number, or out of range: the old margin stays
  s_.settings.*(setting->member) = *margin;
  // The text is stored as typed; a character the stored text cannot hold gives the
  // number instead, so that what is stored always reads back as this margin.
  const Cp1252::Encoded encoded = Cp1252::Encode(*typed);
  WriteText(setting->name, encoded.Ok() ? encoded.bytes : MarginText(*margin));
}

void ConfigCommands::ChooseDefaultFile() {
  FileDialogData data;
  data.fileName = "";
  data.filter = "Zelto Files (*.zlt)|*.zlt|";
  data.defaultExt = "zlt";
  // Only a file that is there can become the default file.
  data.flags = FileDialogFileMustExist | FileDialogPathMustExist | FileDialogNoChangeDir;
  const std::optional<std::string> path = Prompter::AskOpenFileName(data);
  if (!path || path->empty()) return;
  // The default file is opened at the next start, from whatever folder: keep it whole.
  // File names are kept in the encoding of the file system, as the document's own name is.
  const QString full =
      QFileInfo(QFile::decodeName(QByteArray::fromStdString(*path))).absoluteFilePath();
  const std::string stored = QFile::encodeName(full).toStdString();
  if (stored.size() > MaxLongSettingText) {
    Prompter::Message(QStringLiteral("The default file was not changed: the path of ") + full +
                          QStringLiteral(" is longer than %1 bytes.").arg(MaxLongSettingText),
                      QString());
    return;
  }
  // The message says what the next start will open, so it is shown only once it is stored.
  if (!WriteText("DefaultFile", stored)) {
    Prompter::Message(
        QStringLiteral("The default file was not changed: the settings could not be written."),
        QString());
    return;
  }
  Prompter::Message(QStringLiteral("Default file changed to ") + full, QString());
}

void ConfigCommands::ToggleWebLinks() {
  s_.settings.WWWEnabled = !s_.settings.WWWEnabled;
  WriteNumber("WWWEnabled", s_.settings.WWWEnabled ? 1 : 0);
}

}  // namespace zelto
