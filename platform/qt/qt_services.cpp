#include "platform/qt/qt_services.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QNetworkInterface>
#include <QScreen>
#include <QUrl>

namespace quorvel::platform::qt {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QMessageBox::Icon iconFor(MessageIcon icon) {
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

}  // namespace

QtSettingsStore::QtSettingsStore(std::string organisation)
    : organisation_(std::move(organisation)) {}

QSettings& QtSettingsStore::settings(const std::string& application) const {
    auto& file = files_[application];
    if (!file)
        file = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           q(organisation_), q(application));
    return *file;
}

std::string QtSettingsStore::read(const std::string& application, const std::string& section,
                                  const std::string& key) const {
    return settings(application).value(q(section + "/" + key)).toString().toStdString();
}

void QtSettingsStore::write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    QSettings& file = settings(application);
    file.setValue(q(section + "/" + key), q(value));
    file.sync();
}

void QtMessageBoxes::show(const std::string& title, const std::string& text, MessageIcon icon) {
    QMessageBox box(iconFor(icon), q(title), q(text), QMessageBox::Ok);
    box.exec();
}

Answer QtMessageBoxes::askYesNo(const std::string& title, const std::string& text, MessageIcon icon,
                                Answer defaultAnswer) {
    QMessageBox box(iconFor(icon), q(title), q(text), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

ScreenSize QtDisplay::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->size().width(), screen->size().height()};
}

std::optional<DisplayModeRecord> QtDisplay::mode(int index) const {
    if (index != 0) return std::nullopt;
    const ScreenSize size = screenSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return DisplayModeRecord{DisplayModeRecord::Width | DisplayModeRecord::Height, size.width,
                             size.height, screen ? screen->depth() : 32,
                             screen ? static_cast<int>(screen->refreshRate()) : 60};
}

int QtDisplay::change(const DisplayModeRecord& record) {
    const ScreenSize size = screenSize();
    const bool restore = record.width == 0 && record.height == 0;
    return restore || (record.width == size.width && record.height == size.height) ? 0 : 1;
}

int QtLinks::connectionState() const {
    for (const QNetworkInterface& nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        if (!nic.addressEntries().isEmpty()) return 1;
    }
    return 0;
}

int QtLinks::open(const std::string& link) {
    return QDesktopServices::openUrl(QUrl(q(link))) ? 42 : 0;
}

QtResources::QtResources(std::string assetDirectory) : assetDirectory_(std::move(assetDirectory)) {}

std::vector<std::uint8_t> QtResources::load(const std::string& name, const std::string& type) {
    const std::string file = name + (type == "WAVE" ? ".wav" : "");
    for (const std::string& path : {":/sounds/" + file, assetDirectory_ + "/sounds/" + file}) {
        QFile in(q(path));
        if (!in.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = in.readAll();
        return {bytes.begin(), bytes.end()};
    }
    return {};
}

}  // namespace quorvel::platform::qt
