// The player panel: shapes, labels and bars of the four players.
#include "main/PlayerPanelWidget.h"

#include "common/AppText.h"
#include "main/TBalken.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace quendra::app {
namespace {

constexpr int TitleHeight = 20;
constexpr int RowTop = 24;
constexpr int RowHeight = 30;
constexpr int BarHeight = 24;
constexpr int StatusLeft = 100;
constexpr int StatusWidth = 110;
constexpr int CapitalLeft = 215;
constexpr int ValueWidth = 120;
constexpr int StakeLeft = 340;
constexpr int ShapeSize = 20;
// The value bars read like a display: white figures on black.
const QColor ValueBarColour(0, 0, 0);

TBalken* makeBar(QWidget* parent, const QString& name, QRect geometry) {
    auto* bar = new TBalken(parent);
    bar->setObjectName(name);
    bar->setGeometry(geometry);
    bar->setProgress(0);
    return bar;
}

TBalken* makeTitle(QWidget* parent, const QString& name, QRect geometry, TextKind kind) {
    TBalken* title = makeBar(parent, name, geometry);
    title->setBorderStyle(TBalken::BorderStyle::bsNone);
    title->setBackColor(parent->palette().color(QPalette::Window));
    title->setTextKind(kind);
    return title;
}

QPixmap shapePicture(int player) {
    QPixmap picture(ShapeSize, ShapeSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(playerColour(player));
    painter.drawEllipse(QRectF(0.5, 0.5, ShapeSize - 1.0, ShapeSize - 1.0));
    return picture;
}

void showValue(TBalken* bar, const std::optional<std::int32_t>& value) {
    bar->setTextKind(value ? TextKind::gkFreeValue : TextKind::gkNone);
    bar->setFreeValue(value.value_or(0));
}

} // namespace

QColor playerColour(int player) {
    switch (player) {
    case 1:
        return {255, 0, 255};
    case 2:
        return {255, 0, 0};
    case 3:
        return {0, 255, 255};
    default:
        return {0, 0, 255};
    }
}

QColor barColour(BarColour colour, const QColor& window) {
    switch (colour) {
    case BarColour::Window:
        break;
    case BarColour::White:
        return Qt::white;
    case BarColour::Teal:
        return {0, 128, 128};
    case BarColour::Yellow:
        return {255, 255, 0};
    case BarColour::Red:
        return {255, 0, 0};
    case BarColour::Olive:
        return {128, 128, 0};
    }
    return window;
}

PlayerPanelWidget::PlayerPanelWidget(QWidget* parent)
    : QWidget(parent),
      statusTitle_(makeTitle(this, "Text_Ba_Stat", {StatusLeft, 0, StatusWidth, TitleHeight},
                             TextKind::gkStatus)),
      capitalTitle_(makeTitle(this, "Text_Ba_Guthaben", {CapitalLeft, 0, ValueWidth, TitleHeight},
                              TextKind::gkGuthaben)),
      stakeTitle_(makeTitle(this, "Text_Ba_Gesetzt", {StakeLeft, 0, ValueWidth, TitleHeight},
                            TextKind::gkGesetzt)) {
    setObjectName("PlayerPanel");
    const QColor window = palette().color(QPalette::Window);
    for (int p = 1; p <= PlayerSlots; ++p) {
        Row& row = rows_[static_cast<std::size_t>(p - 1)];
        const int top = RowTop + (p - 1) * RowHeight;
        const QString n = QString::number(p);
        auto* shape = new QLabel(this);
        shape->setObjectName("ShSp" + n);
        shape->setPixmap(shapePicture(p));
        shape->setGeometry(4, top + (BarHeight - ShapeSize) / 2, ShapeSize, ShapeSize);
        row.shape = shape;
        row.label = new QLabel(this);
        row.label->setObjectName("LaSp" + n);
        row.label->setGeometry(30, top, StatusLeft - 34, BarHeight);
        QFont bold = row.label->font();
        bold.setBold(true);
        row.label->setFont(bold);
        for (QWidget* clickable : {row.shape, static_cast<QWidget*>(row.label)}) {
            clickable->setCursor(Qt::PointingHandCursor);
            clickable->installEventFilter(this);
        }
        row.status = makeBar(this, "Status" + n, {StatusLeft, top, StatusWidth, BarHeight});
        row.status->setBackColor(window);
        row.capital = makeBar(this, "Guthaben" + n, {CapitalLeft, top, ValueWidth, BarHeight});
        row.stake = makeBar(this, "Gesetzt" + n, {StakeLeft, top, ValueWidth, BarHeight});
        for (TBalken* value : {row.capital, row.stake}) {
            value->setBackColor(ValueBarColour);
            value->setTextKind(TextKind::gkNone);
        }
    }
    setFixedSize(StakeLeft + ValueWidth + 2, RowTop + PlayerSlots * RowHeight);
}

void PlayerPanelWidget::showPanel(const PlayerPanelView& view, Language language) {
    const QColor window = palette().color(QPalette::Window);
    statusTitle_->setTextKind(view.Text_Ba_Stat);
    for (TBalken* title : {statusTitle_, capitalTitle_, stakeTitle_}) {
        title->setSpracheKind(language);
    }
    for (int p = 1; p <= PlayerSlots; ++p) {
        const PlayerBars& bars = view.players[static_cast<std::size_t>(p - 1)];
        Row& row = rows_[static_cast<std::size_t>(p - 1)];
        const auto kind = static_cast<TextKind>(static_cast<int>(TextKind::gkSpieler1) + p - 1);
        row.label->setText(qText(textKindText(kind, language)));
        QPalette labelColours = row.label->palette();
        labelColours.setColor(QPalette::WindowText, bars.locked ? Qt::gray : Qt::black);
        row.label->setPalette(labelColours);
        row.status->setGesperrt(bars.locked);
        row.status->setTextKind(bars.statusKind);
        row.status->setFreeValue(bars.statusValue);
        row.status->setBackColor(barColour(bars.statusColour, window));
        showValue(row.capital, bars.capital);
        showValue(row.stake, bars.stake);
        for (TBalken* bar : {row.status, row.capital, row.stake}) {
            bar->setSpracheKind(language);
        }
    }
}

bool PlayerPanelWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int p = 1; p <= PlayerSlots; ++p) {
            const Row& row = rows_[static_cast<std::size_t>(p - 1)];
            if (watched == row.shape || watched == row.label) {
                emit playerClicked(p);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quendra::app
