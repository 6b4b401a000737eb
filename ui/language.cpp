#include "language.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace velmora::ui {
namespace {

texts::Lang current = kDefaultLanguage;

// The translators in place, owned by the application object.
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

// Loads the file into a fresh translator and installs it in place of `slot`'s; a file
// that is not there leaves no translator.
bool replace(QPointer<QTranslator>& slot, const QString& file, const QString& folder) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(file, folder) || !QCoreApplication::installTranslator(t)) {
        delete t;
        return false;
    }
    slot = t;
    return true;
}

}  // namespace

texts::Lang uiLanguage() { return current; }

LanguageLoad setUiLanguage(texts::Lang lang) {
    const texts::Language& l = texts::language(lang);
    auto name = [](std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); };
    LanguageLoad load;
    // The program's translations are built into it; Qt's come with Qt.
    load.program = replace(programTranslator, name(l.qtProgram), QStringLiteral(":/i18n"));
    load.qt = replace(qtTranslator, name(l.qtBase), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    current = lang;
    // The toolkit posts the change to the windows; deliver it now, so that whoever
    // switches sees every text switched when this returns (a Russian that needs no
    // translator of its own still has to reach them).
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return load;
}

}  // namespace velmora::ui
