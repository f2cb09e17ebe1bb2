#include "platform/qt/qt_settings_store.h"

#include <QCoreApplication>
#include <QTimer>

namespace quorvel::platform::qt {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QtSettingsStore::QtSettingsStore(std::string organisation)
    : organisation_(std::move(organisation)) {
    if (QCoreApplication* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, &context_, [this] { flush(); });
}

QtSettingsStore::~QtSettingsStore() {
    reporter_ = nullptr;  // too late to show anything
    flush();
}

QSettings& QtSettingsStore::settings(const std::string& application) const {
    auto& file = files_[application];
    if (!file) {
        file = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           q(organisation_), q(application));
        if (file->status() != QSettings::NoError)
            report("The settings in " + file->fileName().toStdString() +
                   " could not be read; the game goes on without them.");
    }
    return *file;
}

std::string QtSettingsStore::fileName(const std::string& application) const {
    return settings(application).fileName().toStdString();
}

std::string QtSettingsStore::read(const std::string& application, const std::string& section,
                                  const std::string& key) const {
    return settings(application).value(q(section + "/" + key)).toString().toStdString();
}

void QtSettingsStore::write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    settings(application).setValue(q(section + "/" + key), q(value));
    if (flushPending_ || !QCoreApplication::instance()) return;
    flushPending_ = true;
    QTimer::singleShot(0, &context_, [this] { flush(); });
}

void QtSettingsStore::flush() {
    flushPending_ = false;
    for (auto& [application, file] : files_) {
        file->sync();
        if (file->status() != QSettings::NoError)
            report("The settings could not be saved to " + file->fileName().toStdString() +
                   "; the game goes on with the values it has.");
    }
}

void QtSettingsStore::report(const std::string& sentence) const {
    if (reported_ || !reporter_) return;
    reported_ = true;
    reporter_(sentence);
}

}  // namespace quorvel::platform::qt
