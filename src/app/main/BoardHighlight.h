// The highlight images over the board's fields: which image fits a field's shape, and the
// pixels the field covers on the board picture.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "table/BetField.h"
#endif

#include <QRegion>
#include <QStringList>

namespace quendra::app {

// Every highlight image, by object name ("I_Plein_Sel", "I_Cheval1_Sel", ...).
const QStringList& highlightImageNames();

// The image that fits the field: one per shape, the fields beside the taller line bands (below
// rows 4 and 8) with the taller variant of their shape.
QString highlightImageName(TableType table, BetField field);

// The pixels of the board picture where a click bets on the field: the image is cut to them, so
// it lies exactly over what a click there hits. Computed once per table.
const QRegion& fieldRegion(TableType table, BetField field);

} // namespace quendra::app
