#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringConverter>
#include <QStringList>
#include <QVariant>

#include "platform/Cp1252.h"

namespace zelto {

namespace {

// Settings texts are Windows-1252 bytes in the program and Unicode in the file.
std::optional<std::string> ToCodePage(const QString& text) {
  Cp1252::Encoded encoded = Cp1252::Encode(text);
  if (!encoded.Ok()) return std::nullopt;
  return std::move(encoded.bytes);
}

QString FromCodePage(std::string_view bytes) { return Cp1252::Decode(bytes); }

QString KeyName(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore() {
#ifndef Q_OS_WIN
  iniPath_ = DefaultIniPath();
#endif
}

QtSettingsStore::QtSettingsStore(QString iniPath) : iniPath_(std::move(iniPath)) {}

QtSettingsStore::~QtSettingsStore() { CloseSettingsKey(); }

QString QtSettingsStore::DefaultIniPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Zelto/Zelto.conf");
}

void QtSettingsStore::MakeFilePrivate() {
  if (filePrivate_ || iniPath_.isEmpty()) return;
  // A new file and a new folder are the user's alone. The file is made empty before the
  // settings write it, so that it never appears readable by others; it keeps its mode
  // when it is replaced. A file or folder that is there keeps the mode the user gave it.
  filePrivate_ = true;
  const QString folder = QFileInfo(iniPath_).absolutePath();
  constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  if (!QFileInfo::exists(folder) &&
      (!QDir().mkpath(folder) || !QFile::setPermissions(folder, ownerOnly | QFileDevice::ExeOwner)))
    return;
  QFile file(iniPath_);
  if (!file.exists()) file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnly);
}

bool QtSettingsStore::Open() {
  MakeFilePrivate();
  if (iniPath_.isEmpty()) {
    settings_ = std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Zelto"),
                                            QSettings::NativeFormat);
  } else {
    settings_ = std::make_unique<QSettings>(iniPath_, QSettings::IniFormat);
  }
  return settings_->status() == QSettings::NoError;
}

void QtSettingsStore::Close() {
  if (!settings_) return;
  settings_->sync();
  settings_.reset();
}

std::optional<StoredValue> QtSettingsStore::Get(std::string_view name) const {
  if (!settings_) return std::nullopt;
  const QVariant value = settings_->value(KeyName(name));
  switch (value.typeId()) {
    case QMetaType::Int:
      // A registry DWORD: its 32 bits, whatever their sign.
      return StoredValue(static_cast<std::uint32_t>(value.toInt()));
    case QMetaType::UInt:
      return StoredValue(static_cast<std::uint32_t>(value.toUInt()));
    case QMetaType::QString:
      if (auto text = ToCodePage(value.toString())) return StoredValue(std::move(*text));
      return std::nullopt;
    case QMetaType::QStringList:
      // An unquoted "a,b,c" in an INI file: the text as it stands in the file.
      if (auto text = ToCodePage(value.toStringList().join(QLatin1Char(','))))
        return StoredValue(std::move(*text));
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool QtSettingsStore::Set(std::string_view name, const StoredValue& value) {
  if (!settings_ || !settings_->isWritable()) return false;
  if (auto* number = std::get_if<std::uint32_t>(&value)) {
    settings_->setValue(KeyName(name), static_cast<uint>(*number));
  } else {
    settings_->setValue(KeyName(name), FromCodePage(std::get<std::string>(value)));
  }
  return true;
}

}  // namespace zelto
