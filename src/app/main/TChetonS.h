// The chip `TChetonS`: a shape in the chip's pen and brush with its value written on it.
#pragma once

#include <QBrush>
#include <QPen>
#include <QWidget>

namespace quendra::app {

class TChetonS : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QBrush Brush READ brush WRITE setBrush)
    Q_PROPERTY(QPen Pen READ pen WRITE setPen)
    Q_PROPERTY(TShapeType Shape READ shape WRITE setShape)
    Q_PROPERTY(int Chetvalue READ chetvalue WRITE setChetvalue)
    Q_PROPERTY(bool ShowValue READ showValue WRITE setShowValue)

public:
    enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
    Q_ENUM(TShapeType)

    explicit TChetonS(QWidget* parent = nullptr);

    QBrush brush() const { return brush_; }
    QPen pen() const { return pen_; }
    TShapeType shape() const { return shape_; }
    int chetvalue() const { return chetvalue_; }
    bool showValue() const { return showValue_; }

    // The chip keeps its own copies of pen and brush; setting either repaints it.
    void setBrush(const QBrush& brush);
    void setPen(const QPen& pen);
    // These repaint only when the value changes.
    void setShape(TShapeType shape);
    void setChetvalue(int value);
    void setShowValue(bool show);

    // The font the value is written in.
    static QFont valueFont();

    QSize sizeHint() const override { return {65, 65}; }

signals:
    void mouseDown(quendra::app::TChetonS* chip, Qt::MouseButton button, QPoint position);
    void mouseUp(quendra::app::TChetonS* chip, Qt::MouseButton button, QPoint position);
    void mouseMove(quendra::app::TChetonS* chip, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QBrush brush_{Qt::white};
    QPen pen_{Qt::black, 1};
    TShapeType shape_ = stRectangle;
    int chetvalue_ = 0;
    bool showValue_ = false;
};

} // namespace quendra::app
