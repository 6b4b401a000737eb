// The program's own pickers and the report dialog, driven offscreen in a temporary
// current directory.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "file_pickers.hpp"
#include "fake_boxes.hpp"
#include "message_boxes.hpp"
#include "open_file.hpp"
#include "save_file.hpp"
#include "when_modal.hpp"

// Readable failures.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using velmora::uitest::FakeBoxes;
using velmora::uitest::whenModal;

namespace {

QStringList entries(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
}

class Pickers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    static void touch(const QString& name) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        f.write("U1nom\t= 220\r\n");
    }
    template <class W, class T = QWidget>
    static T* part(W& picker, const char* name) {
        auto* w = picker.template findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QListWidget* files(QDialog& d) { return part<QDialog, QListWidget>(d, "files"); }
    static QLineEdit* nameEdit(QDialog& d) { return part<QDialog, QLineEdit>(d, "name"); }
    static QPushButton* button(QDialog& d, const char* n) { return part<QDialog, QPushButton>(d, n); }

    static void showAndWait(QDialog& d) {
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    }
    static void doubleClick(QListWidget* list, const QString& name) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        // What the window system delivers: press, release, double click, release.
        const QPoint at = list->visualItemRect(found.first()).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    static void select(QListWidget* list, const QString& name) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->setCurrentItem(found.first());
    }
    static void retype(QLineEdit* edit, const QString& ascii) {
        edit->clear();
        QTest::keyClicks(edit, ascii);
    }
    static void activate(QDialog& d) {
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(&d, &e);
    }

    QTemporaryDir dir;
    QString previous;
    FakeBoxes boxes;
};

TEST_F(Pickers, ListsShowPlainDesignFilesInAnyCaseSorted) {
    for (const char* n : {"b.sav", "A.SAV", "c.Sav", "Трансформатор.sav", "x.ini", "Y.INI",
                          "Velmora.ini", "z.txt", "savefile", "abc.sav.old", ".hidden.sav",
                          ".Velmora.ini"})
        touch(QString::fromUtf8(n));
    ASSERT_TRUE(QDir().mkdir("folder.sav"));
    ASSERT_TRUE(QDir().mkdir("folder.ini"));
    ASSERT_TRUE(QFile::link("b.sav", "link.sav"));      // a link to a file is a file
    ASSERT_TRUE(QFile::link("missing", "broken.sav"));  // a broken one is not

    COpenFile open;
    EXPECT_EQ(entries(files(open)),
              (QStringList{"A.SAV", "b.sav", "c.Sav", "link.sav", "Velmora.ini", "x.ini", "Y.INI",
                           QString::fromUtf8("Трансформатор.sav")}));
    CSaveFile save(boxes);
    EXPECT_EQ(entries(files(save)), (QStringList{"A.SAV", "b.sav", "c.Sav", "link.sav",
                                                 QString::fromUtf8("Трансформатор.sav")}));
}

TEST_F(Pickers, SameNameInTwoCasesSortsByCase) {
    touch("abc.sav");
    touch("ABC.sav");
    touch("Abc.sav");
    touch("abd.sav");
    CSaveFile save(boxes);
    EXPECT_EQ(entries(files(save)), (QStringList{"ABC.sav", "Abc.sav", "abc.sav", "abd.sav"}));
}

TEST_F(Pickers, ListsAreReadAgainOnActivation) {
    touch("a.sav");
    COpenFile open;
    CSaveFile save(boxes);
    touch("b.sav");
    touch("c.ini");
    QFile::remove("a.sav");
    EXPECT_EQ(entries(files(open)), QStringList{"a.sav"});  // not before activation
    activate(open);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&save, &deactivate);
    EXPECT_EQ(entries(files(open)), (QStringList{"b.sav", "c.ini"}));
    EXPECT_EQ(entries(files(save)), QStringList{"b.sav"});
}

TEST_F(Pickers, RealActivationChangeReadsTheListAgain) {
    CSaveFile save(boxes);
    showAndWait(save);
    save.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&save));
    touch("late.sav");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(entries(files(save)), QStringList{"late.sav"});
}

