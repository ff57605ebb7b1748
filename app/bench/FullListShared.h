#pragma once

#include "web/exchange/ImportCsvSettings.h"

#include <benchmark/benchmark.h>

#include <filesystem>

class CZantobyApp;
class CZantobyDoc;

// What the full list's benchmarks share: the list of 10,000 rows of 128 columns made from a CSV
// of Japanese product data, the program they run in, a steady clock and the table's lines.
namespace FullListShared {

// Seconds of a steady clock (<chrono> does not compile to Shift_JIS).
double Now();
double Seconds(double from);

std::filesystem::path Root();
std::filesystem::path CsvPath();
std::filesystem::path ListPath();
// The list's 128 columns, mostly texts as product lists are.
void DefineColumns(CZantobyDoc& doc);
// The import that replaces the rows of a list, without photos.
ImportCsvSettings ReplacingImport();
// The CSV of the full list, Shift_JIS with CR LF, and the list made from it; made once.
void MakeFiles();
// The full list as the program reads it from its file, with no window.
CZantobyDoc& FullList();
// The program, started once, with settings and logs in the temporary folder.
CZantobyApp& App();

// One line of the table: the work (label: work|unit|anchor), our figure, the anchor's and the
// goal, which limits the ratio ours / anchor when byRatio, else our figure.
void Report(benchmark::State& state, const char* label, double ours, double anchor, double goal, bool byRatio);

} // namespace FullListShared
