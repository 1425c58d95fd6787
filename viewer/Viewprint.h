#pragma once

#include "publish/BookPrint.h"

#include <string>

class QPrinter;
class QWidget;
class TPLBData;
class TPLBHTP;

// What the reader chose to print: which pages, and whether each keeps its
// colour behind it.
struct TPrintChoice {
    TPrintRange Range;
    bool Background = false;
};

// The choice a print dialog left in Printer: its page range (positions of
// the book's ordinary pages in book order), the current page (the page
// numbered Current) or the whole book.
TPrintChoice PrinterChoice(const QPrinter& Printer, int32_t Current, bool Background);

// Prints the chosen pages of Book onto Printer, each laid out as the page
// view lays it out at its real size RealWidth x RealHeight and scaled to the
// paper at the printer's resolution; pictures come from Pictures and the
// current folder. A printer writing a PDF file gives it an outline of the
// page titles. False with Error when no page or not every page was printed.
bool PrintBook(QPrinter& Printer, const TPLBData& Book, TPLBHTP& Pictures, int RealWidth,
               int RealHeight, const TPrintChoice& Choice, std::string& Error);

// The platform's print dialog over Parent for a book of PageCount ordinary
// pages, the page shown at position CurrentPosition (from 1), with the
// background check box; false when the reader cancelled. Choice.Background
// gives the box's first state and receives its last.
bool AskPrintChoice(QWidget* Parent, QPrinter& Printer, int PageCount, int CurrentPosition,
                    bool& Background);
