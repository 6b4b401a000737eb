// Message boxes that tests answer: every box is recorded, questions are answered
// from a queue.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "message_boxes.hpp"

namespace velmora::uitest {

// Records every box; questions are answered from a queue (OK when it runs dry).
// `onShow` runs inside a box, while it would be on screen.
class FakeBoxes : public MessageBoxes {
public:
    struct Box {
        QString caption, text;
    };
    void show(QWidget*, const QString& caption, const QString& text) override {
        shown.push_back({caption, text});
        if (onShow) onShow(shown.back());
    }
    bool ask(QWidget*, const QString& caption, const QString& text) override {
        asked.push_back({caption, text});
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    SaveAnswer askToSave(QWidget*, const QString& caption, const QString& text) override {
        asked.push_back({caption, text});
        if (saveAnswers.empty()) return SaveAnswer::save;
        const SaveAnswer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    std::vector<Box> shown, asked;
    std::deque<bool> answers;
    std::deque<SaveAnswer> saveAnswers;
    std::function<void(const Box&)> onShow;
};

}  // namespace velmora::uitest
