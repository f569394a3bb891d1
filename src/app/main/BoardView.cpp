// The betting board: picture, chips, highlight, win indicator and the mouse placement.
#include "main/BoardView.h"

#include "common/QtHost.h"
#include "main/BoardHighlight.h"
#include "main/Pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <set>

namespace quendra::app {

// A highlight image: a translucent sheet cut to the field it lies on. Clicks fall through to
// the board, which finds the field under the point itself.
class HighlightImage : public QWidget {
public:
    HighlightImage(const QString& name, QWidget* parent) : QWidget(parent) {
        setObjectName(name);
        setProperty("tag", 2);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    // The field's region in board coordinates; the image takes its bounding rectangle.
    void cover(const QRegion& field) {
        if (isVisible() && field.translated(-pos()) == shape_) {
            return; // still over the same field
        }
        setGeometry(field.boundingRect());
        shape_ = field.translated(-pos());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setClipRegion(shape_);
        painter.fillRect(rect(), QColor(255, 236, 96, 150));
    }

private:
    QRegion shape_;
};

namespace {

constexpr QSize DollySize{18, 34};

// The win indicator: a marker standing on the winning number.
QPixmap dollyPicture() {
    QImage image(DollySize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    const QColor body(250, 250, 245);
    const QColor ring(212, 175, 55);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(1.5, 26.5, 15, 6), 2, 2); // foot
    painter.drawPolygon(QPolygonF({{6.5, 12}, {11.5, 12}, {13.5, 27}, {4.5, 27}}));
    painter.setBrush(ring);
    painter.drawRect(QRectF(4.5, 11.5, 9, 3)); // collar
    painter.setBrush(body);
    painter.drawEllipse(QRectF(3.5, 0.5, 11, 11)); // head
    return QPixmap::fromImage(image);
}

quendra::MouseButton engineButton(Qt::MouseButton button) {
    return button == Qt::RightButton ? MouseButton::Right : MouseButton::Left;
}

bool placingButton(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton;
}

BoardPoint boardPoint(QPoint point) {
    return {point.x(), point.y()};
}

} // namespace

BoardView::BoardView(Game& game, QWidget* parent)
    : QWidget(parent), game_(game), dolly_(new QLabel(this)), leftTimer_(new QTimer(this)),
      rightTimer_(new QTimer(this)) {
    setObjectName("Spielbrett1");
    setFixedSize(BoardWidth, BoardHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);

    for (const QString& name : highlightImageNames()) {
        highlights_.emplace(name, new HighlightImage(name, this));
    }
    dolly_->setObjectName("DollyImg");
    dolly_->setPixmap(dollyPicture());
    dolly_->resize(DollySize);
    dolly_->setAttribute(Qt::WA_TransparentForMouseEvents);

    leftTimer_->setObjectName("Left_Mouse_Timer");
    rightTimer_->setObjectName("Right_Mouse_Timer");
    for (QTimer* timer : {leftTimer_, rightTimer_}) {
        timer->setInterval(MouseRepeatMs);
    }
    connect(leftTimer_, &QTimer::timeout, this, [this] { repeatTick(MouseButton::Left); });
    connect(rightTimer_, &QTimer::timeout, this, [this] { repeatTick(MouseButton::Right); });

    if (auto* host = dynamic_cast<QtHost*>(&game_.host())) {
        connect(host, &QtHost::stateChanged, this, [this](Change what) {
            // The phase changes with every command that may have changed the chips' settings.
            if (any(what, Change::Chips | Change::WinIndicator | Change::Table | Change::Phase)) {
                refresh();
            }
        });
    }
    refresh();
}

BoardView::~BoardView() = default;

QColor BoardView::chipColour(int player, bool singleColour) {
    if (singleColour) {
        return QColor(192, 192, 192);
    }
    // The colours of the player shapes `ShSp1`-`ShSp4`.
    static const QColor colours[] = {QColor(255, 0, 255), QColor(255, 0, 0), QColor(0, 255, 255),
                                     QColor(0, 0, 255)};
    return colours[std::clamp(player, 1, PlayerSlots) - 1];
}

TChetonS* BoardView::chip(const QString& name) const {
    const auto found = chips_.find(name.toStdString());
    return found == chips_.end() ? nullptr : found->second;
}

QWidget* BoardView::shownHighlight() const {
    return shownHighlight_;
}

void BoardView::refresh() {
    if (!shownTable_ || *shownTable_ != game_.state().table.type()) {
        loadTable();
    }
    syncChips();
    placeWinIndicator();
}

void BoardView::loadTable() {
    const TableType table = game_.state().table.type();
    shownTable_ = table;
    picture_ = loadPicture(QString(boardPictureName(table)));
    showHighlight(nullptr, {});
    update();
}

void BoardView::syncChips() {
    const GameState& state = game_.state();
    const std::vector<ChipView> views = boardChips(state);
    std::set<std::string> present;
    for (const ChipView& view : views) {
        present.insert(view.name);
    }
    for (auto it = chips_.begin(); it != chips_.end();) {
        if (present.count(it->first) == 0) {
            // Gone from sight now, deleted later: it may be the chip whose press is handled.
            it->second->hide();
            it->second->deleteLater();
            it = chips_.erase(it);
        } else {
            ++it;
        }
    }
    const QFontMetrics metrics(TChetonS::valueFont());
    for (const ChipView& view : views) {
        auto found = chips_.find(view.name);
        TChetonS* chip = found != chips_.end() ? found->second : makeChip(view.name, view.prison);
        const int textWidth = metrics.horizontalAdvance(QString::number(view.amount));
        const ChipShape shape = chipShape(view.anchor, view.amount, textWidth);
        chip->setGeometry(shape.left, shape.top - BoardTop, shape.width, shape.height);
        chip->setShape(shape.rectangle ? TChetonS::stRectangle : TChetonS::stCircle);
        chip->setChetvalue(view.amount);
        const QColor colour = chipColour(view.player, state.settings.SingleColourChips);
        if (chip->brush().color() != colour) {
            chip->setBrush(colour);
        }
    }
    stackChips(views);
}

// In paint order: the selected player's chips come last, on top. Restacking repaints the
// chips, so it is done only when the order changed.
void BoardView::stackChips(const std::vector<ChipView>& views) {
    std::vector<std::string> order;
    order.reserve(views.size());
    for (const ChipView& view : views) {
        order.push_back(view.name);
    }
    if (order == stackOrder_) {
        return;
    }
    stackOrder_ = std::move(order);
    for (const std::string& name : stackOrder_) {
        chips_.at(name)->raise();
    }
    dolly_->raise();
}

TChetonS* BoardView::makeChip(const std::string& name, bool prison) {
    auto* chip = new TChetonS(this);
    chip->setObjectName(QString::fromStdString(name));
    chip->setCursor(Qt::CrossCursor);
    chip->setShowValue(true);
    connect(chip, &TChetonS::mouseMove, this,
            [this](TChetonS* source, QPoint at) { pointerAt(boardPoint(source->pos() + at)); });
    if (!prison) {
        connect(chip, &TChetonS::mouseDown, this,
                [this](TChetonS* source, Qt::MouseButton button, QPoint) {
                    chipPress(source, button);
                });
        connect(chip, &TChetonS::mouseUp, this,
                [this](TChetonS*, Qt::MouseButton button, QPoint) { release(button); });
    }
    chip->show();
    chips_.emplace(name, chip);
    return chip;
}

void BoardView::placeWinIndicator() {
    const GameState& state = game_.state();
    const WindowPoint at = state.bets.WinIndicator;
    dolly_->move(at.x, at.y - BoardTop);
    dolly_->setVisible(state.settings.ShowDolly);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ClothColour);
    painter.drawImage(0, 0, picture_);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    boardPress(boardPoint(event->position().toPoint()), event->button());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (game_.state().settings.ClickSound) {
        game_.host().beep();
    }
    release(event->button());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    pointerAt(boardPoint(event->position().toPoint()));
}

void BoardView::leaveEvent(QEvent* event) {
    showHighlight(nullptr, {});
    QWidget::leaveEvent(event);
}

void BoardView::boardPress(BoardPoint point, Qt::MouseButton button) {
    if (!placingButton(button)) {
        return;
    }
    const MouseButton which = engineButton(button);
    const PlacementOutcome outcome = BoardPress(game_, point, which);
    (which == MouseButton::Left ? leftRepeat_ : rightRepeat_) = Repeat{point, {}};
    startRepeat(which, outcome);
    refresh();
}

void BoardView::chipPress(TChetonS* chip, Qt::MouseButton button) {
    if (!placingButton(button)) {
        return;
    }
    const MouseButton which = engineButton(button);
    const std::string name = chip->objectName().toStdString();
    const PlacementOutcome outcome = ChipPress(game_, name, which);
    (which == MouseButton::Left ? leftRepeat_ : rightRepeat_) = Repeat{std::nullopt, name};
    startRepeat(which, outcome);
    refresh();
}

// Repeating is pointless once a placement did nothing: a refused one would only raise its
// warning every tick, and an empty field or a blocked cursor stays so while the button is held.
void BoardView::startRepeat(MouseButton button, PlacementOutcome outcome) {
    QTimer* timer = timerFor(button);
    if (outcome == PlacementOutcome::Placed) {
        timer->start();
    } else {
        timer->stop();
    }
}

void BoardView::repeatTick(MouseButton button) {
    const Repeat& repeat = button == MouseButton::Left ? leftRepeat_ : rightRepeat_;
    const PlacementOutcome outcome = repeat.point ? BoardRepeat(game_, *repeat.point, button)
                                                  : ChipPress(game_, repeat.chipName, button);
    if (outcome != PlacementOutcome::Placed) {
        timerFor(button)->stop();
    }
    refresh();
}

void BoardView::release(Qt::MouseButton button) {
    if (placingButton(button)) {
        timerFor(engineButton(button))->stop();
    }
}

QTimer* BoardView::timerFor(MouseButton button) const {
    return button == MouseButton::Left ? leftTimer_ : rightTimer_;
}

void BoardView::pointerAt(BoardPoint point) {
    const GameState& state = game_.state();
    const TableType table = state.table.type();
    const std::optional<BetField> field = FieldAtPoint(table, point);
    setCursor(field ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!field || !state.settings.ShowSelection) {
        showHighlight(nullptr, {});
        return;
    }
    const auto image = highlights_.find(highlightImageName(table, *field));
    showHighlight(image == highlights_.end() ? nullptr : image->second, fieldRegion(table, *field));
}

void BoardView::showHighlight(HighlightImage* image, const QRegion& field) {
    if (shownHighlight_ && shownHighlight_ != image) {
        shownHighlight_->hide();
    }
    shownHighlight_ = image;
    if (image) {
        image->cover(field);
        image->lower(); // under the chips
        image->show();
    }
}

} // namespace quendra::app
