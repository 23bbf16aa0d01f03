// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/report_canvas.h"
#include "report/report_fonts.h"

#include <QList>
#include <QString>
#include <functional>

// How text sits in a tab cell.
enum class Justification { Center = 0, Left = 1, Right = 2, Block = 3 };

// One tab stop. `position` is in inches from the left edge of the current column (the left margin
// when there is one column); a negative position places the stop right after the previous one.
struct TabStop {
    double position = 0.0;
    Justification justification = Justification::Left;
    double width = 1.0;
    double margin = 0.0; // inner margin, inches, on both sides of the cell
};

// What every report object shares unless a printout says otherwise. Units are inches throughout.
struct ReportSettings {
    QString TitleSetup = QStringLiteral("Report Setup");
    QString TitleStatus = QStringLiteral("Report Status");
    QString TitlePreview = QStringLiteral("Report Preview");
    QString printerStatusText = QStringLiteral("Printing page %p"); // %p: the page number
    QString fileStatusText = QStringLiteral("Generating page %p");
    QString reportFileName = QStringLiteral("temp");
    QString printJobTitle = QStringLiteral("ReportPrinter Report");
    int previewZoomPercent = 100;
    bool landscape = false; // the printout's pages lie on their side (wide charts)

    // `text` with %p replaced by the page number.
    static QString statusFor(const QString& text, int pageNumber);
};

// The page model of every printout.
//
// A printout is two call-backs: the header, run at the start of every page before any body output
// of that page, and the body, run once, which prints every line and lets the report break columns
// and pages. All measures are inches; x positions are from the left edge of the paper.
//
//   report.setOnPrintHeader([](Report& r) { printStandardHeader(r, header); });
//   report.setOnPrint([&](Report& r) {
//       r.setColumns(2, 0.5);
//       for (const QString& line : lines)
//           r.printLine(line);
//   });
//
// Line flow: newLine() moves down one line (line height from the current font) and back to the
// left edge of the current column while this is the last column or more than one line is left in
// it; otherwise it continues at line 1 of the next column (so every column but the last leaves its
// bottom line empty). A line that would cross the bottom
// margin ends the page. A page that has ended begins only when the next output arrives (any print,
// tab or newLine), so a list that fills its last page exactly leaves no empty page behind; the new
// page runs the header first. The header may change fonts, tabs and margins: tabs and margins it
// leaves are the body's, while the body's font, bold and underline from before the break are put
// back after it.
//
// The current line is the line the next print goes to. linesLeft() counts the whole lines that
// still fit below it in this column.
//
// When the output is stopped (Cancel in the status window) the report unwinds the body with an
// exception of its own at the next page start: a body must not swallow exceptions with catch (...).
class Report {
public:
    using Handler = std::function<void(Report&)>;
    using PageStarted = ReportPageStarted;

    Report();
    virtual ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // --- Settings of the report object -------------------------------------------------------
    ReportSettings settings;
    // Names the printout: the set-up, status and preview windows become "<name> Setup",
    // "<name> Status" and "<name> Preview".
    void setPrintoutName(const QString& name);

    void setOnPrintHeader(Handler handler) { m_onPrintHeader = std::move(handler); }
    void setOnPrint(Handler handler) { m_onPrint = std::move(handler); }

    // Lays the printout out on `canvas`: resets the page state, runs the body once and the header on
    // every page. Returns false when `pageStarted` stopped it (the canvas saw the pages begun so far).
    bool run(ReportCanvas& canvas, const PageStarted& pageStarted = {});

    // --- Fonts -------------------------------------------------------------------------------
    void setFont(const QString& name, double points);
    void setBold(bool on);
    void setUnderline(bool on);
    const ReportFont& font() const { return m_font; }
    double lineHeight(); // of the current font, inches

    // --- Margins and position ----------------------------------------------------------------
    // Setting the top margin inside the header moves the start of the body.
    void setTopMargin(double inches) { m_topMargin = inches; }
    void setBottomMargin(double inches) { m_bottomMargin = inches; }
    double topMargin() const { return m_topMargin; }
    double bottomMargin() const { return m_bottomMargin; }
    // Line 1 of column 1: the top of the page body.
    void home();
    // The current vertical position becomes the top margin.
    void restartAtTopMargin();

    double pageWidth() const { return m_paper.width(); }
    double pageHeight() const { return m_paper.height(); }
    double leftMarginPosition() const { return m_leftMargin; }
    double rightMarginPosition() const { return m_paper.width() - m_rightMargin; }
    int currentPage() const { return m_page; }
    double currentX() const { return m_x; }
    double currentY() const { return m_y; } // top of the current line

    // --- Printing ----------------------------------------------------------------------------
    // On the current line at x; the current position stays where it is.
    void printCenter(const QString& text, double x);
    void printLeft(const QString& text, double x);
    void printRight(const QString& text, double x);
    // At the current position. Each tab character moves to the next tab stop and the text after it
    // goes into that cell with the stop's justification; nothing is shortened.
    void print(const QString& text);
    void printLine(const QString& text = QString());
    // Moves to the next tab stop; the next print goes into that cell. Past the last stop the
    // position stays where it is and text prints there left-aligned.
    void tab();
    // Moves to the next tab stop and prints `text` in its cell, removing characters from the end
    // until it fits the width less twice the inner margin.
    void printTab(const QString& text);
    // Places a picture at x, top with the given size (inches) on the current page; the current
    // position stays where it is.
    void printImage(const QImage& image, double x, double top, double width, double height);
    void newLine();
    // Ends the page; the next output begins a new page with its header. Calling it again before any
    // output does not make an empty page.
    void newPage();

    // --- Tab stops and columns ---------------------------------------------------------------
    void setTab(double position, Justification justification, double width, double margin = 0.0);
    void clearTabs();
    const QList<TabStop>& tabs() const { return m_tabs; } // positions resolved (never negative)
    // `count` columns of equal width, `gap` inches apart; below 1 counts as 1. Column 1 becomes current.
    void setColumns(int count, double gap);
    int columnCount() const { return m_columnCount; }
    int currentColumn() const { return m_column; }
    double columnLeft(int column) const;
    double columnWidth() const;

    int linesLeft();
    int linesLeftInAllColumns();

private:
    struct Aborted {};

    void ensurePage();
    void startPage();
    void endPage();
    double bodyBottom() const { return m_paper.height() - m_bottomMargin; }
    int linesFittingFrom(double top);
    void drawAt(double x, const QString& text);
    void printInCell(const QString& text, bool shorten);
    void printPlain(const QString& text);

    Handler m_onPrintHeader;
    Handler m_onPrint;
    PageStarted m_pageStarted;
    ReportCanvas* m_canvas = nullptr;
    ReportMetrics m_metrics;

    QSizeF m_paper{8.5, 11.0};
    ReportFont m_font;
    double m_leftMargin = 0.5;
    double m_rightMargin = 0.5;
    double m_topMargin = 0.5;
    double m_bottomMargin = 0.5;
    int m_page = 0;
    bool m_pageOpen = false;
    bool m_inHeader = false;
    double m_x = 0.0;
    double m_y = 0.0;
    QList<TabStop> m_tabs;
    int m_tab = -1; // index of the current tab stop, -1 before the first
    int m_columnCount = 1;
    double m_columnGap = 0.0;
    int m_column = 1;
};
