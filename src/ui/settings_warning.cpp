#include "ui/settings_warning.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace gorvo::ui {

QString settings_not_kept_text(const QString& location) {
    return QStringLiteral(
               "Your settings cannot be saved to\n%1\n\nThe game goes on, but high scores, key "
               "bindings and display choices will not be kept after it ends.")
        .arg(location);
}

void warn_settings_not_kept(QWidget* parent, const QString& location) {
    show_warning_later(parent, settings_not_kept_text(location));
}

void show_warning_later(QWidget* parent, const QString& text) {
    QPointer<QWidget> owner(parent);
    QTimer::singleShot(0, [owner, text] {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Gorvo250"), text,
                                    QMessageBox::Ok, owner.data());
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    });
}

}  // namespace gorvo::ui
