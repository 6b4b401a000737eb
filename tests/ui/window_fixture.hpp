// What the window tests share: message boxes and pickers that tests answer, a scratch
// folder as the current directory, and the main window started on the shipped data
// (or on a copy of it that a test may spoil).
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fake_boxes.hpp"
#include "file_pickers.hpp"
#include "main_dialog.hpp"
#include "message_boxes.hpp"
#include "textfile.hpp"

void PrintTo(const QString& s, std::ostream* os);

namespace velmora::uitest {

namespace fs = std::filesystem;

// Answers the pickers from queues; an empty queue cancels. Records the proposals.
class FakePickers : public FilePickers {
public:
    std::optional<QString> openDesign(QWidget*) override { return next(opens); }
    std::optional<QString> saveDesign(QWidget*, const QString& proposed) override {
        proposedDesigns.push_back(proposed);
        return next(saves);
    }
    std::optional<ReportTarget> saveReport(QWidget*, const QString& proposed) override {
        proposedReports.push_back(proposed);
        if (reports.empty()) return std::nullopt;
        ReportTarget t = reports.front();
        reports.pop_front();
        return t;
    }
    std::optional<QString> savePdf(QWidget*, const QString& proposed) override {
        proposedPdfs.push_back(proposed);
        return next(pdfs);
    }
    std::deque<QString> opens, saves, pdfs;
    std::vector<QString> proposedPdfs;
    std::deque<ReportTarget> reports;
    std::vector<QString> proposedDesigns, proposedReports;

private:
    static std::optional<QString> next(std::deque<QString>& q) {
        if (q.empty()) return std::nullopt;
        QString s = q.front();
        q.pop_front();
        return s;
    }
};

// A fresh folder, removed with everything in it.
class Scratch {
public:
    Scratch() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("velmora-ui-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~Scratch() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto& e : fs::recursive_directory_iterator(path_, ec))
            if (e.is_directory(ec)) fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    const fs::path& path() const { return path_; }
    fs::path operator/(std::string_view utf8) const { return path_ / pathFromUtf8(utf8); }

private:
    fs::path path_;
};

inline fs::path shippedData() { return fs::path(VELMORA_DATA_DIR); }

inline std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The state file's bytes without the line of a window setting.
inline std::string withoutSetting(std::string bytes, std::string_view key) {
    const std::string line = "\r\n" + std::string(key) + "\t= ";
    const std::size_t at = bytes.find(line);
    if (at == std::string::npos) return bytes;
    const std::size_t end = bytes.find("\r\n", at + line.size());
    bytes.erase(at + 2, end == std::string::npos ? std::string::npos : end + 2 - (at + 2));
    return bytes;
}

inline void writeBytes(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Each test runs in its own current directory, with its own state file path.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldCwd_ = fs::current_path();
        fs::current_path(cwd_.path());
        stateFile_ = scratch_.path() / "config" / "Velmora.ini";
    }
    void TearDown() override {
        dlg_.reset();
        fs::current_path(oldCwd_);
    }

    // A copy of the shipped data that the test may change.
    fs::path copyData() {
        const fs::path copy = scratch_.path() / "data";
        fs::copy(shippedData(), copy, fs::copy_options::recursive);
        return copy;
    }

    // Started and shown, with the first calculation done once the window was painted.
    ui::CBrevinorDlg& open(const fs::path& data = shippedData());
    // Started, with no box on the way.
    ui::CBrevinorDlg& openClean(const fs::path& data = shippedData()) {
        open(data);
        EXPECT_TRUE(started_);
        EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text.toStdString();
        return *dlg_;
    }

    template <class W = QWidget>
    W* find(const char* name) const {
        W* w = dlg_->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QString text(const char* name) const {
        if (auto* e = dlg_->findChild<QLineEdit*>(QString::fromUtf8(name))) return e->text();
        return find<QLabel>(name)->text();
    }
    QString comment() const { return find<QPlainTextEdit>(ui::names::comment)->toPlainText(); }

    // Types ASCII text into an edit as a user would: select all, then the keys.
    void type(const char* name, const QString& text);
    void click(const char* name);

    FakeBoxes boxes_;
    FakePickers pickers_;
    Scratch scratch_;  // data copies, the state file
    Scratch cwd_;      // the current directory
    fs::path stateFile_;
    std::unique_ptr<ui::CBrevinorDlg> dlg_;
    bool started_ = false;

private:
    fs::path oldCwd_;
};

}  // namespace velmora::uitest