TEST_F(Pickers, RefreshKeepsTheChosenFileAndTheTypedName) {
    touch("a.sav");
    touch("b.sav");
    CSaveFile save(boxes);
    select(files(save), "b.sav");
    EXPECT_EQ(nameEdit(save)->text(), "b.sav");
    retype(nameEdit(save), "typed");
    activate(save);
    EXPECT_EQ(files(save)->currentItem()->text(), "b.sav");
    EXPECT_EQ(nameEdit(save)->text(), "typed");

    COpenFile open;
    select(files(open), "a.sav");
    QFile::remove("a.sav");
    activate(open);
    // The chosen file is gone: nothing is chosen and nothing can be opened.
    EXPECT_TRUE(nameEdit(open)->text().isEmpty());
    EXPECT_TRUE(files(open)->selectedItems().isEmpty());
    showAndWait(open);
    button(open, "ok")->click();
    EXPECT_TRUE(open.isVisible());
}

TEST_F(Pickers, CaptionsLabelsButtonsAndSize) {
    COpenFile open;
    CSaveFile save(boxes);
    EXPECT_EQ(open.windowTitle(), QString::fromUtf8("Открыть файл..."));
    EXPECT_EQ(save.windowTitle(), QString::fromUtf8("Сохранить как..."));
    EXPECT_EQ(button(open, "ok")->text(), QString::fromUtf8("Открыть"));
    EXPECT_EQ(button(save, "ok")->text(), QString::fromUtf8("Сохранить"));
    EXPECT_EQ(button(open, "cancel")->text(), QString::fromUtf8("Отмена"));
    EXPECT_EQ(button(save, "cancel")->text(), QString::fromUtf8("Отмена"));
    EXPECT_TRUE(button(open, "ok")->isDefault());
    EXPECT_TRUE(button(save, "ok")->isDefault());
    QStringList labels;
    for (auto* d : {static_cast<QDialog*>(&open), static_cast<QDialog*>(&save)})
        for (auto* l : d->findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains(QString::fromUtf8("Открыть файл:")));
    EXPECT_TRUE(labels.contains(QString::fromUtf8("Имя файла для сохранения:")));

    // 400 x 226 dialog units of the dialog's font (210 and the folder row).
    const QFontMetrics fm(open.font());
    EXPECT_EQ(open.size(), QSize((fm.averageCharWidth() * 400 + 2) / 4, (fm.height() * 226 + 4) / 8));
    EXPECT_EQ(open.minimumSize(), open.maximumSize());  // not resizable
    EXPECT_EQ(save.size(), open.size());
}

TEST(SavExtension, AppendedUnlessTheNameHoldsItInExactlyThisCase) {
    EXPECT_EQ(withSavExtension("abc"), "abc.sav");
    EXPECT_EQ(withSavExtension("abc.sav"), "abc.sav");
    EXPECT_EQ(withSavExtension("abc.SAV"), "abc.SAV.sav");
    EXPECT_EQ(withSavExtension("abc.sav.old"), "abc.sav.old");
    EXPECT_EQ(withSavExtension(".sav"), ".sav");
    EXPECT_EQ(withSavExtension(QString::fromUtf8("Ш 25x32, 1,5Т")), QString::fromUtf8("Ш 25x32, 1,5Т.sav"));
}

TEST_F(Pickers, OpenPickerConfirmsOnlyAChosenFile) {
    {
        COpenFile empty;  // an empty folder: only "Отмена" closes it
        showAndWait(empty);
        button(empty, "ok")->click();
        QTest::keyClick(&empty, Qt::Key_Return);
        EXPECT_TRUE(empty.isVisible());
        button(empty, "cancel")->click();
        EXPECT_FALSE(empty.isVisible());
        EXPECT_EQ(empty.result(), QDialog::Rejected);
    }
    touch("a.sav");
    touch("b.ini");
    COpenFile open;
    showAndWait(open);
    EXPECT_TRUE(nameEdit(open)->isReadOnly());
    QTest::keyClicks(nameEdit(open), "typed.sav");
    EXPECT_TRUE(nameEdit(open)->text().isEmpty());
    button(open, "ok")->click();
    EXPECT_TRUE(open.isVisible());

    select(files(open), "b.ini");
    EXPECT_EQ(nameEdit(open)->text(), "b.ini");
    button(open, "ok")->click();
    EXPECT_FALSE(open.isVisible());
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(open.fileName(), "b.ini");
}

