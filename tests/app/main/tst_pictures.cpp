// The program's pictures against the engine's geometry: every plein shows its colour where the
// hit test finds it and nowhere else, the outside fields sit inside their boxes, every ball
// position of the wheel data files lies in the pocket of its number; sizes and names.
#include "main/Pictures.h"

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "table/BoardGeometry.h"
#include "table/Table.h"
#endif

#include <QtTest>
#include <map>

using namespace quendra;
using quendra::app::loadPicture;

namespace {

enum class Tone { Red, Black, Green, White, Other };

// What a player sees at a pixel: the shaded reds and blacks of the fields and pockets, the
// greens of cloth and zeros, the white of lines and numbers.
Tone toneOf(QRgb pixel) {
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    if (r > 120 && g < 80 && b < 80) {
        return Tone::Red;
    }
    if (std::max({r, g, b}) < 60 && std::abs(g - r) < 20 && std::abs(b - r) < 20) {
        return Tone::Black;
    }
    if (g > r + 40 && g > b) {
        return Tone::Green;
    }
    if (std::min({r, g, b}) > 200) {
        return Tone::White;
    }
    return Tone::Other;
}

Tone toneOfNumber(int number) {
    switch (colourOf(number)) {
    case Colour::Red:
        return Tone::Red;
    case Colour::Black:
        return Tone::Black;
    case Colour::Zero:
        break;
    }
    return Tone::Green;
}

Tone toneOfLetter(char letter) {
    return letter == 'R' ? Tone::Red : letter == 'S' ? Tone::Black : Tone::Green;
}

// The tone most pixels of the list show.
Tone mostCommon(const QImage& image, const std::vector<QPoint>& pixels) {
    std::map<Tone, int> counts;
    for (const QPoint& p : pixels) {
        ++counts[toneOf(image.pixel(p))];
    }
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it->second > best->second) {
            best = it;
        }
    }
    return best->first;
}

QString name(Tone tone) {
    const char* names[] = {"red", "black", "green", "white", "other"};
    return names[int(tone)];
}

const char* tableName(TableType table) {
    return table == TableType::French ? "French" : "American";
}

// The pixels the hit test gives each field.
std::map<BetField, std::vector<QPoint>> fieldPixels(TableType table) {
    std::map<BetField, std::vector<QPoint>> pixels;
    for (int y = 0; y < BoardHeight; ++y) {
        for (int x = 0; x < BoardWidth; ++x) {
            if (const auto field = FieldAtPoint(table, {x, y})) {
                pixels[*field].push_back({x, y});
            }
        }
    }
    return pixels;
}

