// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintEvents.h"

#include "EventState.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "PrintLayout.h"
#include "ShownType.h"
#include "Text.h"

#include <QFontMetricsF>

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <vector>

namespace {

QFont courier(int points, bool bold, bool italic)
{
    // Courier New where it is installed; otherwise the desktop's monospaced face.
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::Courier, QFont::PreferMatch);
    font.setFixedPitch(true);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

/// Draws text with its top at a position given in millimetres, as a printer's current
/// position does.
class MillimetrePainter
{
public:
    explicit MillimetrePainter(QPrinter &printer)
        : m_printer(printer), m_painter(&printer), m_dotsPerMm(printer.resolution() / 25.4)
    {
        if (!m_painter.isActive())
            throw MoonrillError(MoonrillError::FileAccess, "The printer cannot be opened");
    }

    void setFont(const QFont &font) { m_painter.setFont(font); }
    void text(double xMm, double yMm, const QString &text)
    {
        const QFontMetricsF metrics(m_painter.font(), &m_printer);
        m_painter.drawText(QPointF(xMm * m_dotsPerMm, yMm * m_dotsPerMm + metrics.ascent()), text);
    }
    void text(double xMm, double yMm, const std::string &text)
    {
        this->text(xMm, yMm, FromBytes(text));
    }
    void newPage()
    {
        if (!m_printer.newPage())
            throw MoonrillError(MoonrillError::FileAccess, "The printer refused a new page");
    }
    void end() { m_painter.end(); }

private:
    QPrinter &m_printer;
    QPainter m_painter;
    double m_dotsPerMm;
};

/// The printer's millimetres for a font: a text's width, a line's height.
class Measure
{
public:
    Measure(QPrinter &printer, const QFont &font)
        : m_metrics(font, &printer), m_dotsPerMm(printer.resolution() / 25.4)
    {
    }
    [[nodiscard]] double width(std::string_view text) const
    {
        return m_metrics.horizontalAdvance(FromBytes(text)) / m_dotsPerMm;
    }
    [[nodiscard]] double lineHeight() const { return m_metrics.lineSpacing() / m_dotsPerMm; }

private:
    QFontMetricsF m_metrics;
    double m_dotsPerMm;
};

/// Where the columns stand, and each row's event, date and type (as the window shows it) in lines
/// that fit their columns; the type's column ends a margin short of what the printer can
/// print, so that the paper's edge cuts no type.
struct Cells
{
    std::array<double, 4> x;
    std::vector<std::vector<std::string>> events, types;
    std::vector<std::vector<std::string>> dates; // a date, and under it its time where it has one
    double lineHeight;

    Cells(QPrinter &printer, const EventState &state)
    {
        using namespace PrintLayout;
        const Measure measure(printer, courier(12, false, false));
        const auto measured = [&measure](std::string_view text) { return measure.width(text); };
        const double pageWidth = printer.width() / (printer.resolution() / 25.4);
        std::vector<std::string> shown;
        shown.reserve(state.RowCount());
        double widest = 0;
        for (size_t i = 0; i < state.RowCount(); ++i) {
            shown.push_back(ShownType(state.Row(i).Type).toStdString());
            widest = std::max(widest, measure.width(shown.back()));
        }
        x = ColumnsFor(widest, pageWidth);
        // One character's room stays free between an event and its date.
        const double eventWidth = x[1] - x[0] - measure.width("M");
        for (size_t i = 0; i < state.RowCount(); ++i) {
            const EventRow row = state.Row(i);
            events.push_back(WrapText(row.Text, eventWidth, measured));
            // A time goes under its date: the column holds a date's width only.
            dates.push_back(row.Time.empty() ? std::vector<std::string>{row.Date}
                                             : std::vector<std::string>{row.Date, row.Time});
            types.push_back(WrapText(shown[i], pageWidth - x[0] - x[3], measured));
        }
        lineHeight = measure.lineHeight();
    }

    [[nodiscard]] std::vector<int> lineCounts() const
    {
        std::vector<int> counts;
        counts.reserve(types.size());
        for (size_t i = 0; i < types.size(); ++i)
            counts.push_back(int(std::max({events[i].size(), types[i].size(), dates[i].size()})));
        return counts;
    }
};

QString printed(const char *context, const char *words)
{
    return QCoreApplication::translate(context, words);
}

/// What goes on which page: the rows' places, the first row of each page and the notice's
/// place. Pages are drawn one at a time, so any range of them, in any number of copies.
class PagePlan
{
public:
    PagePlan(QPrinter &printer, const EventState &state)
        : m_state(state), m_cells(printer, state),
          m_places(PrintLayout::RowPlaces(m_cells.lineCounts(), m_cells.lineHeight)),
          m_notice(PrintLayout::NoticePlace(
              m_places, Measure(printer, courier(12, false, true)).lineHeight()))
    {
        m_firstRow.assign(size_t(pageCount()) + 1, m_places.size());
        for (size_t i = m_places.size(); i-- > 0;)
            m_firstRow[size_t(m_places[i].page)] = i;
        for (size_t p = m_firstRow.size() - 1; p-- > 0;)
            m_firstRow[p] = std::min(m_firstRow[p], m_firstRow[p + 1]);
    }