TEST_F(Pickers, OpenPickerDoubleClickChoosesAtOnce) {
    touch("a.sav");
    touch("b.sav");
    COpenFile open;
    showAndWait(open);
    doubleClick(files(open), "b.sav");
    EXPECT_EQ(open.result(), QDialog::Accepted);
    EXPECT_EQ(open.fileName(), "b.sav");
}

TEST_F(Pickers, SavePickerShowsTheProposedName) {
    CSaveFile save(boxes);
    const QString proposed = QString::fromUtf8("Ш 25x32x25x40, 1,5Т, 3,5Амм2, 20Вх5А.sav");
    save.setFileName(proposed);
    EXPECT_EQ(nameEdit(save)->text(), proposed);
    EXPECT_FALSE(nameEdit(save)->isReadOnly());
    showAndWait(save);
    button(save, "ok")->click();  // nothing of that name exists: no question
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.fileName(), proposed);
}

TEST_F(Pickers, ReplaceQuestionNamesTheFileThatWillBeWritten) {
    touch("abc.sav");
    CSaveFile save(boxes);
    showAndWait(save);
    retype(nameEdit(save), "abc");
    boxes.answers = {false};
    button(save, "ok")->click();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, QString::fromUtf8("Внимание!"));
    EXPECT_EQ(boxes.asked[0].text, QString::fromUtf8("Заменить файл \"abc.sav\"?"));
    // Cancel: still open, with the typed name.
    EXPECT_TRUE(save.isVisible());
    EXPECT_EQ(nameEdit(save)->text(), "abc");

    boxes.answers = {true};
    QTest::keyClick(nameEdit(save), Qt::Key_Return);  // Enter is OK
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.fileName(), "abc");  // the caller appends ".sav"
}

TEST_F(Pickers, ReplaceQuestionFollowsTheTargetNotTheList) {
    touch("abc.sav.old");  // exists, though no list shows it
    touch("abc.SAV");      // listed, but "abc.SAV" is written as "abc.SAV.sav"
    ASSERT_TRUE(QDir().mkdir("folder.sav"));
    {
        CSaveFile save(boxes);
        retype(nameEdit(save), "abc.sav.old");
        boxes.answers = {false};
        button(save, "ok")->click();
        ASSERT_EQ(boxes.asked.size(), 1u);
        EXPECT_EQ(boxes.asked[0].text, QString::fromUtf8("Заменить файл \"abc.sav.old\"?"));
        EXPECT_NE(save.result(), QDialog::Accepted);
    }
    boxes.asked.clear();
    for (const char* typed : {"abc.SAV", "folder"}) {
        CSaveFile save(boxes);
        retype(nameEdit(save), typed);
        button(save, "ok")->click();
        EXPECT_TRUE(boxes.asked.empty()) << typed;
        EXPECT_EQ(save.result(), QDialog::Accepted) << typed;
        EXPECT_EQ(save.fileName(), typed);
    }
}

TEST_F(Pickers, EmptyNameSavesNothingAndKeepsThePickerOpen) {
    touch(".sav");
    CSaveFile save(boxes);
    save.setFileName("proposed.sav");
    showAndWait(save);
    nameEdit(save)->clear();
    button(save, "ok")->click();
    QTest::keyClick(nameEdit(save), Qt::Key_Return);
    EXPECT_TRUE(boxes.asked.empty());
    EXPECT_TRUE(save.isVisible());
    EXPECT_NE(save.result(), QDialog::Accepted);
}

TEST_F(Pickers, SavePickerDoubleClickAsksAtOnce) {
    touch("a.sav");
    touch("b.sav");
    CSaveFile save(boxes);
    save.setFileName("proposed.sav");
    showAndWait(save);
    boxes.answers = {false};
    doubleClick(files(save), "b.sav");
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, QString::fromUtf8("Заменить файл \"b.sav\"?"));
    EXPECT_TRUE(save.isVisible());
    EXPECT_EQ(nameEdit(save)->text(), "b.sav");

    doubleClick(files(save), "a.sav");  // OK this time
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(save.result(), QDialog::Accepted);
    EXPECT_EQ(save.fileName(), "a.sav");
}

