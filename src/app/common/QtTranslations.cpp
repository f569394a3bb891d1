#include "common/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace quendra::app {

QString qtTranslationsFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool useQtTranslations(Language language) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (language == Language::English) {
        return true;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_de"), qtTranslationsFolder())) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
    return true;
}

} // namespace quendra::app
