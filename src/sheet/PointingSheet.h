#pragma once

#include "common/FileResult.h"
#include "region/LookAngles.h"
#include "region/Site.h"

#include <QByteArray>
#include <QString>

#include <vector>

class DatabaseDocument;

// The pointing sheet: for a site, every satellite of a database with where the dish points
// (elevation, true azimuth, LNB skew), in the order of the azimuth, as a printable PDF for the
// installer to take to the roof. Its rows need QtCore only; the PDF needs a QGuiApplication,
// since laying out text needs the fonts.
class PointingSheet
{
public:
    struct Row {
        QString name;
        int position = 0; // tenths East as stored
        LookAngles angles;
        bool visible = false; // at or above the minimum elevation
    };

    PointingSheet(const DatabaseDocument &doc, const Site &site,
                  double minimumElevation = LookAngles::DEFAULT_MINIMUM_ELEVATION);

    // By azimuth, then by position: a turn of the dish from north round through east.
    const std::vector<Row> &Rows() const { return m_rows; }
    // The sheet as rich text, headed by title (the database's name, say), and as a PDF (A4)
    // of that text.
    QString Html(const QString &title) const;
    QByteArray Pdf(const QString &title) const;
    // A PDF into path, through a temporary file renamed over it, so that a failure leaves what
    // path held whole. Refused when path is the database file itself (under any name or link)
    // or something other than a regular file.
    static FileResult Write(const QString &path, const QString &database, const QByteArray &pdf);

private:
    Site m_site;
    double m_minimum;
    std::vector<Row> m_rows;
};