TEST_F(Pickers, QtFilePickersRunThePickersModally) {
    touch("a.sav");
    QtFilePickers pickers(boxes);

    whenModal<COpenFile>([](COpenFile* d) { d->findChild<QPushButton*>("cancel")->click(); });
    EXPECT_FALSE(pickers.openDesign(nullptr).has_value());

    whenModal<COpenFile>([](COpenFile* d) {
        d->findChild<QListWidget*>("files")->setCurrentRow(0);
        d->findChild<QPushButton*>("ok")->click();
    });
    EXPECT_EQ(pickers.openDesign(nullptr), std::optional<QString>("a.sav"));

    QString shown;
    whenModal<CSaveFile>([&shown](CSaveFile* d) {
        shown = d->findChild<QLineEdit*>("name")->text();
        d->findChild<QPushButton*>("cancel")->click();
    });
    EXPECT_FALSE(pickers.saveDesign(nullptr, QString::fromUtf8("Т 40x20x10.sav")).has_value());
    EXPECT_EQ(shown, QString::fromUtf8("Т 40x20x10.sav"));

    whenModal<CSaveFile>([](CSaveFile* d) {
        d->findChild<QLineEdit*>("name")->setText("a");
        d->findChild<QPushButton*>("ok")->click();
    });
    EXPECT_EQ(pickers.saveDesign(nullptr, "x.sav"), std::optional<QString>("a"));
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, QString::fromUtf8("Заменить файл \"a.sav\"?"));
}

TEST_F(Pickers, ReportDialogTellsWhetherItAskedAboutThePath) {
    QtFilePickers pickers(boxes);
    const QString proposed = QString::fromUtf8("Ш 25x32x25x40, 1,5Т.txt");
    QString caption, first;
    QStringList filters;
    whenModal<QFileDialog>([&](QFileDialog* d) {
        caption = d->windowTitle();
        filters = d->nameFilters();
        first = d->selectedFiles().value(0);
        static_cast<QDialog*>(d)->accept();  // what its "Save" button does
    });
    auto fresh = pickers.saveReport(nullptr, proposed);
    ASSERT_TRUE(fresh.has_value());
    EXPECT_FALSE(fresh->asked);
    EXPECT_EQ(fresh->path, QDir::current().absoluteFilePath(proposed));
    EXPECT_EQ(first, fresh->path);
    EXPECT_EQ(caption, QString::fromUtf8("Сохранить в файле"));
    EXPECT_EQ(filters, QStringList{QString::fromUtf8("Файлы сохранённых расчетов *.txt (*.txt)")});

    // An existing file: the dialog's own overwrite prompt comes first.
    touch("old.txt");
    bool prompted = false;
    whenModal<QFileDialog>([&](QFileDialog* d) {
        // Typed over the proposed name, as a user does.
        auto* typed = d->findChild<QLineEdit*>("fileNameEdit");
        if (!typed) {
            ADD_FAILURE() << "no file name edit in the file dialog";
            d->reject();
            return;
        }
        typed->setText("old.txt");
        whenModal<QMessageBox>([&](QMessageBox* box) {
            prompted = true;
            box->button(QMessageBox::Yes)->click();
        });
        static_cast<QDialog*>(d)->accept();  // what its "Save" button does
    });
    auto replaced = pickers.saveReport(nullptr, proposed);
    ASSERT_TRUE(replaced.has_value());
    EXPECT_TRUE(prompted);
    EXPECT_TRUE(replaced->asked);
    EXPECT_EQ(replaced->path, QDir::current().absoluteFilePath("old.txt"));

    whenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_FALSE(pickers.saveReport(nullptr, proposed).has_value());
    EXPECT_TRUE(boxes.asked.empty());  // the system dialog asks for itself
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The Qt file dialog, not a desktop portal, so that the test can drive it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
