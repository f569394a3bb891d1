// The info panel `B_T_Spieler_Info` and its six lines.
#include "main/InfoPanelWidget.h"

#include "common/AppText.h"
#include "main/TBalken.h"

#include <QLabel>

namespace quendra::app {
namespace {

constexpr int PanelWidth = 210;
constexpr int TitleHeight = 22;
constexpr int LineHeight = 20;
constexpr int CaptionWidth = 120;

struct LineNames {
    const char* caption;
    const char* value;
};
constexpr std::array<LineNames, 6> Names{{
    {"B_T_Cups", "B_Cups"},
    {"B_T_Startkapital", "B_Startkapital"},
    {"B_T_Zu_Gesetzt", "B_Zu_Gesetzt"},
    {"B_T_Gewinn", "B_Gewinn_Bisher"},
    {"B_T_Cups_mGW", "B_Cups_mGW"},
    {"B_T_Cups_mVE", "B_Cups_mVE"},
}};

} // namespace

InfoPanelWidget::InfoPanelWidget(QWidget* parent) : QFrame(parent), title_(new TBalken(this)) {
    setObjectName("InfoPanel");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    title_->setObjectName("B_T_Spieler_Info");
    title_->setGeometry(4, 4, PanelWidth - 8, TitleHeight);
    title_->setBackColor(QColor(0, 0, 128));
    title_->setTextKind(TextKind::gkSpieler1);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int top = 4 + TitleHeight + 4 + static_cast<int>(i) * LineHeight;
        lines_[i].caption = new QLabel(this);
        lines_[i].caption->setObjectName(Names[i].caption);
        lines_[i].caption->setGeometry(8, top, CaptionWidth, LineHeight);
        lines_[i].value = new QLabel(this);
        lines_[i].value->setObjectName(Names[i].value);
        lines_[i].value->setGeometry(8 + CaptionWidth, top, PanelWidth - CaptionWidth - 16,
                                     LineHeight);
        lines_[i].value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    setFixedSize(PanelWidth, 4 + TitleHeight + 8 + static_cast<int>(lines_.size()) * LineHeight);
}

void InfoPanelWidget::showPanel(const InfoPanelView& view, Language language) {
    title_->setTextKind(view.title);
    title_->setSpracheKind(language);
    title_->setProperty("tag", view.player);
    const std::array<TextKind, 6> captions{TextKind::gkCup,     TextKind::gkStartKap,
                                           TextKind::gkZuletzt, view.profitKind,
                                           TextKind::gkCupsGW,  TextKind::gkCupsVer};
    const std::array<qint64, 6> values{view.coups,  view.startCapital, view.lastStake,
                                       view.profit, view.coupsWon,     view.coupsLost};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i].caption->setText(qText(textKindText(captions[i], language)));
        lines_[i].value->setText(QString::number(values[i]));
    }
}

} // namespace quendra::app
