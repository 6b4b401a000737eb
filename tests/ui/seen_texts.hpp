// Every text a window shows a user, with where it stands: for the tests that walk a
// window in one language.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>
#include <vector>

namespace velmora::uitest {

// One text a user reads, and where.
struct Seen {
    QString where;
    QString text;
};

// Every text of a window and its children: titles, labels, buttons, group titles,
// menus, tips, list entries and the comment. Edits hold data and are left out.
inline std::vector<Seen> textsOf(QWidget* root) {
    std::vector<Seen> out;
    auto add = [&out](const QWidget* w, const char* what, const QString& t) {
        if (!t.isEmpty())
            out.push_back({QStringLiteral("%1 \"%2\" %3")
                               .arg(QString::fromLatin1(w->metaObject()->className()),
                                    w->objectName(), QString::fromLatin1(what)),
                           t});
    };
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    for (QWidget* w : all) {
        if (w->isWindow()) add(w, "title", w->windowTitle());
        add(w, "tip", w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) add(w, "text", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(w, "text", b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(w, "title", g->title());
        if (auto* p = qobject_cast<QPlainTextEdit*>(w)) add(w, "text", p->toPlainText());
        if (auto* p = qobject_cast<QTextEdit*>(w)) add(w, "text", p->toPlainText());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) add(w, "entry", c->itemText(i));
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w))
            for (QAction* a : w->actions()) add(w, "item", a->text());
    }
    return out;
}

}  // namespace velmora::uitest
