// The picture registry, the cloth shared by the pictures and the ball sheet.
#include "main/Pictures.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quendra::app {
namespace {

// A tile of felt: the cloth colour with a faint, fixed grain (the same on every start).
QImage feltTile() {
    constexpr int Size = 64;
    QImage tile(Size, Size, QImage::Format_RGB32);
    std::uint32_t seed = 0x9E3779B9u;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 29) - 4; // -4 .. 3
            tile.setPixelColor(x, y,
                               QColor(ClothColour.red(), ClothColour.green() + grain,
                                      ClothColour.blue() + grain / 2));
        }
    }
    return tile;
}

QImage drawPicture(const QString& upperName) {
    if (upperName == FrenchBoardName) {
        return drawBoardPicture(TableType::French);
    }
    if (upperName == AmericanBoardName) {
        return drawBoardPicture(TableType::American);
    }
    if (upperName == FrenchWheelName) {
        return drawWheelPicture(TableType::French);
    }
    if (upperName == AmericanWheelName) {
        return drawWheelPicture(TableType::American);
    }
    if (upperName == BallSheetName) {
        return drawBallSheet();
    }
    if (upperName == StartPictureName) {
        return drawStartPicture();
    }
    if (upperName == ProgramPictureName) {
        return drawProgramPicture();
    }
    return {};
}

} // namespace

QImage loadPicture(QStringView name) {
    static QHash<QString, QImage> drawn;
    const QString key = name.toString().toUpper();
    auto found = drawn.constFind(key);
    if (found == drawn.constEnd()) {
        found = drawn.insert(key, drawPicture(key));
    }
    return *found;
}

const char* boardPictureName(TableType table) {
    return table == TableType::French ? FrenchBoardName : AmericanBoardName;
}

const char* wheelPictureName(TableType table) {
    return table == TableType::French ? FrenchWheelName : AmericanWheelName;
}

void paintCloth(QPainter& painter, const QRect& area) {
    static const QImage tile = feltTile();
    painter.fillRect(area, QBrush(tile));
}

QImage drawBallSheet() {
    // One ivory ball of 13 × 13 at (1, 1), lit from the upper left. Every pixel of the ball is
    // at least dark grey: black is the sprite's transparent colour.
    QImage sheet(15, 15, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    constexpr double Centre = 6.0;
    constexpr double Radius = 6.4;
    const double light[3] = {-0.45, -0.55, 0.70};
    for (int y = 0; y < BallFrameSize; ++y) {
        for (int x = 0; x < BallFrameSize; ++x) {
            const double dx = (x - Centre) / Radius;
            const double dy = (y - Centre) / Radius;
            const double rr = dx * dx + dy * dy;
            if (rr > 1.0) {
                continue;
            }
            const double dz = std::sqrt(1.0 - rr);
            const double diffuse = std::max(0.0, dx * light[0] + dy * light[1] + dz * light[2]);
            const double shine = std::pow(diffuse, 24.0);
            const double level = 0.32 + 0.62 * diffuse;
            auto channel = [&](int base) {
                return std::clamp(int(base * level + 255 * 0.55 * shine), 48, 255);
            };
            sheet.setPixelColor(1 + x, 1 + y,
                                QColor(channel(BallColour.red), channel(BallColour.green),
                                       channel(BallColour.blue - 14)));
        }
    }
    return sheet;
}

} // namespace quendra::app
