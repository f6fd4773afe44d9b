#pragma once

#include "roles.h"

#include <array>
#include <optional>

namespace tintmill {

// The preview shows three nested blocks, each with one sample line per text
// role: blocks from the outside in, lines top to bottom.
inline constexpr int previewBlockCount = 3;
inline constexpr int sampleLineCount = 5;

// What the program knows of each page role, in one place. The window, the
// history's step names, the readability texts, the generators and every
// export read it; a role that is added is a row here.
struct PageRoleFacts
{
    PageRole role;
    // As the role option names it, and the palette names the colour (UTF-8).
    const char *name;
    // The caption every run starts from.
    const char *startColor;
    // Where the role option stands in the main window, top to bottom; the
    // exports list the colours in this order too.
    int listed;
    // The CSS custom property and SCSS variable, without "--" or "$".
    const char *cssName;
    // The design token: its group and its key in the group.
    const char *tokenGroup;
    const char *tokenKey;
    // The preview block whose background it paints (0..2, outside in), or
    // the sample line whose text it paints (0..4, top to bottom).
    std::optional<int> block;
    std::optional<int> sampleLine;
};

// By role index, the order of files, data strings and stored sets.
inline constexpr std::array<PageRoleFacts, pageRoleCount> pageRoleTable{{
    {PageRole::Background, "背景の色", "#FFFFFF", 0, "page-background", "page", "background", 0,
     std::nullopt},
    {PageRole::Text, "テキストの色", "#000000", 1, "page-text", "page", "text", std::nullopt, 0},
    {PageRole::SmallBlock, "小ブロックの色", "#FF0000", 7, "block-small-background", "block",
     "small-background", 2, std::nullopt},
    {PageRole::Link, "未訪問のリンクの色", "#000000", 2, "link", "link", "unvisited", std::nullopt,
     1},
    {PageRole::VisitedLink, "訪問済のリンクの色", "#000000", 3, "link-visited", "link", "visited",
     std::nullopt, 2},
    {PageRole::ActiveLink, "クリック時のリンクの色", "#000000", 5, "link-active", "link", "active",
     std::nullopt, 4},
    {PageRole::MediumBlock, "中ブロックの色", "#0000FF", 6, "block-medium-background", "block",
     "medium-background", 1, std::nullopt},
    {PageRole::HoverLink, "オンマウスのリンクの色", "#000000", 4, "link-hover", "link", "hover",
     std::nullopt, 3},
}};

constexpr const PageRoleFacts &factsOf(PageRole role)
{
    return pageRoleTable.at(static_cast<std::size_t>(toIndex(role)));
}

// A sample line of the preview, and a preview block, by their number.
struct SampleLineFacts
{
    // As the View menu and the readability check name it (UTF-8).
    const char *name;
    // What the line says in the preview.
    const char *caption;
};
inline constexpr std::array<SampleLineFacts, sampleLineCount> sampleLineTable{{
    {"テキスト", "●このテキストの色がお気に召しましたか？"},
    {"未訪問のリンク", "●未訪問のリンクの色"},
    {"訪問済のリンク", "●訪問済のリンクの色"},
    {"オンマウスのリンク", "●オンマウスのリンクの色"},
    {"クリック時のリンク", "●クリック時のリンクの色"},
}};
inline constexpr std::array<const char *, previewBlockCount> previewBlockNames{
    "大ブロック", "中ブロック", "小ブロック"};

// The roles by a place the table gives each: every place from 0 to N − 1
// is some role's.
template<std::size_t N, typename Place> constexpr std::array<PageRole, N> rolesBy(Place place)
{
    std::array<PageRole, N> roles{};
    std::array<bool, N> taken{};
    for (const PageRoleFacts &facts : pageRoleTable) {
        if (const std::optional<int> at = place(facts)) {
            const auto k = static_cast<std::size_t>(*at);
            if (taken.at(k))
                throw "two roles in one place";
            taken.at(k) = true;
            roles.at(k) = facts.role;
        }
    }
    for (const bool found : taken) {
        if (!found)
            throw "a place without a role";
    }
    return roles;
}

// The role whose colour each sample line is written in, and each block is
// filled with.
inline constexpr auto sampleLineRoles =
    rolesBy<sampleLineCount>([](const PageRoleFacts &facts) { return facts.sampleLine; });
inline constexpr auto previewBlockRoles =
    rolesBy<previewBlockCount>([](const PageRoleFacts &facts) { return facts.block; });
// The roles as the main window lists them.
inline constexpr auto listedPageRoles = rolesBy<pageRoleCount>(
    [](const PageRoleFacts &facts) { return std::optional<int>(facts.listed); });

} // namespace tintmill
