#include "sessions/SystemtestView.h"

#include "sessions/ResultHistogram.h"
#include "sessions/SessionFigures.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>

namespace quendra {
namespace {

using Cell = std::function<std::string(const PlayerFigures&)>;

FigureRow row(std::string caption, const std::vector<PlayerFigures>& figures, const Cell& cell) {
    FigureRow r{std::move(caption), {}};
    for (const PlayerFigures& f : figures) {
        r.cells.push_back(cell(f));
    }
    return r;
}

} // namespace

std::string fixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string percentText(double share) {
    return fixedText(100.0 * share, 2) + " %";
}

std::vector<FigureRow> figureRows(const SessionRun& run, Language language) {
    const bool german = language == Language::German;
    const std::vector<PlayerFigures> figures = sessionFigures(run);
    std::vector<FigureRow> rows;
    const auto add = [&](std::string_view de, std::string_view en, const Cell& cell) {
        rows.push_back(row(std::string(german ? de : en), figures, cell));
    };
    add("Sitzungen", "Sessions", [](const PlayerFigures& f) { return std::to_string(f.sessions); });
    add("Mittelwert", "Mean", [](const PlayerFigures& f) { return fixedText(f.mean, 2); });
    add("Standardabweichung", "Standard deviation",
        [](const PlayerFigures& f) { return fixedText(f.standardDeviation, 2); });
    for (std::size_t i = 0; i < ResultPercentPoints.size(); ++i) {
        const std::string name = std::to_string(ResultPercentPoints[i]) + " %";
        add(name, name, [i](const PlayerFigures& f) { return fixedText(f.percentiles[i], 1); });
    }
    add("Ruiniert", "Ruined", [](const PlayerFigures& f) { return percentText(f.ruinedShare); });
    if (run.batch.goal) {
        add("Ziel erreicht", "Goal reached",
            [](const PlayerFigures& f) { return percentText(f.goalShare.value_or(0.0)); });
    }
    std::set<int> messages;
    for (const PlayerFigures& f : figures) {
        for (const auto& [number, share] : f.stopShares) {
            messages.insert(number);
        }
    }
    for (const int number : messages) {
        const std::string n = std::to_string(number);
        add("Gestoppt durch Meldung " + n, "Stopped by message " + n,
            [number](const PlayerFigures& f) {
                const auto found = f.stopShares.find(number);
                return percentText(found == f.stopShares.end() ? 0.0 : found->second);
            });
    }
    add("Einsatz je Coup", "Stake per coup",
        [](const PlayerFigures& f) { return fixedText(f.meanStakePerCoup, 3); });
    add("Beobachteter Vorteil", "Observed edge",
        [](const PlayerFigures& f) { return f.edge ? fixedText(f.edge->edge, 5) : "-"; });
    add("95 %-Intervall", "95 % interval", [](const PlayerFigures& f) {
        return f.edge ? fixedText(f.edge->low, 5) + " … " + fixedText(f.edge->high, 5) : "-";
    });
    add("Erwartung des Tisches", "Table's expectation",
        [](const PlayerFigures& f) { return fixedText(f.expectation, 5); });
    return rows;
}

HistogramView histogramView(const SessionRun& run, int player, int mostBins) {
    const ResultHistogram histogram = resultHistogram(run, player, mostBins);
    HistogramView view;
    double tallest = 0.0;
    for (std::size_t i = 0; i < histogram.counts.size(); ++i) {
        view.counts.push_back(static_cast<double>(histogram.counts[i]));
        tallest = std::max(tallest, view.counts.back());
        view.labels.push_back(
            std::to_string(histogram.low + static_cast<std::int64_t>(i) * histogram.width));
    }
    view.marks.assign(view.counts.size(), 0.0);
    const auto mark = [&](double result) {
        const double at = histogram.position(result);
        if (at >= 0.0 && at < static_cast<double>(view.marks.size())) {
            view.marks[static_cast<std::size_t>(at)] = tallest;
        }
    };
    mark(0.0);
    const auto index = static_cast<std::size_t>(player - 1);
    if (run.batch.goal && index < run.batch.startCapitals.size()) {
        mark(static_cast<double>(*run.batch.goal - run.batch.startCapitals[index]));
    }
    const std::vector<PlayerFigures> figures = sessionFigures(run);
    if (index < figures.size()) {
        for (const double p : figures[index].percentiles) {
            mark(p);
        }
    }
    return view;
}

} // namespace quendra
