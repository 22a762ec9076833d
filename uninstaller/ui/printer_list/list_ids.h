// Fixed numbers of the printer-list dialog (template 102) beyond the start-up's commands, and
// the string ids of the list's column titles.
#pragma once

#include <array>

#include "uninstaller/frame/printer_list_window.h"

namespace zrt::un {

inline constexpr int kMessageDebugButton = 1101;
inline constexpr int kProgressDebugButton = 1103;
inline constexpr int kProgressTemplate = 130;
inline constexpr int kMessageDebugTemplate = 1104;
inline constexpr int kIconApplication = 128;
// Posted by the initialisation: the initial focus and button state.
inline constexpr unsigned kInitialFocusOffset = 1;  // WM_USER + 1

// Column titles: printer name, driver name, version.
inline constexpr unsigned kColumnPrinterName = 70;
inline constexpr unsigned kColumnDriverName = 71;
inline constexpr unsigned kColumnVersion = 72;
inline constexpr std::array<unsigned, 3> kColumnTitles = {kColumnPrinterName, kColumnDriverName,
                                                          kColumnVersion};

// The widths of the three columns for a list of that window width: width / 20 times 9, 8, 3.
inline std::array<int, 3> columnWidths(int listWidth) {
    const int unit = listWidth / 20;
    return {unit * 9, unit * 8, unit * 3};
}

}  // namespace zrt::un
