#include "ui/AccessibleNames.h"

namespace ui {
namespace {

using enum NameBy;

// Names in the words of the caption the control stands in or serves.
constexpr AccessibleName kNames[] = {
    {"txtDirLev", -1, HiddenLabel, "Directory levels to copy"},
    {"mskEdRunHours", -1, HiddenLabel, "Run hours, from hh:mm to hh:mm"},
    {"txtIpg", -1, HiddenLabel, "Inter-packet gap in milliseconds"},
    {"txtMon", -1, HiddenLabel, "Run again when more than n changes seen"},
    {"txtMot", -1, HiddenLabel, "Run again after n minutes"},
    {"txtMinFileSize", -1, HiddenLabel, "Minimum file size in bytes"},
    {"txtMaxFileSize", -1, HiddenLabel, "Maximum file size in bytes"},

    {"calMaxAge", -1, WindowText, "Maximum file age date"},
    {"calMinAge", -1, WindowText, "Minimum file age date"},
    {"calMaxLad", -1, WindowText, "Maximum last access date"},
    {"calMinLad", -1, WindowText, "Minimum last access date"},

    {"cmdBrowseSrc", -1, Tooltip, "Choose the source folder"},
    {"cmdBrowseDest", -1, Tooltip, "Choose the destination folder"},
    {"cmdCopyOptionNext", 0, Tooltip, "Previous page"},
    {"cmdCopyOptionNext", 1, Tooltip, "Next page"},
    {"cmdCalSelect", 0, Tooltip, "Previous date limit"},
    {"cmdCalSelect", 1, Tooltip, "Next date limit"},

    {"optAttribAddSubR", -1, RowLabel, ""},
    {"optAttribAddSubA", -1, RowLabel, ""},
    {"optAttribAddSubS", -1, RowLabel, ""},
    {"optAttribAddSubH", -1, RowLabel, ""},
    {"optAttribAddSubN", -1, RowLabel, ""},
    {"optAttribAddSubT", -1, RowLabel, ""},
    {"optAttribIncExcR", -1, RowLabel, ""},
    {"optAttribIncExcA", -1, RowLabel, ""},
    {"optAttribIncExcS", -1, RowLabel, ""},
    {"optAttribIncExcH", -1, RowLabel, ""},
    {"optAttribIncExcN", -1, RowLabel, ""},
    {"optAttribIncExcT", -1, RowLabel, ""},
    {"optAttribIncExcC", -1, RowLabel, ""},
    {"optAttribIncExcE", -1, RowLabel, ""},
    {"optAttribIncExcO", -1, RowLabel, ""},
};

// The caption of the label that stands just before the first member of the option array.
std::string_view rowLabel(std::string_view array) {
    const auto rows = mainLayout();
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (rows[i].name == array) return rows[i - 1].kind == Kind::Label ? rows[i - 1].caption : "";
    return "";
}

}  // namespace

std::span<const AccessibleName> accessibleNames() { return kNames; }

const AccessibleName* accessibleNameOf(const LayoutRow& row) {
    for (const AccessibleName& n : kNames)
        if (n.control == row.name && (n.index == row.index || n.by == RowLabel)) return &n;
    return nullptr;
}

std::string accessibleName(const LayoutRow& row) {
    const AccessibleName* n = accessibleNameOf(row);
    if (!n) return "";
    if (n->by != RowLabel) return std::string(n->name);
    const std::string_view label = rowLabel(row.name);
    return label.empty() ? "" : std::string(label) + ": " + std::string(row.caption);
}

}  // namespace ui
