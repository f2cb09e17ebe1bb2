#include "platform/qt/qt_settings_store.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>
#include <QVariant>

namespace quorvel::platform::qt {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// Asked of QSettings, so that a folder set with QSettings::setPath is honoured.
std::string userFolder(const std::string& organisation) {
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope, q(organisation));
    return (QFileInfo(probe.fileName()).absolutePath() + "/" + q(organisation)).toStdString();
}

// The game's two files are saved together even when a run touched only one of them.
const std::vector<std::string> kGameFiles = {"quorvel", "allslot"};

}  // namespace

struct QtSettingsStore::File {
    std::map<QString, QVariant> values;
    // An oversized file, asked key by key; only what was asked is saved again.
    std::unique_ptr<QSettings> oversized;
    bool keptAside = false;
};

QtSettingsStore::QtSettingsStore(std::string organisation)
    : QtSettingsStore(Folder{userFolder(organisation)}) {}

QtSettingsStore::QtSettingsStore(Folder folder) : commit_(std::move(folder.path)) {
    if (QCoreApplication* app = QCoreApplication::instance())
        QObject::connect(app, &QCoreApplication::aboutToQuit, &context_, [this] { flush(); });
}

QtSettingsStore::~QtSettingsStore() {
    reporter_ = nullptr;  // too late to show anything
    flush();
}

std::string QtSettingsStore::fileName(const std::string& application) const {
    return commit_.path(application + ".ini");
}

// A commit a crash interrupted is settled before the first value is read.
void QtSettingsStore::openFolder() const {
    if (opened_) return;
    opened_ = true;
    commit_.recover();
    for (const std::string& application : kGameFiles)
        file(application);
}

QtSettingsStore::File& QtSettingsStore::file(const std::string& application) const {
    openFolder();
    auto& slot = files_[application];
    if (!slot) {
        slot = std::make_unique<File>();
        order_.push_back(application);
        load(application, *slot);
    }
    return *slot;
}

void QtSettingsStore::load(const std::string& application, File& file) const {
    const std::string path = fileName(application);
    const QFileInfo info(q(path));
    if (!info.exists()) return;
    if (!info.isFile() || ::access(path.c_str(), R_OK) != 0) {
        report("read", path,
               say(QV_TRANSLATE_NOOP(
                       "platform",
                       "The settings in %1 could not be read; the game goes on without them."),
                   {path}));
        return;
    }
    if (info.size() > kLargestSensibleFile) {
        file.oversized = std::make_unique<QSettings>(q(path), QSettings::IniFormat);
        report("size", path,
               say(QV_TRANSLATE_NOOP("platform",
                                     "The settings file %1 is far larger than the game ever "
                                     "writes. The game reads its own values from it and, at the "
                                     "next save, keeps it aside as %1.damaged and writes a new "
                                     "one."),
                   {path}));
        return;
    }
    const QSettings in(q(path), QSettings::IniFormat);
    for (const QString& key : in.allKeys())
        file.values[key] = in.value(key);
    if (in.status() != QSettings::NoError)
        report("read", path,
               say(QV_TRANSLATE_NOOP("platform",
                                     "The settings in %1 could be read only in part; what could "
                                     "not be read is left out of the next save."),
                   {path}));
}

std::string QtSettingsStore::read(const std::string& application, const std::string& section,
                                  const std::string& key) const {
    File& f = file(application);
    const QString name = q(section + "/" + key);
    auto it = f.values.find(name);
    if (it != f.values.end()) return it->second.toString().toStdString();
    if (!f.oversized) return {};
    const QVariant value = f.oversized->value(name);
    if (!value.isValid()) return {};
    f.values[name] = value;
    return value.toString().toStdString();
}

void QtSettingsStore::write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    QVariant& stored = file(application).values[q(section + "/" + key)];
    const QVariant text(q(value));
    if (stored == text) return;
    stored = text;
    revision_ = nextRevision();
    dirty_ = true;
    scheduleFlush();
}

void QtSettingsStore::scheduleFlush() {
    if (flushPending_ || !QCoreApplication::instance()) return;
    flushPending_ = true;
    QTimer::singleShot(0, &context_, [this] { flush(); });
}

void QtSettingsStore::flush() {
    flushPending_ = false;
    if (dirty_ && save()) dirty_ = false;
}

bool QtSettingsStore::save() {
    commit_.recover();
    std::vector<std::string> names;
    for (const std::string& application : order_) {
        if (!stage(application, *files_[application])) {
            commit_.discard();
            reportUnsaved(fileName(application));
            return false;
        }
        names.push_back(application + ".ini");
        if (observer_) observer_("staged " + names.back());
    }
    for (const std::string& application : order_)
        keepAside(application, *files_[application]);
    if (commit_.commit(
            names, observer_ ? observer_ : [](std::string_view) {}))
        return true;
    std::string files;
    for (const std::string& name : names)
        files = files.empty()
                    ? commit_.path(name)
                    : say(QV_TRANSLATE_NOOP("platform", "%1 and %2"), {files, commit_.path(name)});
    reportUnsaved(files);
    return false;
}

void QtSettingsStore::reportUnsaved(const std::string& files) const {
    report(
        "save", files,
        say(QV_TRANSLATE_NOOP(
                "platform",
                "The settings could not be saved to %1; the game goes on with the values it has."),
            {files}));
}

std::string QtSettingsStore::say(const char* source,
                                 std::initializer_list<std::string> values) const {
    return fillIn(text_ ? text_->translate("platform", source) : std::string(source), values);
}

// Written afresh, not over the old file, so a sync never mixes in what the old one held.
bool QtSettingsStore::stage(const std::string& application, const File& file) const {
    const std::string path = commit_.path(FolderCommit::staged(application + ".ini"));
    if (!QDir().mkpath(q(folder()))) return false;
    QFile::remove(q(path));
    {
        QSettings out(q(path), QSettings::IniFormat);
        out.setAtomicSyncRequired(false);
        for (const auto& [key, value] : file.values)
            out.setValue(key, value);
        out.sync();
        if (out.status() != QSettings::NoError) return false;
    }
    QFile made(q(path));
    if (!made.exists() && !made.open(QIODevice::WriteOnly)) return false;
    made.close();
    return FolderCommit::syncFile(path);
}

// A second name for the oversized file, so the commit's rename over it does not lose it.
void QtSettingsStore::keepAside(const std::string& application, File& file) const {
    if (!file.oversized || file.keptAside) return;
    file.keptAside = true;
    const std::string path = fileName(application);
    const std::string aside = path + ".damaged";
    QFile::remove(q(aside));
    if (::link(path.c_str(), aside.c_str()) != 0) QFile::copy(q(path), q(aside));
}

void QtSettingsStore::report(const std::string& kind, const std::string& path,
                             const std::string& text) const {
    if (!reporter_ || !reported_.insert(kind + " " + path).second) return;
    reporter_(text);
}

}  // namespace quorvel::platform::qt
