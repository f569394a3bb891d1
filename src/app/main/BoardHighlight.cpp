// Highlight image names by field shape, and the field regions collected from the hit test.
#include "main/BoardHighlight.h"

#include "table/BoardGeometry.h"

#include <QRect>
#include <map>
#include <vector>

namespace quendra::app {
namespace {

// The rows below which the line band is taller than the others.
bool besideTallLine(int row) {
    return row == 4 || row == 8;
}

QString numbered(const char* shape, int variant) {
    return QString("I_%1%2_Sel").arg(shape).arg(variant);
}

QString pleinImage(TableType table, int number) {
    if (number == 0) {
        return table == TableType::French ? "I_Zero_Sel" : "I_Ami_0_Sel";
    }
    return number == DoubleZero ? "I_Ami_00_Sel" : "I_Plein_Sel";
}

QString chevalImage(TableType table, int index) {
    const bool french = table == TableType::French;
    switch (index) {
    case 1:
        return numbered("Cheval", 4);
    case 2:
        return numbered("Cheval", french ? 5 : 7);
    case 3:
        return numbered("Cheval", 6);
    case 61:
        return numbered("Cheval", 10);
    case 62:
        return numbered("Cheval", 8);
    case 63:
        return numbered("Cheval", 9);
    default:
        break;
    }
    if (index >= 37) { // on the lines between the columns: left line odd, right line even
        return numbered("Cheval", index % 2 == 1 ? 3 : 11);
    }
    return numbered("Cheval", besideTallLine((index - 1) / 3) ? 2 : 1);
}

QString transversalePleinImage(int index) {
    switch (index) {
    case 1:
        return numbered("TransPL", 1);
    case 2:
        return numbered("TransPL", 2);
    case 15:
        return numbered("TransPL", 4);
    case 16:
        return numbered("TransPL", 5);
    default:
        break;
    }
    return numbered("TransPL", 3); // the rows right of the grid, all of one height
}

QString carreImage(TableType table, int index) {
    if (index == 1) {
        return table == TableType::French ? numbered("Carre", 3) : "I_FiveNum_Ami_Sel";
    }
    return numbered("Carre", besideTallLine(index / 2) ? 2 : 1);
}

using FieldRegions = std::map<BetField, QRegion>;

FieldRegions collectRegions(TableType table) {
    std::map<BetField, std::vector<QRect>> runs;
    for (int y = 0; y < BoardHeight; ++y) {
        std::optional<BetField> runField;
        int runStart = 0;
        for (int x = 0; x <= BoardWidth; ++x) {
            const auto field = x < BoardWidth ? FieldAtPoint(table, {x, y}) : std::nullopt;
            if (field == runField) {
                continue;
            }
            if (runField) {
                runs[*runField].emplace_back(runStart, y, x - runStart, 1);
            }
            runField = field;
            runStart = x;
        }
    }
    FieldRegions regions;
    for (const auto& [field, rects] : runs) {
        QRegion region;
        region.setRects(rects.data(), static_cast<int>(rects.size()));
        regions.emplace(field, region);
    }
    return regions;
}

} // namespace

const QStringList& highlightImageNames() {
    static const QStringList names = [] {
        QStringList list{"I_Plein_Sel", "I_Zero_Sel", "I_Ami_0_Sel", "I_Ami_00_Sel",
                         "I_FiveNum_Ami_Sel"};
        const std::pair<const char*, int> numberedShapes[] = {
            {"Cheval", 11}, {"Carre", 3}, {"TransPL", 6}, {"TransSi", 2}};
        for (const auto& [shape, count] : numberedShapes) {
            for (int variant = 1; variant <= count; ++variant) {
                list << numbered(shape, variant);
            }
        }
        list << "I_Kolonne_Sel"
             << "I_Dutzend_Sel"
             << "I_Dutzend2_Sel";
        for (int variant = 1; variant <= 3; ++variant) {
            list << numbered("Einfach", variant);
        }
        return list;
    }();
    return names;
}

QString highlightImageName(TableType table, BetField field) {
    const int i = field.index;
    switch (field.kind) {
    case BetKind::Plein:
        return pleinImage(table, i);
    case BetKind::Cheval:
        return chevalImage(table, i);
    case BetKind::TransversalePlein:
        return transversalePleinImage(i);
    case BetKind::TransversaleSimple:
        return numbered("TransSi", besideTallLine(i) ? 2 : 1);
    case BetKind::Carre:
        return carreImage(table, i);
    case BetKind::Column:
        return "I_Kolonne_Sel";
    case BetKind::Dozen:
        return i == 2 ? "I_Dutzend2_Sel" : "I_Dutzend_Sel";
    case BetKind::EvenChance:
        return numbered("Einfach", (i + 1) / 2);
    }
    return "I_Plein_Sel";
}

const QRegion& fieldRegion(TableType table, BetField field) {
    static std::map<TableType, FieldRegions> cache;
    auto found = cache.find(table);
    if (found == cache.end()) {
        found = cache.emplace(table, collectRegions(table)).first;
    }
    static const QRegion none;
    const auto region = found->second.find(field);
    return region == found->second.end() ? none : region->second;
}

} // namespace quendra::app
