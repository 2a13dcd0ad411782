#include "PrintEvents.h"

#include "EventState.h"
#include "MessageBox.h"
#include "MoonrillError.h"
#include "PrintLayout.h"
#include "Text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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
    void text(double xMm, double yMm, const std::string &text)
    {
        const QFontMetricsF metrics(m_painter.font(), &m_printer);
        m_painter.drawText(QPointF(xMm * m_dotsPerMm, yMm * m_dotsPerMm + metrics.ascent()),
                           FromBytes(text));
    }
    [[nodiscard]] double lineHeightMm() const
    {
        return QFontMetricsF(m_painter.font(), &m_printer).lineSpacing() / m_dotsPerMm;
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

} // namespace

void PrintEventList(QPrinter &printer, const EventState &state)
{
    using namespace PrintLayout;
    MillimetrePainter page(printer);
    page.setFont(courier(14, true, false));
    page.text(ColumnX[0], TitleY, Title);
    for (int c = 0; c < 4; ++c)
        page.text(ColumnX[c], FirstRowY - RowPitch, Headings[c]);

    page.setFont(courier(12, false, false));
    const std::vector<Place> places = RowPlaces(state.RowCount());
    int current = 0;
    for (size_t i = 0; i < places.size(); ++i) {
        while (current < places[i].page) {
            page.newPage();
            ++current;
        }
        const EventRow row = state.Row(i);
        const std::string *texts[4] = {&row.Text, &row.Date, &row.When, &row.Type};
        for (int c = 0; c < 4; ++c)
            page.text(ColumnX[c], places[i].y, *texts[c]);
    }
    page.setFont(courier(12, false, true));
    const Place notice = NoticePlace(state.RowCount(), page.lineHeightMm());
    while (current < notice.page) {
        page.newPage();
        ++current;
    }
    page.text(ColumnX[0], notice.y, Notice);
    page.end();
}

void PrintEvents(const EventState &state, QWidget *parent)
{
    if (state.RowCount() == 0) {
        ShowMessage(std::string_view("No events available!"), MsgStyle::OkCritical, parent);
        return;
    }
    try {
        QPrinter printer(QPrinter::HighResolution);
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return; // cancelled: nothing printed, nothing said
        PrintEventList(printer, state);
        const bool toFile = !printer.outputFileName().isEmpty();
        const QString device = toFile ? QStringLiteral("PDF file") : printer.printerName();
        QString port = toFile ? printer.outputFileName() : QPrinterInfo(printer).location();
        if (port.isEmpty() && !toFile)
            port = printer.printerName();
        ShowMessage(
            QString::fromStdString(PrintingNowText(device.toStdString(), port.toStdString())),
            MsgStyle::OkInformation, parent, QStringLiteral("Printing Now"));
    } catch (const std::exception &error) {
        ShowErrorReport(error.what(), parent);
    }
}
