#pragma once

// What a PDF of exam sheets holds, read back with poppler's tools: each page's text, its words' boxes
// and its stroked segments, in points from the page's top left corner.
#include "tool_run.h"

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tavelle::test {

inline std::string collapse(const std::string& text)
{
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

// Every page's text, its blanks and line ends made one blank.
inline std::vector<std::string> pdfPages(const fs::path& pdf)
{
    std::vector<std::string> pages;
    std::istringstream text(runTool("pdftotext", pdf.string() + " -", "").out);
    for (std::string page; std::getline(text, page, '\f');) pages.push_back(collapse(page));
    return pages;
}

// The first page that shows `part`; pages.size() when none does.
inline std::size_t pageWith(const std::vector<std::string>& pages, const std::string& part)
{
    std::size_t page = 0;
    while (page < pages.size() && pages[page].find(part) == std::string::npos) ++page;
    return page;
}

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool overlaps(const Box& other, double slack) const
    {
        return std::min(right, other.right) - std::max(left, other.left) > slack &&
               std::min(bottom, other.bottom) - std::max(top, other.top) > slack;
    }
};

struct Word {
    Box box;
    std::string text;
};

inline std::vector<std::vector<Word>> pdfWords(const fs::path& pdf)
{
    std::vector<std::vector<Word>> pages;
    std::istringstream html(runTool("pdftotext", "-bbox " + pdf.string() + " -", "").out);
    const std::regex word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
    std::smatch match;
    for (std::string line; std::getline(html, line);) {
        if (line.find("<page ") != std::string::npos) pages.emplace_back();
        if (std::regex_search(line, match, word))
            pages.back().push_back(
                {{std::stod(match[1]), std::stod(match[2]), std::stod(match[3]), std::stod(match[4])}, match[5]});
    }
    return pages;
}

struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0;
    bool dashed = false;

    // True when the stroke reaches into the box.
    bool touches(const Box& box) const
    {
        const double half = width / 2;
        const double dx = x2 - x1, dy = y2 - y1;
        double enter = 0, leave = 1;
        const double p[4] = {-dx, dx, -dy, dy};
        const double q[4] = {x1 - (box.left - half), (box.right + half) - x1, y1 - (box.top - half),
                             (box.bottom + half) - y1};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0) return false;
            } else if (p[i] < 0) {
                enter = std::max(enter, q[i] / p[i]);
            } else {
                leave = std::min(leave, q[i] / p[i]);
            }
        }
        return enter < leave;
    }
};

// The straight stroked segments of every page (curves, fills and glyphs left out), as cairo's SVG gives them.
inline std::vector<std::vector<Segment>> pdfSegments(const fs::path& pdf)
{
    const ScratchFolder dir;
    runTool("pdftocairo", "-svg " + pdf.string() + " " + (dir.path / "pages.svg").string(), "");
    std::istringstream svg(slurp(dir.path / "pages.svg"));
    const std::regex path(R"re(<path style="([^"]*)" d="([^"]*)"(?: transform="matrix\(([^)]*)\)")?)re");
    const std::regex strokeWidth(R"(stroke-width:([\d.]+))");
    std::vector<std::vector<Segment>> pages;
    std::smatch match, width;
    for (std::string line; std::getline(svg, line);) {
        if (line.find("<page>") != std::string::npos) pages.emplace_back();
        if (pages.empty() || !line.starts_with("<path style=\"fill:none") || !std::regex_search(line, match, path))
            continue;
        const std::string style = match[1], steps = match[2];
        if (style.find("fill:none") == std::string::npos || steps.find('C') != std::string::npos) continue;
        double m[6] = {1, 0, 0, 1, 0, 0};
        if (match[3].matched) {
            std::istringstream numbers(std::regex_replace(std::string(match[3]), std::regex(","), " "));
            for (double& value : m) numbers >> value;
        }
        const double stroke = std::regex_search(style, width, strokeWidth) ? std::stod(width[1]) : 1;
        std::istringstream tokens(steps);
        std::string op;
        double x = 0, y = 0, startX = 0, startY = 0;
        const auto add = [&](double toX, double toY) {
            pages.back().push_back({m[0] * x + m[2] * y + m[4], m[1] * x + m[3] * y + m[5],
                                    m[0] * toX + m[2] * toY + m[4], m[1] * toX + m[3] * toY + m[5],
                                    stroke * std::abs(m[0]), style.find("stroke-dasharray") != std::string::npos});
        };
        while (tokens >> op) {
            if (op == "Z") {
                add(startX, startY);
                x = startX, y = startY;
                continue;
            }
            double toX = 0, toY = 0;
            tokens >> toX >> toY;
            if (op == "L")
                add(toX, toY);
            else
                startX = toX, startY = toY;
            x = toX, y = toY;
        }
    }
    return pages;
}

}  // namespace tavelle::test
