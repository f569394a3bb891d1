// Qt's own texts (the buttons of message boxes, the file and print dialogs) in the program's
// language, from the translations installed with Qt.
#pragma once

#include "text/Language.h"

#include <QString>

namespace quendra::app {

// Installs Qt's translation of the language, replacing the one installed before; English needs
// none. Returns false when the translation is not installed: Qt's texts then stay English.
bool useQtTranslations(Language language);

// Where Qt's translations are looked for.
QString qtTranslationsFolder();

} // namespace quendra::app
