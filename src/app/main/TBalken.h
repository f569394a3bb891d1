// The status bar `TBalken`: a framed bar filled to its progress, with the text of a text kind
// drawn so that it shows inverted on the filled part.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "text/Language.h"
#include "text/TextKind.h"
#endif

#include <QColor>
#include <QWidget>

namespace quendra::app {

class TBalken : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quendra::TextKind TextKind READ textKind WRITE setTextKind)
    Q_PROPERTY(quendra::Language SpracheKind READ spracheKind WRITE setSpracheKind)
    Q_PROPERTY(bool ShowText READ showText WRITE setShowText)
    Q_PROPERTY(bool Gesperrt READ gesperrt WRITE setGesperrt)
    Q_PROPERTY(BorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Progress READ progress WRITE setProgress)
    Q_PROPERTY(int FreeValue READ freeValue WRITE setFreeValue)

public:
    enum class BorderStyle { bsNone, bsSingle };
    Q_ENUM(BorderStyle)

    explicit TBalken(QWidget* parent = nullptr);

    quendra::TextKind textKind() const { return textKind_; }
    quendra::Language spracheKind() const { return spracheKind_; }
    bool showText() const { return showText_; }
    // A locked bar shows a white cross instead of its text.
    bool gesperrt() const { return gesperrt_; }
    BorderStyle borderStyle() const { return borderStyle_; }
    QColor foreColor() const { return foreColor_; }
    QColor backColor() const { return backColor_; }
    int minValue() const { return minValue_; }
    int maxValue() const { return maxValue_; }
    int progress() const { return progress_; }
    int freeValue() const { return freeValue_; }

    // The filled part in whole percent: 0 when MinValue equals MaxValue.
    int percentDone() const;
    // The text the bar writes (empty for gkNone and when the text is switched off or locked).
    QString shownText() const;

    // Every setter repaints when the value changes.
    void setTextKind(quendra::TextKind kind);
    void setSpracheKind(quendra::Language language);
    void setShowText(bool show);
    void setGesperrt(bool locked);
    void setBorderStyle(BorderStyle style);
    void setForeColor(const QColor& colour);
    void setBackColor(const QColor& colour);
    // Raises Progress to a new minimum above it.
    void setMinValue(int value);
    // Lowers Progress to a new maximum below it.
    void setMaxValue(int value);
    // Clamped to [MinValue, MaxValue]; repaints only when the shown percentage changes.
    void setProgress(int value);
    void setFreeValue(int value);

    QSize sizeHint() const override { return {100, 100}; }

    // The bar as it is painted, at the control's size.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <typename T>
    void change(T& field, const T& value);

    quendra::TextKind textKind_ = quendra::TextKind::gkMakeBet;
    quendra::Language spracheKind_ = quendra::Language::German;
    bool showText_ = true;
    bool gesperrt_ = false;
    BorderStyle borderStyle_ = BorderStyle::bsSingle;
    QColor foreColor_ = Qt::black;
    QColor backColor_ = Qt::white;
    int minValue_ = 0;
    int maxValue_ = 100;
    int progress_ = 0;
    int freeValue_ = 0;
};

} // namespace quendra::app
