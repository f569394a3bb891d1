// The settings store of the program on QSettings.
#include "common/QtSettingsStore.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>
#include <algorithm>

namespace quendra::app {
namespace {

QString settingsKey(std::string_view section, std::string_view key) {
    return QString::fromLatin1(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

// What this store wrote is Latin-1 throughout; a value typed in by hand with characters beyond
// it is taken as UTF-8, the platform's own file-name encoding.
std::string engineText(const QString& text) {
    const bool latin1 =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    const QByteArray bytes = latin1 ? text.toLatin1() : text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// An unquoted comma in a hand-edited ini file splits a value into a list; put it back together.
QString storedText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(", ");
    }
    return value.toString();
}

std::unique_ptr<QSettings> userSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>("HKEY_CURRENT_USER\\Software\\Quendra",
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Quendra",
                                       "Quendra");
#endif
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(userSettings()) {}

QtSettingsStore::QtSettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::read(std::string_view section,
                                                 std::string_view key) const {
    const QVariant value = settings_->value(settingsKey(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return engineText(storedText(value));
}

void QtSettingsStore::write(std::string_view section, std::string_view key,
                            const std::string& value) {
    settings_->setValue(settingsKey(section, key),
                        QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
}

} // namespace quendra::app
