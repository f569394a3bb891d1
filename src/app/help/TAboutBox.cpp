// The about box: a fixed dialog in the colour of its program picture.
#include "help/TAboutBox.h"

#include "game/Version.h"
#include "main/Pictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quendra::app {
namespace {

constexpr QSize ClientSize(325, 216);
constexpr QRect PanelGeometry(8, 8, 309, 161);
constexpr QSize PictureSize(123, 99);

constexpr BilingualText Title{"Info über Quendra", "About Quendra"};
constexpr BilingualText Purpose{"Roulette:\nSpiel, Simulation und\nTest von Systemen",
                                "Roulette:\nplay, simulation and\ntesting of systems"};

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QLabel* labelIn(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TAboutBox::TAboutBox(Language language, QWidget* parent) : QDialog(parent) {
    setObjectName("TAboutBox");
    setWindowTitle(fromView(Title[language]));
    setFixedSize(ClientSize);

    const QImage picture = loadPicture(u"PROGRAMM");
    QPalette colours = palette();
    colours.setColor(QPalette::Window, picture.pixelColor(2, 2));
    setPalette(colours);
    setAutoFillBackground(true);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(PanelGeometry);

    QLabel* name = labelIn(panel, "ProductName", "QUENDRA", QRect(8, 8, 293, 26));
    QFont nameFont("Arial Black");
    nameFont.setPointSize(12);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    QLabel* programIcon =
        labelIn(panel, "ProgramIcon", QString(),
                QRect(QPoint(8, PanelGeometry.height() - PictureSize.height() - 8), PictureSize));
    programIcon->setPixmap(QPixmap::fromImage(picture));
    programIcon->setScaledContents(true);

    const int textLeft = 8 + PictureSize.width() + 12;
    const int textWidth = PanelGeometry.width() - textLeft - 8;
    labelIn(panel, "Version", fromView(VersionText), QRect(textLeft, 62, textWidth, 18));
    labelIn(panel, "Comments", fromView(Purpose[language]), QRect(textLeft, 86, textWidth, 54));

    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    ok->setGeometry(QRect(QPoint((ClientSize.width() - 75) / 2, 180), QSize(75, 25)));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

} // namespace quendra::app
