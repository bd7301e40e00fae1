// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/seats/NetworkModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "net/NetworkModule.h"

namespace reikoboy {

net::NetworkModule* networkModule(QString* why) {
    static net::NetworkModule* opened = nullptr;
    if (opened) return opened;
    const QString name = QStringLiteral("libreikoboy-network.so");
    const QString bin = QCoreApplication::applicationDirPath();
    // Installed, the module lives in the game's own library folder; built, beside the program.
    const QStringList places{QDir::cleanPath(bin + QStringLiteral("/" REIKOBOY_MODULE_FROM_BIN "/") + name),
                             bin + QLatin1Char('/') + name};
    *why = QCoreApplication::translate("NetworkModuleLoader", "нет файла %1").arg(name);
    for (const QString& path : places) {
        if (!QFileInfo(path).isFile()) continue;
        QLibrary library(path);  // stays loaded for the rest of the run
        auto entry = reinterpret_cast<net::NetworkModuleEntry>(library.resolve(net::kNetworkModuleEntry));
        if (!entry) {
            *why = library.errorString();
            continue;
        }
        opened = entry(net::kNetworkModuleVersion);
        if (opened) return opened;
        *why = QCoreApplication::translate("NetworkModuleLoader", "%1 другой версии").arg(path);
    }
    return nullptr;
}

}  // namespace reikoboy
