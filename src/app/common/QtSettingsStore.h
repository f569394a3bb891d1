// The settings store of the program: QSettings in the platform's native format.
#pragma once

#include "settings/SettingsStore.h"

#include <QString>
#include <memory>

class QSettings;

namespace quendra::app {

// Sections are QSettings groups and every value is a string. The engine's 8-bit strings map
// byte for byte onto the first 256 code points, so any file name comes back as it went in.
class QtSettingsStore : public SettingsStore {
public:
    // The user's store: the registry key "Software\Quendra" on Windows, elsewhere the native
    // store of organisation and application "Quendra".
    QtSettingsStore();
    // An ini file at the given path, for a store kept away from the user's own.
    explicit QtSettingsStore(const QString& iniFilePath);
    ~QtSettingsStore() override;

    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    void write(std::string_view section, std::string_view key, const std::string& value) override;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace quendra::app
