// orbivane-mkmanual IN.md OUT.pdf: renders the Markdown manual into a PDF.
// Images are looked up relative to the Markdown file; a missing one fails the run, so a broken
// reference cannot slip into a shipped manual. OUT.pdf is replaced only by a complete document.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextTable>
#include <QTextImageFormat>

#include <cstdio>
#include <vector>

namespace {

// Text width of an A4 page in 96-dpi pixels, inside the writer's and QTextDocument::print's margins.
constexpr double kPageMarginMm = 10.0;
constexpr double kPrintMarginMm = 20.0;
constexpr double kTextWidthPx = (210.0 - 2 * kPageMarginMm - 2 * kPrintMarginMm) / 25.4 * 96.0;

void Fail(const QString &text)
{
    std::fprintf(stderr, "orbivane-mkmanual: %s\n", qPrintable(text));
}

// Loads every image the document refers to and scales wide ones down to the text width.
bool EmbedImages(QTextDocument &doc, const QString &baseDir)
{
    struct Found {
        int position;
        int length;
        QTextImageFormat format;
    };
    std::vector<Found> images;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat())
                images.push_back({fragment.position(), fragment.length(),
                                  fragment.charFormat().toImageFormat()});
        }
    }
    for (Found &found : images) {
        const QString name = found.format.name();
        const QString path = QFileInfo(name).isAbsolute() ? name : baseDir + QLatin1Char('/') + name;
        QImage image(path);
        if (image.isNull()) {
            Fail(QStringLiteral("cannot read image %1").arg(path));
            return false;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        double width = image.width();
        double height = image.height();
        if (width > kTextWidthPx) {
            height = height * kTextWidthPx / width;
            width = kTextWidthPx;
        }
        found.format.setWidth(width);
        found.format.setHeight(height);
        QTextCursor cursor(&doc);
        cursor.setPosition(found.position);
        cursor.setPosition(found.position + found.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(found.format);
    }
    return true;
}

// Room above headings and a light grid for tables: the Markdown import leaves both tight.
void Style(QTextDocument &doc)
{
    QTextCursor cursor(&doc);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const int level = format.headingLevel();
        if (level == 0)
            continue;
        format.setTopMargin(level == 1 ? 0 : level == 2 ? 16 : 10);
        format.setBottomMargin(6);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    for (QTextFrame *frame : doc.rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorderCollapse(true);
        format.setBorder(1);
        format.setBorderBrush(QColor(0x90, 0x90, 0x90));
        format.setCellPadding(3);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        table->setFormat(format);
    }
}

} // namespace

int main(int argc, char **argv)
{
    // A build machine has no display; the offscreen platform lays out text just the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: orbivane-mkmanual IN.md OUT.pdf\n");
        return 2;
    }
    const QString &inPath = args.at(1);
    const QString &outPath = args.at(2);

    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("cannot read %1: %2").arg(inPath, in.errorString()));
        return 1;
    }
    const QString markdown = QString::fromUtf8(in.readAll());
    in.close();

    QTextDocument doc;
    QFont font = doc.defaultFont();
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    doc.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    if (!EmbedImages(doc, QFileInfo(inPath).absolutePath()))
        return 1;
    Style(doc);

    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly)) {
        Fail(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));
        return 1;
    }
    {
        QPdfWriter writer(&out);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm,
                                                   kPageMarginMm),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Orbivane manual"));
        writer.setCreator(QStringLiteral("orbivane-mkmanual"));
        doc.print(&writer);
    }
    if (out.size() == 0 || !out.commit()) {
        Fail(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));
        return 1;
    }
    return 0;
}
