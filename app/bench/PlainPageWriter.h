#pragma once

#include <string>

class CZantobyDoc;

// The plainest PDF writer of a list's table that cairo and pango allow, as the anchor of the
// program's printing: A4 pages of a heading row and rows of single-line cells, each text cut at
// its cell, and the grid's lines.
class CPlainPageWriter
{
  public:
    // Writes the list's first columns, rowsPerPage rows a page; the number of pages, 0 when the
    // file could not be written.
    static int Write(const CZantobyDoc& doc, const std::string& path, int columns, int rowsPerPage);
};
