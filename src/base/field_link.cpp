#include "base/field_link.h"

#include <utility>

namespace pelorix {

namespace {

class Busy {
public:
    explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
    ~Busy() { flag_ = false; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    bool& flag_;
};

} // namespace

FieldLink::FieldLink(TextControl& control, GridTable& table, std::string field)
    : control_(control), table_(table), field_(std::move(field)) {
    control_.onChange = [this] { write(); };
    tableChanges_ = table_.subscribe([this](TableChange) { show(); });
    show();
}

void FieldLink::show() {
    if (busy_) return;
    const Busy busy(busy_);
    control_.setText(table_.cellText(table_.currentIndex(), field_));
}

void FieldLink::write() {
    if (busy_) return;
    const Busy busy(busy_);
    table_.setFieldText(field_, control_.text());
}

} // namespace pelorix
