#include "window_menus.hpp"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "language.hpp"
#include "main_controls.hpp"
#include "main_dialog.hpp"
#include "steel_group.hpp"

namespace velmora::ui {

std::vector<MenuCommand> menuCommands() {
    using W = CBrevinorDlg;
    using K = QKeySequence;
    return {
        {MenuPlace::file, "open", QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "&Открыть..."), {K(K::Open)}, &W::OnLoad},
        {MenuPlace::file, "save", QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "&Сохранить"), {K(K::Save)}, &W::OnSave},
        {MenuPlace::file, "save_report", QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "Сохранить о&тчет..."), {}, &W::OnSaveReport},
        {MenuPlace::file, names::print, QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "&Печать..."), {K(K::Print)}, &W::OnPrint, true},
        {MenuPlace::file, names::pdf, QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "Сохранить в P&DF..."), {}, &W::OnSavePdf},
        {MenuPlace::file, "quit", QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "В&ыход"), {K(Qt::CTRL | Qt::Key_Q)}, &W::OnExit, true},
        {MenuPlace::edit, names::undo, QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "&Отменить"), {K(K::Undo)}, &W::OnUndo},
        {MenuPlace::edit, names::redo, QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "&Повторить"),
         {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, &W::OnRedo},
        {MenuPlace::bar, names::advise, QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "Подобрать &сердечник..."), {}, &W::OnAdviseCore},
        {MenuPlace::bar, "design", QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "Спрое&ктировать..."), {}, &W::OnDesign},
        {MenuPlace::bar, names::help, QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "По&мощь"), {}, &W::OnHelp},
        {MenuPlace::bar, names::about, QT_TRANSLATE_NOOP("velmora::ui::CBrevinorDlg", "&О программе..."), {}, &W::OnAbout},
    };
}

WindowMenus::WindowMenus(CBrevinorDlg& window, MainControls& controls) {
    QMenuBar* bar = controls.menu;
    auto* file = bar->addMenu(QString());
    auto* edit = bar->addMenu(QString());
    file->setObjectName(QStringLiteral("file_menu"));
    controls.keepText([file, edit] {
        file->setTitle(tr("&Файл"));
        edit->setTitle(tr("&Правка"));
    });
    for (const MenuCommand& c : menuCommands()) {
        QMenu* in = c.place == MenuPlace::file ? file : c.place == MenuPlace::edit ? edit : nullptr;
        if (in && c.separatorBefore) in->addSeparator();
        QAction* a = in ? in->addAction(QString()) : bar->addAction(QString());
        a->setObjectName(QString::fromLatin1(c.name));
        controls.keepText([a, text = c.text] { a->setText(tr(text)); });
        // The window holds the shortcuts too, so that they work with the menu closed;
        // the window's own, not the edit boxes' (theirs stay for one field).
        if (!c.keys.isEmpty()) {
            a->setShortcuts(c.keys);
            a->setShortcutContext(Qt::WindowShortcut);
            window.addAction(a);
        }
        QObject::connect(a, &QAction::triggered, &window, c.command);
        actions_.push_back(a);
    }
    // The languages, each named in itself, under a title that reads the same in all.
    QMenu* languages = bar->addMenu(QString::fromUtf8(kLanguageMenu));
    languages->setObjectName(QString::fromLatin1(names::language));
    auto* oneLanguage = new QActionGroup(languages);
    for (std::size_t i = 0; i < texts::languages().size(); ++i) {
        const texts::Language& l = texts::languages()[i];
        if (l.forTests) continue;
        QAction* a = languages->addAction(QString::fromUtf8(l.name.data(), static_cast<qsizetype>(l.name.size())));
        a->setObjectName(QStringLiteral("lang_") + QString::fromLatin1(l.code.data(), static_cast<qsizetype>(l.code.size())));
        a->setCheckable(true);
        oneLanguage->addAction(a);
        languages_.emplace_back(texts::langAt(i).index, a);
        QObject::connect(a, &QAction::triggered, &window, [&window, lang = texts::langAt(i)] { window.OnLanguage(lang); });
    }
    // The buttons and the choices that are commands; the exchanges' own changes are ignored.
    auto& w = window;
    QObject::connect(controls.coreGroup, &QButtonGroup::idClicked, &w, &CBrevinorDlg::OnCoreChanged);
    QObject::connect(controls.conductor, &QComboBox::activated, &w, &CBrevinorDlg::OnSelchangeConductor);
    QObject::connect(controls.steel, &SteelGroup::gradeChosen, &w, [&w] { w.OnCalculate(); });
    QObject::connect(controls.calculate, &QPushButton::clicked, &w, [&w] { w.OnCalculate(); });
    QObject::connect(controls.load, &QPushButton::clicked, &w, &CBrevinorDlg::OnLoad);
    QObject::connect(controls.save, &QPushButton::clicked, &w, &CBrevinorDlg::OnSave);
    QObject::connect(controls.report, &QPushButton::clicked, &w, &CBrevinorDlg::OnSaveReport);
    QObject::connect(controls.exit, &QPushButton::clicked, &w, &CBrevinorDlg::OnExit);
    for (int i = 0; i < kSecondaries; ++i)
        QObject::connect(controls.rectifierButtons[static_cast<std::size_t>(i)], &QPushButton::clicked, &w,
                         [&w, i] { w.OnRectifier(i); });
    // F10 opens the first menu, as in most desktop programs; the arrows go on from there.
    auto* menuKey = new QAction(&window);
    menuKey->setObjectName(QStringLiteral("menu_key"));
    menuKey->setShortcut(Qt::Key_F10);
    menuKey->setShortcutContext(Qt::WindowShortcut);
    window.addAction(menuKey);
    QObject::connect(menuKey, &QAction::triggered, bar, [bar] {
        bar->setFocus(Qt::ShortcutFocusReason);
        bar->setActiveAction(bar->actions().value(0));
    });
}

QAction* WindowMenus::action(const char* name) const {
    for (QAction* a : actions_)
        if (a->objectName() == QLatin1String(name)) return a;
    return nullptr;
}

void WindowMenus::checkLanguage() {
    for (auto [lang, a] : languages_) a->setChecked(lang == uiLanguage().index);
}

}  // namespace velmora::ui
