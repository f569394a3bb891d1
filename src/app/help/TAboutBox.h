// The about box `TAboutBox`: product name, program picture, version and the maker's lines.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "text/Language.h"
#endif

#include <QDialog>

namespace quendra::app {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Language language, QWidget* parent = nullptr);
};

} // namespace quendra::app
