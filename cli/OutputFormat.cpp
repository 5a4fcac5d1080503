#include "OutputFormat.h"

#include <cstdio>
#include <optional>

#include "JsonText.h"

namespace kestrow::cli {

namespace {

// The figures of a run that found a path; pushes only for a push search.
struct TFigures {
    int32_t Nodes = 0;
    int32_t Moves = 0;
    std::optional<int32_t> Pushes;
};

TFigures FiguresOf(const TRunReport& report) {
    const TSearchedMap& result = report.Run.Result;
    TFigures figures;
    figures.Nodes = result.SearchedNodes;
    figures.Moves = MoveSteps(report.Search.Kind, result);
    if (report.Search.Kind == TSearchKind::Push) figures.Pushes = result.Steps;
    return figures;
}

std::string FixedMs(double ms) {
    char text[40];
    std::snprintf(text, sizeof text, "%.4f", ms);
    return text;
}

std::string OrDash(std::optional<int32_t> value) { return value ? std::to_string(*value) : "-"; }

std::string Padded(const std::string& text, size_t width, bool right) {
    if (text.size() >= width) return text;
    const std::string fill(width - text.size(), ' ');
    return right ? fill + text : text + fill;
}

std::string JsonPair(TPoint p) { return "[" + std::to_string(p.X) + "," + std::to_string(p.Y) + "]"; }

std::string JsonOptional(std::optional<int32_t> value) { return value ? std::to_string(*value) : "null"; }

constexpr size_t kSearchWidth = 13;  // "push-astar/BM"
constexpr size_t kNumberWidth = 9;
constexpr size_t kMsWidth = 12;

std::string TableLine(const std::string& map, const std::string& search, const std::string& found,
                      const std::string& nodes, const std::string& moves, const std::string& pushes,
                      const std::string& ms, size_t mapWidth) {
    return Padded(map, mapWidth, false) + "  " + Padded(search, kSearchWidth, false) + "  " + Padded(found, 5, false) +
           Padded(nodes, kNumberWidth, true) + Padded(moves, kNumberWidth, true) + Padded(pushes, kNumberWidth, true) +
           Padded(ms, kMsWidth, true) + "\n";
}

}  // namespace

std::string SearchLabel(const TSearchEntry& search, bool movesFirst) {
    std::string label(search.Name);
    if (search.Kind == TSearchKind::Push) label += "/" + std::string(ModeName(movesFirst));
    return label;
}

std::string PlainLine(const TRunReport& report) {
    std::optional<TFigures> figures;
    if (report.Run.Found) figures = FiguresOf(report);
    std::string line = "file=" + report.File;
    line += std::string(" found=") + (figures ? "yes" : "no");
    line += " nodes=" + OrDash(figures ? std::optional(figures->Nodes) : std::nullopt);
    line += " moves=" + OrDash(figures ? std::optional(figures->Moves) : std::nullopt);
    line += " pushes=" + OrDash(figures ? figures->Pushes : std::nullopt);
    line += " time_ms=" + FixedMs(report.Run.MedianMs);
    line += " path=" + (figures ? report.Run.Result.PathText : std::string("-"));
    return line + "\n";
}

std::string PlainCells(const TSearchedMap& result) {
    std::string text;
    for (int32_t r = 0; r < result.Height; ++r) {
        text += " ";
        for (int32_t c = 0; c < result.Width; ++c) {
            const TPoint p = result.Cells[size_t(r)][size_t(c)];
            text += " " + std::to_string(p.X) + "," + std::to_string(p.Y);
        }
        text += "\n";
    }
    return text;
}

std::string JsonLine(const TRunReport& report, bool withCells) {
    const TSearchRun& run = report.Run;
    const TSearchedMap& result = run.Result;
    std::optional<TFigures> figures;
    if (run.Found) figures = FiguresOf(report);

    std::string json = "{\"file\":" + JsonString(report.File);
    json += ",\"search\":" + JsonString(report.Search.Name);
    json += ",\"mode\":";
    json += report.Search.Kind == TSearchKind::Push ? JsonString(ModeName(report.MovesFirst)) : "null";
    json += std::string(",\"found\":") + (run.Found ? "true" : "false");
    json += ",\"SearchedNodes\":" + JsonOptional(figures ? std::optional(figures->Nodes) : std::nullopt);
    json += ",\"moves\":" + JsonOptional(figures ? std::optional(figures->Moves) : std::nullopt);
    json += ",\"pushes\":" + JsonOptional(figures ? figures->Pushes : std::nullopt);
    json += ",\"Steps\":" + JsonOptional(figures ? std::optional(result.Steps) : std::nullopt);
    json += ",\"time_ms\":" + JsonNumber(run.MedianMs);
    json += ",\"runs_ms\":[";
    for (size_t i = 0; i < run.TimesMs.size(); ++i) json += (i ? "," : "") + JsonNumber(run.TimesMs[i]);
    json += "]";
    json += ",\"PathText\":" + (figures ? JsonString(result.PathText) : std::string("null"));
    json += ",\"Path\":";
    if (figures) {
        json += "[";
        for (size_t i = 0; i < result.Path.size(); ++i) json += (i ? "," : "") + JsonPair(result.Path[i]);
        json += "]";
    } else {
        json += "null";
    }
    if (withCells) {
        json += ",\"Cells\":";
        if (figures) {
            json += "[";
            for (int32_t r = 0; r < result.Height; ++r) {
                json += r ? ",[" : "[";
                for (int32_t c = 0; c < result.Width; ++c)
                    json += (c ? "," : "") + JsonPair(result.Cells[size_t(r)][size_t(c)]);
                json += "]";
            }
            json += "]";
        } else {
            json += "null";
        }
    }
    return json + "}\n";
}

std::string BenchHeader(size_t mapWidth) {
    return TableLine("map", "search", "found", "nodes", "moves", "pushes", "median_ms", mapWidth);
}

std::string BenchRow(const TRunReport& report, size_t mapWidth) {
    std::optional<TFigures> figures;
    if (report.Run.Found) figures = FiguresOf(report);
    return TableLine(report.File, SearchLabel(report.Search, report.MovesFirst), figures ? "yes" : "no",
                     OrDash(figures ? std::optional(figures->Nodes) : std::nullopt),
                     OrDash(figures ? std::optional(figures->Moves) : std::nullopt),
                     OrDash(figures ? figures->Pushes : std::nullopt), FixedMs(report.Run.MedianMs), mapWidth);
}

}  // namespace kestrow::cli
