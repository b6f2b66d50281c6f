#pragma once

#include "base/seams.h"

#include <QMessageBox>
#include <QString>

namespace pelorix {

// The program's message boxes as Qt message boxes, modal over the active window.
class QtDialogs : public Dialogs {
public:
    // `title` captions the information, plain and question boxes; the error box brings its own.
    explicit QtDialogs(QString title) : title_(std::move(title)) {}

    void information(const std::string& message) override;
    void plain(const std::string& message) override;
    void error(const std::string& text, const std::string& title) override;
    bool confirm(const std::string& question) override;

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString& title,
                                            const std::string& text,
                                            QMessageBox::StandardButtons buttons);
    QString title_;
};

} // namespace pelorix
