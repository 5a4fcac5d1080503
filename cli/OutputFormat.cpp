#include "OutputFormat.h"

#include <cstdio>
#include <optional>

#include "JsonText.h"

namespace kestrow::cli {

namespace {

// The figures of a run: none when nothing was found, no pushes for a move search.
struct TFigures {
    std::optional<int32_t> Nodes, Moves, Pushes, Steps;
};

TFigures FiguresOf(const TRunReport& report) {
    TFigures figures;
    if (!report.Run.Found) return figures;
    const TSearchedMap& result = report.Run.Result;
    figures.Nodes = result.SearchedNodes;
    figures.Moves = MoveSteps(report.Search.Kind, result);
    if (report.Search.Kind == TSearchKind::Push) figures.Pushes = result.Steps;
    figures.Steps = result.Steps;
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
    const bool found = report.Run.Found;
    const TFigures figures = FiguresOf(report);
    std::string line = "file=" + report.File;
    line += std::string(" found=") + (found ? "yes" : "no");
    line += " nodes=" + OrDash(figures.Nodes);
    line += " moves=" + OrDash(figures.Moves);
    line += " pushes=" + OrDash(figures.Pushes);
    line += " time_ms=" + FixedMs(report.Run.MedianMs);
    line += " path=" + (found ? report.Run.Result.PathText : std::string("-"));
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
    const TFigures figures = FiguresOf(report);

    std::string json = "{\"file\":" + JsonString(report.File);
    json += ",\"search\":" + JsonString(report.Search.Name);
    json += ",\"mode\":";
    json += report.Search.Kind == TSearchKind::Push ? JsonString(ModeName(report.MovesFirst)) : "null";
    json += std::string(",\"found\":") + (run.Found ? "true" : "false");
    json += ",\"SearchedNodes\":" + JsonOptional(figures.Nodes);
    json += ",\"moves\":" + JsonOptional(figures.Moves);
    json += ",\"pushes\":" + JsonOptional(figures.Pushes);
    json += ",\"Steps\":" + JsonOptional(figures.Steps);
    json += ",\"time_ms\":" + JsonNumber(run.MedianMs);
    json += ",\"runs_ms\":[";
    for (size_t i = 0; i < run.TimesMs.size(); ++i) json += (i ? "," : "") + JsonNumber(run.TimesMs[i]);
    json += "]";
    json += ",\"PathText\":" + (run.Found ? JsonString(result.PathText) : std::string("null"));
    json += ",\"Path\":";
    if (run.Found) {
        json += "[";
        for (size_t i = 0; i < result.Path.size(); ++i) json += (i ? "," : "") + JsonPair(result.Path[i]);
        json += "]";
    } else {
        json += "null";
    }
    if (withCells) {
        json += ",\"Cells\":";
        if (run.Found) {
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
    const TFigures figures = FiguresOf(report);
    return TableLine(report.File, SearchLabel(report.Search, report.MovesFirst), report.Run.Found ? "yes" : "no",
                     OrDash(figures.Nodes), OrDash(figures.Moves), OrDash(figures.Pushes),
                     FixedMs(report.Run.MedianMs), mapWidth);
}

}  // namespace kestrow::cli
