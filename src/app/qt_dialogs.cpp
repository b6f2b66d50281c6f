#include "app/qt_dialogs.h"

#include "app/display_text.h"

#include <QApplication>

namespace pelorix {

QMessageBox::StandardButton QtDialogs::show(QMessageBox::Icon icon, const QString& title,
                                            const std::string& text,
                                            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, displayText(text), buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtDialogs::information(const std::string& message) {
    show(QMessageBox::Information, title_, message, QMessageBox::Ok);
}

void QtDialogs::plain(const std::string& message) {
    show(QMessageBox::NoIcon, title_, message, QMessageBox::Ok);
}

void QtDialogs::error(const std::string& text, const std::string& title) {
    show(QMessageBox::Critical, QString::fromStdString(title), text, QMessageBox::Ok);
}

bool QtDialogs::confirm(const std::string& question) {
    return show(QMessageBox::Question, title_, question, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

} // namespace pelorix