QRect boundsOf(const std::vector<QPoint>& pixels) {
    QRect bounds;
    for (const QPoint& p : pixels) {
        bounds |= QRect(p, QSize(1, 1));
    }
    return bounds;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirSizesAndAreFoundByName() {
        const std::pair<const char*, QSize> pictures[] = {
            {"TABLEV3F", {420, 637}}, {"TABLEV3A", {420, 637}}, {"KESSEL4F", {246, 244}},
            {"KESSEL4A", {246, 244}}, {"KUGEL1", {15, 15}},     {"SETUP", {520, 316}},
            {"PROGRAMM", {123, 99}}};
        for (const auto& [pictureName, size] : pictures) {
            QCOMPARE(loadPicture(QString(pictureName)).size(), size);
        }
        QCOMPARE(loadPicture(u"Kugel1"), loadPicture(u"KUGEL1"));
        QVERIFY(loadPicture(u"NOSUCHPICTURE").isNull());
        QVERIFY(loadPicture(u"").isNull());
    }

    void table_data() {
        QTest::addColumn<TableType>("table");
        QTest::newRow("French") << TableType::French;
        QTest::newRow("American") << TableType::American;
    }

    void everyPleinShowsItsColourWhereTheHitTestFindsIt_data() { table_data(); }
    void everyPleinShowsItsColourWhereTheHitTestFindsIt() {
        QFETCH(TableType, table);
        const QImage board = loadPicture(QString(app::boardPictureName(table)));
        int pleins = 0;
        for (const auto& [field, points] : fieldPixels(table)) {
            if (field.kind != BetKind::Plein) {
                continue;
            }
            ++pleins;
            const int number = field.index;
            // Over the whole field, and under a chip lying on its anchor.
            const Tone expected = toneOfNumber(number);
            const Tone shown = mostCommon(board, points);
            QVERIFY2(shown == expected,
                     qPrintable(QString("%1 shows %2").arg(number).arg(name(shown))));
            const BoardPoint anchor = fieldAnchor(table, field, 1);
            std::vector<QPoint> underChip;
            for (int y = anchor.y - 11; y < anchor.y + 11; ++y) {
                for (int x = anchor.x - 10; x < anchor.x + 12; ++x) {
                    underChip.push_back({x, y});
                }
            }
            const Tone chip = mostCommon(board, underChip);
            QVERIFY2(chip == expected,
                     qPrintable(QString("%1 at its anchor shows %2").arg(number).arg(name(chip))));
        }
        QCOMPARE(pleins, highestNumber(table) + 1);
    }

    void noRedOrBlackLiesWhereTheHitTestFindsNoPlein_data() { table_data(); }
    void noRedOrBlackLiesWhereTheHitTestFindsNoPlein() {
        QFETCH(TableType, table);
        const QImage board = loadPicture(QString(app::boardPictureName(table)));
        // The number grid with the zeros and the columns; the diamonds of the even chances
        // lie right of it.
        for (int y = 0; y < BoardHeight; ++y) {
            for (int x = 0; x < 253; ++x) {
                const Tone tone = toneOf(board.pixel(x, y));
                if (tone != Tone::Red && tone != Tone::Black) {
                    continue;
                }
                const auto field = FieldAtPoint(table, {x, y});
                QVERIFY2(field && field->kind == BetKind::Plein,
                         qPrintable(QString("%1 at (%2, %3) is %4")
                                        .arg(name(tone))
                                        .arg(x)
                                        .arg(y)
                                        .arg(field ? fieldCode(*field).c_str() : "no field")));
            }
        }
    }

    // The splits, corners and streets are bets on the lines: a line runs through each of them.
    void aLineRunsThroughEveryFieldBetweenNumbers_data() { table_data(); }
    void aLineRunsThroughEveryFieldBetweenNumbers() {
        QFETCH(TableType, table);
        const QImage board = loadPicture(QString(app::boardPictureName(table)));
        int fields = 0;
        for (const auto& [field, points] : fieldPixels(table)) {
            const bool onALine = field.kind == BetKind::Cheval || field.kind == BetKind::Carre ||
                                 field.kind == BetKind::TransversalePlein ||
                                 field.kind == BetKind::TransversaleSimple;
            if (!onALine) {
                continue;
            }
            ++fields;
            const bool crossed = std::any_of(points.begin(), points.end(), [&](QPoint p) {
                return toneOf(board.pixel(p)) == Tone::White;
            });
            QVERIFY2(crossed, qPrintable(QString::fromStdString(fieldCode(field))));
        }
        QCOMPARE(fields, table == TableType::French ? 60 + 14 + 11 + 23 : 62 + 15 + 11 + 23);
    }

    // Each dozen, even chance and column: no line crosses it, and a line runs close along each
    // side, so the box a player sees is the field the hit test finds.
    void outsideFieldsLieInsideTheirBoxes_data() { table_data(); }
    void outsideFieldsLieInsideTheirBoxes() {
        QFETCH(TableType, table);
        const QImage board = loadPicture(QString(app::boardPictureName(table)));
        for (const auto& [field, points] : fieldPixels(table)) {
            if (field.kind != BetKind::Dozen && field.kind != BetKind::EvenChance &&
                field.kind != BetKind::Column) {
                continue;
            }
            const QRect bounds = boundsOf(points);
            const QString code = QString::fromStdString(fieldCode(field));
            const int row = bounds.top() + 1; // above the labels
            for (int x = bounds.left(); x <= bounds.right(); ++x) {
                QVERIFY2(toneOf(board.pixel(x, row)) != Tone::White,
                         qPrintable(QString("%1 crossed at x %2").arg(code).arg(x)));
            }
            auto lineWithin = [&](int from, int step) {
                for (int x = from, n = 0; n < 5; x += step, ++n) {
                    if (toneOf(board.pixel(x, row)) == Tone::White) {
                        return true;
                    }
                }
                return false;
            };
            QVERIFY2(lineWithin(bounds.left() - 1, -1), qPrintable(code + " left"));
            QVERIFY2(lineWithin(bounds.right() + 1, 1), qPrintable(code + " right"));
        }
    }

    void everyBallPositionOfTheWheelFilesLiesInItsPocket_data() { table_data(); }
    void everyBallPositionOfTheWheelFilesLiesInItsPocket() {
        QFETCH(TableType, table);
        const auto pockets =
            readWheelFile(std::filesystem::path(QUENDRA_BIN_DIR) / wheelFileName(table), table);
        QVERIFY(pockets.has_value());
        const QImage wheel = loadPicture(QString(app::wheelPictureName(table)));
        for (const PocketRecord& pocket : *pockets) {
            // The middle of the ball frame and a ring around it inside the ball's 13 pixels.
            std::vector<QPoint> underBall;
            for (int dy = -3; dy <= 3; ++dy) {
                for (int dx = -3; dx <= 3; ++dx) {
                    underBall.push_back({pocket.ballX + 6 + dx, pocket.ballY + 6 + dy});
                }
            }
            const Tone tone = mostCommon(wheel, underBall);
            QVERIFY2(tone == toneOfLetter(pocket.colour),
                     qPrintable(QString("%1 table, ball of %2 on %3")
                                    .arg(tableName(table))
                                    .arg(QString::fromStdString(numberText(pocket.number)))
                                    .arg(name(tone))));
        }
    }

    void theBallSheetHoldsOneSolidBallOnBlack() {
        const QImage sheet = loadPicture(u"KUGEL1");
        for (int i = 0; i < 15; ++i) {
            for (QPoint edge : {QPoint(i, 0), QPoint(i, 14), QPoint(0, i), QPoint(14, i)}) {
                QCOMPARE(sheet.pixel(edge) & 0xFFFFFF, 0u);
            }
        }
        // No black inside the ball: it would let the wheel show through the ball.
        for (int y = 1; y <= 13; ++y) {
            for (int x = 1; x <= 13; ++x) {
                const bool inside = (x - 7) * (x - 7) + (y - 7) * (y - 7) <= 25;
                if (inside) {
                    QVERIFY2((sheet.pixel(x, y) & 0xFFFFFF) != 0,
                             qPrintable(QString("hole at %1, %2").arg(x).arg(y)));
                }
            }
        }
        QCOMPARE(sheet.pixel(1, 1) & 0xFFFFFF, 0u); // the frame's corners are transparent
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