    [[nodiscard]] int pageCount() const
    {
        const int lastRowPage = m_places.empty() ? 0 : m_places.back().page;
        return std::max(lastRowPage, m_notice.page) + 1;
    }

    void draw(MillimetrePainter &painter, int pageIndex) const
    {
        using namespace PrintLayout;
        if (pageIndex == 0) {
            painter.setFont(courier(14, true, false));
            painter.text(ColumnX[0], TitleY, printed("PrintEvents", Title));
            for (int c = 0; c < 4; ++c)
                painter.text(m_cells.x[size_t(c)], FirstRowY - RowPitch,
                             QLatin1String(HeadingIndent[c]) +
                                 printed("EventListModel", Headings[c]));
        }
        painter.setFont(courier(12, false, false));
        for (size_t i = m_firstRow[size_t(pageIndex)];
             i < m_places.size() && m_places[i].page == pageIndex; ++i) {
            const EventRow row = m_state.Row(i);
            const double y = m_places[i].y;
            painter.text(m_cells.x[2], y, row.When);
            // The event and the type, each wrapped within its column: their later lines go on
            // below, the row growing by them.
            const auto lines = [&](double x, const std::vector<std::string> &parts) {
                for (size_t line = 0; line < parts.size(); ++line)
                    painter.text(x, y + double(line) * m_cells.lineHeight, parts[line]);
            };
            lines(m_cells.x[0], m_cells.events[i]);
            lines(m_cells.x[1], m_cells.dates[i]);
            lines(m_cells.x[3], m_cells.types[i]);
        }
        if (m_notice.page == pageIndex) {
            painter.setFont(courier(12, false, true));
            painter.text(ColumnX[0], m_notice.y, printed("PrintEvents", Notice));
        }
    }

private:
    const EventState &m_state;
    Cells m_cells;
    std::vector<PrintLayout::Place> m_places;
    PrintLayout::Place m_notice;
    std::vector<size_t> m_firstRow; // per page, the first row on it (or the end)
};

} // namespace

int PrintPageCount(QPrinter &printer, const EventState &state)
{
    return PagePlan(printer, state).pageCount();
}

void PrintEventList(QPrinter &printer, const EventState &state)
{
    const PagePlan plan(printer, state);
    int first = 1;
    int last = plan.pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        last = std::min(last, printer.toPage() > 0 ? printer.toPage() : last);
    }
    // A printer that makes the copies itself gets each page once; otherwise (a PDF file, for
    // one) they are drawn here, collated or not as the dialog asked.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const bool collate = printer.collateCopies();
    // "Reverse" in the dialog: the last page first, so that a printer stacking its pages face
    // up leaves them in order.
    const bool reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    std::vector<int> pages;
    for (int round = 0; round < (collate ? copies : 1); ++round)
        for (int i = 0; i <= last - first; ++i)
            for (int copy = 0; copy < (collate ? 1 : copies); ++copy)
                pages.push_back((reverse ? last - i : first + i) - 1);

    MillimetrePainter painter(printer);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            painter.newPage();
        plan.draw(painter, pages[i]);
    }
    painter.end();
}

void PrintEvents(const EventState &state, QWidget *parent)
{
    if (state.RowCount() == 0) {
        ShowMessage(std::string_view(QT_TRANSLATE_NOOP("Messages", "No events available!")),
                    MsgStyle::OkCritical, parent);
        return;
    }
    try {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        // The pages can be chosen: the dialog knows how many there are.
        dialog.setMinMax(1, PrintPageCount(printer, state));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        if (dialog.exec() != QDialog::Accepted)
            return; // cancelled: nothing printed, nothing said
        PrintEventList(printer, state);
        const bool toFile = !printer.outputFileName().isEmpty();
        const QString device =
            toFile ? QCoreApplication::translate("PrintEvents", "PDF file") : printer.printerName();
        QString port = toFile ? printer.outputFileName() : QPrinterInfo(printer).location();
        if (port.isEmpty() && !toFile)
            port = printer.printerName();
        ShowMessage(QString::fromStdString(PrintingNowText(device.toStdString(), port.toStdString(),
                                                           Translated(PrintingNowWords))),
                    MsgStyle::OkInformation, parent,
                    QCoreApplication::translate("PrintEvents", "Printing Now"));
    } catch (const std::exception &error) {
        ShowErrorReport(error.what(), parent);
    }
}
