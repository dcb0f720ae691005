#include "platform/settings_store.h"

#include <string>

#include <QFile>
#include <QFileInfo>

#include "platform/stored_values.h"

namespace gorvo::platform {

namespace {

QString key_of(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// A game killed in the instant between creating the store's lock file and writing its owner into
// it leaves the lock empty. Nobody can be found to own it, so it would count as held until it is
// 30 s old and the first write would stand still that long; an empty lock is cleared instead.
void clear_empty_lock(const QSettings& settings) {
    const QString lock = settings.fileName() + QStringLiteral(".lock");
    const QFileInfo info(lock);
    if (info.exists() && info.isFile() && info.size() == 0) QFile::remove(lock);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Quillmark"),
                                            QStringLiteral("Gorvo250"))) {
    clear_empty_lock(*settings_);
}

QtSettingsStore::QtSettingsStore(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {
    clear_empty_lock(*settings_);
}

QtSettingsStore::~QtSettingsStore() = default;

int QtSettingsStore::read_int(std::string_view name, int default_value) {
    const QVariant value = settings_->value(key_of(name));
    // A list or any other non-text value (only possible by editing the file) is no integer.
    if (!value.isValid() || value.typeId() != QMetaType::QString) return default_value;
    const std::string text = value.toString().toStdString();
    const std::optional<int> stored = parse_stored_int(text);
    if (!stored) return default_value;
    return accepted_stored_int(name, *stored);
}

bool QtSettingsStore::read_bool(std::string_view name, bool default_value) {
    return read_int(name, default_value ? 1 : 0) != 0;
}

void QtSettingsStore::write_int(std::string_view name, int value) {
    write_text(name, QString::number(value));
}

void QtSettingsStore::write_bool(std::string_view name, bool value) {
    write_text(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void QtSettingsStore::write_text(std::string_view name, const QString& text) {
    // A value the file already holds, as text, is not written again: every start writes its
    // settings back, and each write rewrites the whole file.
    const QVariant stored = settings_->value(key_of(name));
    if (stored.typeId() == QMetaType::QString && stored.toString() == text) return;
    settings_->setValue(key_of(name), text);
    settings_->sync();
    // A format error only says the file was unreadable before; what counts here is the write.
    if (settings_->status() != QSettings::AccessError || write_failed_) return;
    write_failed_ = true;
    if (on_write_failure_) on_write_failure_();
}

void QtSettingsStore::set_write_failure_handler(std::function<void()> handler) {
    on_write_failure_ = std::move(handler);
}

QString QtSettingsStore::location() const {
    return settings_->fileName();
}

}  // namespace gorvo::platform
