#include "SessionsReport.h"

#include "JsonWriter.h"
#include "sessions/SessionFigures.h"
#include "sessions/SystemtestView.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace quendra::cli {
namespace {

std::string dateText(std::chrono::sys_days day) {
    const std::chrono::year_month_day date{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<std::chrono::sys_days> dateOf(const JsonValue* json) {
    int year = 0;
    unsigned month = 0, day = 0;
    if (!json || json->kind != JsonValue::Kind::String ||
        std::sscanf(json->text.c_str(), "%d-%u-%u", &year, &month, &day) != 3) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    return date.ok() ? std::optional(std::chrono::sys_days{date}) : std::nullopt;
}

std::string range(const SessionBatch& batch) {
    return std::to_string(batch.first) + "-" + std::to_string(batch.first + batch.count - 1);
}

void printPlayerText(std::ostream& out, const PlayerFigures& f, const SessionBatch& batch) {
    out << "player " << f.player << (f.systemPlayer ? " (system)" : " (no system)") << ":\n";
    out << "  result: mean " << fixedText(f.mean, 2) << ", standard deviation "
        << fixedText(f.standardDeviation, 2) << '\n';
    out << "  percentiles:";
    for (std::size_t i = 0; i < ResultPercentPoints.size(); ++i) {
        out << (i == 0 ? " " : ", ") << ResultPercentPoints[i] << "% "
            << fixedText(f.percentiles[i], 1);
    }
    out << "\n  ruined: " << percentText(f.ruinedShare);
    if (f.goalShare) {
        out << ", reached the goal of " << *batch.goal << ": " << percentText(*f.goalShare);
    }
    out << '\n';
    for (const auto& [number, share] : f.stopShares) {
        out << "  stopped by system message " << number << ": " << percentText(share) << '\n';
    }
    out << "  turnover " << f.turnover << ", mean stake per coup "
        << fixedText(f.meanStakePerCoup, 3) << '\n';
    out << "  edge: ";
    if (f.edge) {
        out << fixedText(f.edge->edge, 5) << " (95 % interval " << fixedText(f.edge->low, 5)
            << " to " << fixedText(f.edge->high, 5) << ")";
    } else {
        out << "none (nothing staked)";
    }
    out << ", table " << fixedText(f.expectation, 5) << '\n';
}

void writeFigures(JsonWriter& json, const PlayerFigures& f) {
    json.beginObject();
    json.field("player", f.player);
    json.field("system", f.systemPlayer);
    json.field("sessions", static_cast<std::uint64_t>(f.sessions));
    json.field("mean", f.mean);
    json.field("standard_deviation", f.standardDeviation);
    json.key("percentiles");
    json.beginObject();
    for (std::size_t i = 0; i < ResultPercentPoints.size(); ++i) {
        json.field(std::to_string(ResultPercentPoints[i]), f.percentiles[i]);
    }
    json.endObject();
    json.field("ruined", f.ruinedShare);
    json.field("goal_reached", f.goalShare);
    json.key("stopped_by_message");
    json.beginObject();
    for (const auto& [number, share] : f.stopShares) {
        json.field(std::to_string(number), share);
    }
    json.endObject();
    json.field("turnover", f.turnover);
    json.field("mean_stake_per_coup", f.meanStakePerCoup);
    json.key("edge");
    if (f.edge) {
        json.beginObject();
        json.field("observed", f.edge->edge);
        json.field("low", f.edge->low);
        json.field("high", f.edge->high);
        json.endObject();
    } else {
        json.null();
    }
    json.field("expectation", f.expectation);
    json.endObject();
}

void writeRecord(JsonWriter& json, const SessionRecord& r) {
    json.beginObject();
    json.field("index", r.index);
    json.field("seed", r.seed);
    json.field("coups", r.coups);
    json.field("error", r.error);
    json.key("players");
    json.beginArray();
    for (const PlayerSession& p : r.players) {
        json.beginArray();
        json.value(p.result);
        json.value(p.turnover);
        json.value(p.minimum);
        json.value(p.maximum);
        json.value(p.ruined);
        json.value(p.goalReached);
        json.value(p.stopMessage);
        json.endArray();
    }
    json.endArray();
    json.endObject();
}

std::optional<PlayerSession> readPlayer(const JsonValue& row) {
    if (row.kind != JsonValue::Kind::Array || row.items.size() != 7) {
        return std::nullopt;
    }
    const auto& v = row.items;
    const auto result = v[0].integer(), turnover = v[1].integer(), minimum = v[2].integer(),
               maximum = v[3].integer(), stop = v[6].integer();
    if (!result || !turnover || !minimum || !maximum || !stop ||
        v[4].kind != JsonValue::Kind::Bool || v[5].kind != JsonValue::Kind::Bool) {
        return std::nullopt;
    }
    return PlayerSession{
        *result, *turnover, *minimum, *maximum, v[4].flag, v[5].flag, static_cast<int>(*stop)};
}

std::optional<SessionRecord> readRecord(const JsonValue& json) {
    const JsonValue* players = json.find("players");
    const auto index = json.find("index") ? json.find("index")->unsignedInteger() : std::nullopt;
    const auto seed = json.find("seed") ? json.find("seed")->unsignedInteger() : std::nullopt;
    const auto coups = json.find("coups") ? json.find("coups")->integer() : std::nullopt;
    const auto error = json.find("error") ? json.find("error")->integer() : std::nullopt;
    if (!index || !seed || !coups || !error || !players ||
        players->kind != JsonValue::Kind::Array) {
        return std::nullopt;
    }
    SessionRecord record{*index, *seed, *coups, static_cast<int>(*error), {}};
    for (const JsonValue& row : players->items) {
        const auto player = readPlayer(row);
        if (!player) {
            return std::nullopt;
        }
        record.players.push_back(*player);
    }
    return record;
}

// An optional whole number: null for none; false when it is neither.
bool readOptional(const JsonValue* json, std::optional<std::int64_t>& out) {
    if (!json) {
        return false;
    }
    out = json->integer();
    return out || json->kind == JsonValue::Kind::Null;
}

bool readBatch(const JsonValue& json, SessionBatch& batch) {
    const JsonValue* seed = json.find("seed");
    const JsonValue* first = json.find("first");
    const JsonValue* count = json.find("sessions");
    const JsonValue* table = json.find("table");
    const JsonValue* setup = json.find("setup");
    const auto date = dateOf(json.find("date"));
    const JsonValue* capitals = json.find("start_capitals");
    const JsonValue* systems = json.find("system_players");
    if (!seed || !first || !count || !table || !setup || !date || !capitals || !systems ||
        !seed->unsignedInteger() || !first->unsignedInteger() || !count->unsignedInteger() ||
        setup->kind != JsonValue::Kind::String || capitals->kind != JsonValue::Kind::Array ||
        systems->kind != JsonValue::Kind::Array ||
        capitals->items.size() != systems->items.size() ||
        !readOptional(json.find("coups"), batch.coups) ||
        !readOptional(json.find("goal"), batch.goal)) {
        return false;
    }
    batch.seed = *seed->unsignedInteger();
    batch.first = *first->unsignedInteger();
    batch.count = *count->unsignedInteger();
    batch.americanTable = table->text == "american";
    batch.setup = setup->text;
    batch.date = *date;
    for (std::size_t i = 0; i < capitals->items.size(); ++i) {
        const auto capital = capitals->items[i].integer();
        if (!capital || systems->items[i].kind != JsonValue::Kind::Bool) {
            return false;
        }
        batch.startCapitals.push_back(*capital);
        batch.systemPlayers.push_back(systems->items[i].flag);
    }
    return true;
}

} // namespace

void printSessionsText(std::ostream& out, const SessionRun& run) {
    const SessionBatch& batch = run.batch;
    out << "sessions " << range(batch) << " of seed " << batch.seed << ", "
        << (batch.coups ? std::to_string(*batch.coups) + " coups each"
                        : std::string("to the end of the load files"))
        << ", " << (batch.americanTable ? "American" : "French") << " table";
    if (run.sessions.size() != batch.count) {
        out << " (cancelled after " << run.sessions.size() << ")";
    }
    out << '\n';
    const auto failed = std::count_if(run.sessions.begin(), run.sessions.end(),
                                      [](const SessionRecord& r) { return r.error != 0; });
    if (failed > 0) {
        out << "sessions with an error message: " << failed << " (see \"error\" in --json)\n";
    }
    for (const PlayerFigures& figures : sessionFigures(run)) {
        printPlayerText(out, figures, batch);
    }
    if (!run.sessions.empty()) {
        const SessionRecord& first = run.sessions.front();
        out << "session " << first.index << " alone: quendra-cli simulate with the same options "
            << "and --date " << dateText(batch.date) << " --seed " << first.seed
            << " (the seed of every session is in --csv)\n";
    }
}

void printSessionsJson(std::ostream& out, const SessionRun& run) {
    const SessionBatch& batch = run.batch;
    JsonWriter json(out);
    json.beginObject();
    json.field("seed", batch.seed);
    json.field("first", batch.first);
    json.field("sessions", batch.count);
    json.field("coups", batch.coups);
    json.field("goal", batch.goal);
    json.field("table", batch.americanTable ? "american" : "french");
    json.field("date", dateText(batch.date));
    json.field("setup", batch.setup);
    json.key("start_capitals");
    json.beginArray();
    for (const std::int64_t capital : batch.startCapitals) {
        json.value(capital);
    }
    json.endArray();
    json.key("system_players");
    json.beginArray();
    for (const bool system : batch.systemPlayers) {
        json.value(system);
    }
    json.endArray();
    json.key("players");
    json.beginArray();
    for (const PlayerFigures& figures : sessionFigures(run)) {
        writeFigures(json, figures);
    }
    json.endArray();
    json.key("runs");
    json.beginArray();
    for (const SessionRecord& record : run.sessions) {
        writeRecord(json, record);
    }
    json.endArray();
    json.endObject();
    out << '\n';
}

void writeSessionsCsv(std::ostream& out, const SessionRun& run) {
    out << "session,seed,player,result,turnover,minimum,maximum,coups,stop_message,ruined,goal\n";
    for (const SessionRecord& r : run.sessions) {
        for (std::size_t p = 0; p < r.players.size(); ++p) {
            const PlayerSession& s = r.players[p];
            out << r.index << ',' << r.seed << ',' << p + 1 << ',' << s.result << ',' << s.turnover
                << ',' << s.minimum << ',' << s.maximum << ',' << r.coups << ',' << s.stopMessage
                << ',' << (s.ruined ? 1 : 0) << ',' << (s.goalReached ? 1 : 0) << '\n';
        }
    }
}

std::optional<SessionRun> readSessionRun(const JsonValue& json) {
    SessionRun run;
    const JsonValue* runs = json.find("runs");
    if (json.kind != JsonValue::Kind::Object || !readBatch(json, run.batch) || !runs ||
        runs->kind != JsonValue::Kind::Array) {
        return std::nullopt;
    }
    for (const JsonValue& item : runs->items) {
        auto record = readRecord(item);
        if (!record || record->players.size() != run.batch.startCapitals.size()) {
            return std::nullopt;
        }
        run.sessions.push_back(std::move(*record));
    }
    return run;
}

} // namespace quendra::cli
