#pragma once

#include "base/seams.h"

#include <deque>
#include <string>
#include <vector>

namespace pelorix::testing {

// Every box the program shows, in order, as "info|plain|error|confirm: TEXT" (error boxes with
// " [TITLE]" appended). Confirmations answer from `answers`, OK when none is queued.
class RecordingDialogs : public Dialogs {
public:
    void information(const std::string& m) override { boxes.push_back("info: " + m); }
    void plain(const std::string& m) override { boxes.push_back("plain: " + m); }
    void error(const std::string& text, const std::string& title) override {
        boxes.push_back("error: " + text + " [" + title + "]");
    }
    bool confirm(const std::string& q) override {
        boxes.push_back("confirm: " + q);
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    std::vector<std::string> boxes;
    std::deque<bool> answers;
};

class RecordingShell : public Shell {
public:
    bool open(const std::string& target) override {
        opened.push_back(target);
        return opens;
    }
    std::vector<std::string> opened;
    bool opens = true;
};

} // namespace pelorix::testing
