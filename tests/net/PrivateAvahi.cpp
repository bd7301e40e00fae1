// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "PrivateAvahi.h"

#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString kInterface = QStringLiteral("rkb0");

QString findTool(const QString& name) {
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) path = QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin", "/usr/bin", "/bin"});
    return path;
}

bool write(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray serviceFile(const QByteArray& name, quint16 port, const QByteArray& txt) {
    return "<?xml version=\"1.0\" standalone='no'?>\n"
           "<!DOCTYPE service-group SYSTEM \"avahi-service.dtd\">\n"
           "<service-group>\n  <name>" + name + "</name>\n  <service>\n    <type>_reikoboy._tcp</type>\n"
           "    <port>" + QByteArray::number(port) + "</port>\n" + txt + "  </service>\n</service-group>\n";
}

const QByteArray kDigits = "1234567890123456789012345678901234567890";

}  // namespace

QString missingPrivateAvahiTools() {
    QStringList missing;
    for (const char* tool : {"unshare", "ip", "dbus-daemon", "avahi-daemon"})
        if (findTool(QString::fromLatin1(tool)).isEmpty()) missing << QString::fromLatin1(tool);
    return missing.join(QStringLiteral(", "));
}

QString PrivateAvahi::strangerNameShown() { return QStringLiteral("Игрок ") + QString::fromLatin1(kDigits.left(26)); }

PrivateAvahi::PrivateAvahi() = default;

bool PrivateAvahi::writeStrangerServices(QString& why) {
    const QString services = dir_.path() + "/services";
    const QByteArray stranger = serviceFile(
        "Чужая игра", kStrangerPort,
        "    <txt-record>v=1</txt-record>\n    <txt-record>name=\t\nИгрок\n\n&#x202E; " + kDigits + kDigits +
            "</txt-record>\n");
    const QByteArray otherVersion = serviceFile("Игра поновее", kOtherVersionPort,
                                                "    <txt-record>v=2</txt-record>\n"
                                                "    <txt-record>name=Из будущего</txt-record>\n");
    // In this mount namespace the daemon reads these instead of the machine's service files.
    if (!QDir().mkpath(services) || !write(services + "/stranger.service", stranger) ||
        !write(services + "/other-version.service", otherVersion) ||
        ::mount(QFile::encodeName(services).constData(), "/etc/avahi/services", nullptr, MS_BIND, nullptr) != 0) {
        why = QStringLiteral("cannot put service files of the test's own over /etc/avahi/services");
        return false;
    }
    return true;
}

PrivateAvahi::~PrivateAvahi() {
    stop(daemon_);
    stop(bus_);
}

bool PrivateAvahi::run(const QString& program, const QStringList& arguments, QString& why) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(findTool(program), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        why = program + u' ' + arguments.join(u' ') + QStringLiteral(": ") + QString::fromLocal8Bit(process.readAll());
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return true;
}

bool PrivateAvahi::prepare(QString& why) {
    if (!dir_.isValid()) {
        why = QStringLiteral("no temporary folder");
        return false;
    }
    const QString d = dir_.path();
    // The daemon keeps its pid file and socket under /run; this namespace gets its own /run.
    if (::mount(QFile::encodeName(d).constData(), "/run", nullptr, MS_BIND, nullptr) != 0) {
        why = QStringLiteral("cannot bind a folder over /run in the test's mount namespace");
        return false;
    }
    if (!writeStrangerServices(why)) return false;
    // A veth pair: the kernel may lack the dummy driver. The address only exists in here.
    if (!run("ip", {"link", "set", "lo", "up"}, why) ||
        !run("ip", {"link", "add", kInterface, "type", "veth", "peer", "name", "rkb1"}, why) ||
        !run("ip", {"link", "set", "rkb1", "up"}, why) ||
        !run("ip", {"link", "set", kInterface, "multicast", "on", "up"}, why) ||
        !run("ip", {"addr", "add", "127.77.0.1/24", "dev", kInterface}, why))
        return false;

    const QByteArray busConfig =
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig>\n  <type>system</type>\n  <listen>unix:path=" + QFile::encodeName(d) + "/bus</listen>\n"
        "  <auth>EXTERNAL</auth>\n  <policy context=\"default\">\n    <allow user=\"*\"/>\n"
        "    <allow own=\"*\"/>\n    <allow send_destination=\"*\"/>\n    <allow receive_sender=\"*\"/>\n"
        "  </policy>\n</busconfig>\n";
    const QByteArray daemonConfig = QByteArray("[server]\nhost-name=") + kHostName +
                                    "\ndomain-name=local\nuse-ipv4=yes\nuse-ipv6=yes\nallow-interfaces=" +
                                    kInterface.toLatin1() +
                                    "\nenable-dbus=yes\n[wide-area]\nenable-wide-area=no\n"
                                    "[publish]\npublish-hinfo=no\npublish-workstation=no\n";
    if (!write(d + "/bus.conf", busConfig) || !write(d + "/avahi-daemon.conf", daemonConfig)) {
        why = QStringLiteral("cannot write the daemons' configuration");
        return false;
    }

    bus_ = std::make_unique<QProcess>();
    bus_->setProcessChannelMode(QProcess::SeparateChannels);
    bus_->start(findTool("dbus-daemon"), {"--config-file=" + d + "/bus.conf", "--print-address", "--nofork"});
    if (!bus_->waitForStarted(5000)) {
        why = QStringLiteral("dbus-daemon does not start");
        return false;
    }
    for (int i = 0; i < 50 && !bus_->canReadLine(); ++i) bus_->waitForReadyRead(100);
    busAddress_ = bus_->readLine().trimmed();
    if (busAddress_.isEmpty()) {
        why = QStringLiteral("dbus-daemon gave no address: ") + QString::fromLocal8Bit(bus_->readAllStandardError());
        return false;
    }
    return true;
}

bool PrivateAvahi::startDaemon(QString& why) {
    daemon_ = std::make_unique<QProcess>();
    daemon_->setProcessChannelMode(QProcess::MergedChannels);
    daemon_->setStandardOutputFile(dir_.path() + "/avahi-daemon.log", QIODevice::Append);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", QString::fromLatin1(busAddress_));
    daemon_->setProcessEnvironment(environment);
    daemon_->start(findTool("avahi-daemon"), {"--no-drop-root", "--no-chroot", "--no-rlimits", "--no-proc-title",
                                              "-f", dir_.path() + "/avahi-daemon.conf"});
    if (!daemon_->waitForStarted(5000)) {
        why = QStringLiteral("avahi-daemon does not start");
        return false;
    }
    return true;
}

void PrivateAvahi::stopDaemon() { stop(daemon_); }

QString PrivateAvahi::daemonLog() const {
    QFile log(dir_.path() + "/avahi-daemon.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
}

void PrivateAvahi::stop(std::unique_ptr<QProcess>& process) {
    if (!process) return;
    // QProcess signals the one process id it started, nothing else.
    process->terminate();
    if (!process->waitForFinished(5000)) {
        process->kill();
        process->waitForFinished(5000);
    }
    process.reset();
}
