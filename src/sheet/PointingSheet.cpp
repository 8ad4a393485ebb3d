#include "sheet/PointingSheet.h"

#include "common/FileLock.h"
#include "document/DatabaseDocument.h"
#include "exchange/ExchangeFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// Text::tr() rather than a helper function, so that lupdate finds the texts.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(PointingSheet)
};

// One decimal place; -0.0 and 360.0 as an installer reads them.
QString OneDecimal(double degrees, bool sign = false)
{
    double rounded = std::round(degrees * 10.0) / 10.0 + 0.0;
    const QString text = QString::number(rounded, 'f', 1);
    return sign && rounded > 0 ? QLatin1Char('+') + text : text;
}

QString Azimuth(double degrees)
{
    const double rounded = std::round(degrees * 10.0) / 10.0;
    return OneDecimal(rounded >= 360.0 ? 0.0 : rounded); // 359.96 is north as well
}

} // namespace

PointingSheet::PointingSheet(const DatabaseDocument &doc, const Site &site, double minimumElevation)
    : m_site(site), m_minimum(minimumElevation)
{
    for (const SatelliteValue &s : doc.Satellites()) {
        Row row{s.name, s.position, LookAngles::ForPosition(site, s.position), false};
        row.visible = row.angles.Visible(minimumElevation);
        m_rows.push_back(row);
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const Row &a, const Row &b) {
        if (a.angles.azimuth != b.angles.azimuth)
            return a.angles.azimuth < b.angles.azimuth;
        return a.position < b.position;
    });
}

QString PointingSheet::Html(const QString &title) const
{
    // Names come from files and lists: shown as text, never read as markup.
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(Text::tr("Pointing sheet: %1").arg(title).toHtmlEscaped(),
                            Text::tr("Site %1 (%2). Minimum elevation %3 degrees.")
                                .arg(m_site.Display(), m_site.Text(), QString::number(m_minimum))
                                .toHtmlEscaped());
    html += QStringLiteral("<p><small>%1</small></p>")
                .arg(Text::tr("Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass "
                        "by the local declination. Elevation: degrees above the horizon. Skew: a positive "
                        "skew turns the LNB counter-clockwise as seen from behind the dish, looking towards "
                        "the satellite.")
                         .toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><thead><tr>");
    for (const char *head : {QT_TRANSLATE_NOOP("PointingSheet", "Azimuth"),
                             QT_TRANSLATE_NOOP("PointingSheet", "Elevation"),
                             QT_TRANSLATE_NOOP("PointingSheet", "Skew"),
                             QT_TRANSLATE_NOOP("PointingSheet", "Position"),
                             QT_TRANSLATE_NOOP("PointingSheet", "Satellite"),
                             QT_TRANSLATE_NOOP("PointingSheet", "Note")})
        html += QStringLiteral("<th>%1</th>").arg(Text::tr(head).toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (const Row &r : m_rows) {
        const QString note = r.visible ? QString()
                             : r.angles.elevation < 0 ? Text::tr("below the horizon")
                                                      : Text::tr("below the minimum elevation");
        html += QStringLiteral("<tr%1><td align=\"right\"><b>%2</b></td><td align=\"right\">%3</td>"
                               "<td align=\"right\">%4</td><td align=\"right\">%5</td><td>%6</td><td>%7</td></tr>")
                    .arg(r.visible ? QString() : QStringLiteral(" style=\"color:#777777\""),
                         Azimuth(r.angles.azimuth), OneDecimal(r.angles.elevation), OneDecimal(r.angles.skew, true),
                         LookAngles::PlaceName(r.position), r.name.toHtmlEscaped(), note.toHtmlEscaped());
    }
    if (m_rows.empty())
        html += QStringLiteral("<tr><td colspan=\"6\">%1</td></tr>").arg(Text::tr("The database holds no satellite.").toHtmlEscaped());
    return html + QStringLiteral("</table>");
}

QByteArray PointingSheet::Pdf(const QString &title) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(Text::tr("Pointing sheet: %1").arg(title));
        writer.setCreator(QStringLiteral("Orbivane"));
        QTextDocument doc;
        QFont font = doc.defaultFont();
        font.setPointSizeF(10.5);
        doc.setDefaultFont(font);
        doc.setHtml(Html(title));
        doc.print(&writer);
    }
    return bytes;
}

FileResult PointingSheet::Write(const QString &path, const QString &database, const QByteArray &pdf)
{
    const QFileInfo target(path);
    if (!database.isEmpty() && (target.exists() || target.isSymLink()) && SameFile(path, database))
        return FileResult::Fail(FileResult::Report(path, Text::tr("This is the database itself; it is not replaced.")));
    if ((target.exists() || target.isSymLink()) && !target.isFile())
        return FileResult::Fail(FileResult::Report(path, Text::tr("This is no regular file; it is not replaced.")));
    if (pdf.isEmpty())
        return FileResult::Fail(FileResult::Report(path, Text::tr("The sheet could not be laid out.")));
    if (const FileResult written = ExchangeFiles::Write(path, pdf); !written)
        return FileResult::Fail(FileResult::Report(path, written.error));
    return {};
}
