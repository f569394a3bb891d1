// The about box `TAboutBox`: product name, program picture, version and the maker's lines.
#pragma once

#include "text/Language.h"

#include <QDialog>

namespace quendra::app {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Language language, QWidget* parent = nullptr);
};

} // namespace quendra::app
