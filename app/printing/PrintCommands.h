#pragma once

// The four print commands; the one used last is the print mode that the print button repeats.
constexpr int ID_FILE_PREVIEW_LIST = 33065;
constexpr int ID_FILE_PREVIEW_SHEET = 33066;
constexpr int ID_FILE_PRINT_LIST = 33067;
constexpr int ID_FILE_PRINT_SHEET = 33068;
