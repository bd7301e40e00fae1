#include "Settings.h"

#include <QSettings>

namespace reikoboy {

namespace {
const QString kApplication = QStringLiteral("Рейкобой");
const QString kBackgroundKey = QStringLiteral("Settings/Фон");

}  // namespace

StoredSettings readSettings(const QString& soundKey) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
    return {settings.value(kBackgroundKey).toString(),
            settings.value(QStringLiteral("Settings/") + soundKey).toString()};
}

void writeSettings(const QString& soundKey, const QString& soundValue, const QString& background) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kApplication, kApplication);
    settings.setValue(QStringLiteral("Settings/") + soundKey, soundValue);
    settings.setValue(kBackgroundKey, background);
    settings.sync();
}

}  // namespace reikoboy
