// Turns the user manual's Markdown source into the PDF that the title bar's settings button opens.
//
// usage: ZavoManual <source.md> <output.pdf>
//
// The source is read as GitHub-flavoured Markdown. Pictures are resolved relative to the source
// file and fitted to the page; a missing picture is an error, so that a broken reference never
// ships. A paragraph that reads "[TOC]" becomes a table of contents of the second- and
// third-level headings after it, with page numbers. The first-level heading and what follows it
// up to the first second-level heading is the cover; a thematic break ("---") starts a new page;
// headings stay on the page of the text they introduce.
//
// Runs on the offscreen platform, so the build needs no display. Chinese text needs the
// "Noto Sans CJK SC" font (Debian package fonts-noto-cjk).

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

#include <cstdio>

namespace
{
const QString BODY_FONT = QStringLiteral("Noto Sans CJK SC");
const QString CODE_FONT = QStringLiteral("Noto Sans Mono CJK SC");
const QString TOC_MARKER = QStringLiteral("[TOC]");
const qreal BODY_POINT_SIZE = 10.5;
const int RESOLUTION_DPI = 300;
// Image sizes and block margins are given at this resolution; the layout scales them to the device.
const qreal LAYOUT_DPI = 96.0;
const QMarginsF PAGE_MARGINS_MM(20, 18, 20, 16);
// Space kept free below the body for the page number, in millimetres.
const qreal FOOTER_MM = 8;

// The theme of the client: deep navy text, ember-red accent.
const QColor ACCENT(0xe0, 0x39, 0x3e);
const QColor NAVY(0x1b, 0x25, 0x36);
const QColor MUTED(0x6b, 0x78, 0x8f);
const QColor QUOTE_BACKGROUND(0xfd, 0xf0, 0xf0);
const QColor CODE_BACKGROUND(0xf1, 0xf3, 0xf7);
const QColor TABLE_HEADER_BACKGROUND(0xe8, 0xec, 0xf2);
const QColor RULE(0xc8, 0xcf, 0xda);

QTextStream& Err()
{
    static QTextStream s_err(stderr);
    return s_err;
}

struct Heading
{
    int nLevel;
    QString strText;
    int nPosition;
};

qreal MillimetresToPixels(qreal mm)
{
    return mm / 25.4 * RESOLUTION_DPI;
}

bool FontAvailable(const QString& strFamily)
{
    return QFontDatabase().families().contains(strFamily);
}

void SetHeadingLook(const QTextBlock& block, int nLevel)
{
    QTextCursor cursor(block);
    QTextBlockFormat blockFormat = block.blockFormat();
    QTextCharFormat charFormat;
    charFormat.setFontWeight(QFont::Bold);
    switch (nLevel) {
    case 1:
        charFormat.setFontPointSize(26);
        charFormat.setForeground(ACCENT);
        blockFormat.setAlignment(Qt::AlignHCenter);
        blockFormat.setTopMargin(110);
        blockFormat.setBottomMargin(14);
        break;
    case 2:
        charFormat.setFontPointSize(17);
        charFormat.setForeground(ACCENT);
        blockFormat.setTopMargin(22);
        blockFormat.setBottomMargin(10);
        break;
    case 3:
        charFormat.setFontPointSize(13);
        charFormat.setForeground(NAVY);
        blockFormat.setTopMargin(14);
        blockFormat.setBottomMargin(6);
        break;
    default:
        charFormat.setFontPointSize(11);
        charFormat.setForeground(NAVY);
        blockFormat.setTopMargin(10);
        blockFormat.setBottomMargin(4);
        break;
    }
    cursor.setBlockFormat(blockFormat);
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(charFormat);
}

bool IsImageOnly(const QTextBlock& block)
{
    bool bImage = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.charFormat().isImageFormat())
            bImage = true;
        else if (!fragment.text().trimmed().isEmpty())
            return false;
    }
    return bImage;
}

// Headings, notes, code and tables in the client's colours; body text in the CJK face.
void StyleDocument(QTextDocument& doc)
{
    const QString strFixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    // Everything before the first chapter is the cover: centred, the subtitle larger.
    bool bCover = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat blockFormat = block.blockFormat();
        const int nLevel = blockFormat.headingLevel();
        if (nLevel == 2)
            bCover = false;
        if (nLevel > 0) {
            SetHeadingLook(block, nLevel);
            continue;
        }
        QTextCursor cursor(block);
        // A thematic break ("---") starts a new page instead of drawing a rule.
        if (blockFormat.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
            blockFormat.clearProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
            blockFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
            cursor.setBlockFormat(blockFormat);
            continue;
        }
        if (bCover) {
            blockFormat.setAlignment(Qt::AlignHCenter);
            blockFormat.setBottomMargin(40);
            cursor.setBlockFormat(blockFormat);
            QTextCharFormat subtitle;
            subtitle.setFontPointSize(13);
            subtitle.setForeground(MUTED);
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(subtitle);
            continue;
        }
        if (blockFormat.hasProperty(QTextFormat::BlockQuoteLevel)) {
            blockFormat.setBackground(QUOTE_BACKGROUND);
            blockFormat.setLeftMargin(12);
            blockFormat.setRightMargin(12);
            blockFormat.setTopMargin(6);
            blockFormat.setBottomMargin(6);
            cursor.setBlockFormat(blockFormat);
        } else if (blockFormat.hasProperty(QTextFormat::BlockCodeFence)) {
            blockFormat.setBackground(CODE_BACKGROUND);
            blockFormat.setLeftMargin(12);
            blockFormat.setRightMargin(12);
            cursor.setBlockFormat(blockFormat);
        } else if (IsImageOnly(block)) {
            blockFormat.setAlignment(Qt::AlignHCenter);
            blockFormat.setTopMargin(8);
            blockFormat.setBottomMargin(10);
            cursor.setBlockFormat(blockFormat);
        } else {
            blockFormat.setLineHeight(135, QTextBlockFormat::ProportionalHeight);
            cursor.setBlockFormat(blockFormat);
        }

        // Code (blocks and inline) comes in the system's fixed font, which has no Chinese;
        // it takes the monospaced CJK face.
        const bool bCodeBlock = blockFormat.hasProperty(QTextFormat::BlockCodeFence);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool bCode = bCodeBlock || format.fontFixedPitch() || format.fontFamily() == strFixedFamily;
            if (format.isImageFormat() || !bCode)
                continue;
            QTextCursor run(&doc);
            run.setPosition(fragment.position());
            run.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat code;
            // The importer names the system's fixed font in the family list, which wins over
            // a single family; replace the list.
            code.setFontFamily(CODE_FONT);
            code.setFontFamilies({CODE_FONT});
            code.setFontPointSize(BODY_POINT_SIZE - 1);
            code.setForeground(NAVY);
            if (!bCodeBlock)
                code.setBackground(CODE_BACKGROUND);
            run.mergeCharFormat(code);
        }
    }

    for (QTextFrame* pFrame : doc.rootFrame()->childFrames()) {
        auto* pTable = qobject_cast<QTextTable*>(pFrame);
        if (!pTable)
            continue;
        QTextTableFormat tableFormat = pTable->format();
        tableFormat.setBorder(0.6);
        tableFormat.setBorderBrush(RULE);
        tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        tableFormat.setCellSpacing(0);
        tableFormat.setCellPadding(5);
        tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        tableFormat.setTopMargin(6);
        tableFormat.setBottomMargin(10);
        tableFormat.setHeaderRowCount(1);
        pTable->setFormat(tableFormat);
        for (int nColumn = 0; nColumn < pTable->columns(); ++nColumn) {
            QTextTableCell cell = pTable->cellAt(0, nColumn);
            QTextCharFormat cellFormat = cell.format();
            cellFormat.setBackground(TABLE_HEADER_BACKGROUND);
            cell.setFormat(cellFormat);
        }
    }
}

// Fits every picture into the body area (keeping its aspect ratio, never enlarging it) and
// reports the ones that cannot be loaded.
bool FitImages(QTextDocument& doc, const QSizeF& sizeMax)
{
    struct Picture
    {
        int nPosition;
        int nLength;
        QTextImageFormat format;
    };
    QList<Picture> listPictures;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                listPictures.append({fragment.position(), fragment.length(), fragment.charFormat().toImageFormat()});
        }
    }

    bool bOk = true;
    for (Picture& picture : listPictures) {
        // The document reads a relative name as a file below its base URL.
        const QVariant varImage = doc.resource(QTextDocument::ImageResource, QUrl(picture.format.name()));
        QImage image = varImage.value<QImage>();
        if (image.isNull())
            image.loadFromData(varImage.toByteArray());
        if (image.isNull()) {
            Err() << "missing picture: " << picture.format.name() << "\n";
            bOk = false;
            continue;
        }
        const qreal dScale = qMin(1.0, qMin(sizeMax.width() / image.width(), sizeMax.height() / image.height()));
        picture.format.setWidth(image.width() * dScale);
        picture.format.setHeight(image.height() * dScale);
        QTextCursor cursor(&doc);
        cursor.setPosition(picture.nPosition);
        cursor.setPosition(picture.nPosition + picture.nLength, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
    return bOk;
}

// The layout ignores the top margin of the very first block; an empty block before the title
// lets the title sit lower on the cover.
void AddCoverSpace(QTextDocument& doc)
{
    if (doc.begin().blockFormat().headingLevel() != 1)
        return;
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::Start);
    cursor.insertBlock();
    cursor.movePosition(QTextCursor::Start);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
}

QList<Heading> CollectHeadings(const QTextDocument& doc, int nFrom)
{
    QList<Heading> listHeadings;
    for (QTextBlock block = doc.findBlock(nFrom); block.isValid(); block = block.next()) {
        const int nLevel = block.blockFormat().headingLevel();
        if (nLevel == 2 || nLevel == 3)
            listHeadings.append({nLevel, block.text().trimmed(), block.position()});
    }
    return listHeadings;
}

// Replaces the marker paragraph by a two-column table: heading, page. Returns the table, or
// null when the source has no marker.
QTextTable* InsertContents(QTextDocument& doc)
{
    QTextBlock marker;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.text().trimmed() == TOC_MARKER) {
            marker = block;
            break;
        }
    }
    if (!marker.isValid())
        return nullptr;

    const QList<Heading> listHeadings = CollectHeadings(doc, marker.position() + marker.length());
    QTextCursor cursor(marker);
    cursor.setPosition(marker.position() + marker.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (listHeadings.isEmpty())
        return nullptr;

    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    tableFormat.setCellSpacing(0);
    tableFormat.setCellPadding(3);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 88),
                                           QTextLength(QTextLength::PercentageLength, 12)});
    QTextTable* pTable = cursor.insertTable(listHeadings.size(), 2, tableFormat);
    for (int nRow = 0; nRow < listHeadings.size(); ++nRow) {
        const Heading& heading = listHeadings.at(nRow);
        QTextCharFormat textFormat;
        textFormat.setFontPointSize(heading.nLevel == 2 ? 11.5 : 10.5);
        textFormat.setFontWeight(heading.nLevel == 2 ? QFont::Bold : QFont::Normal);
        textFormat.setForeground(heading.nLevel == 2 ? NAVY : MUTED);
        QTextBlockFormat titleFormat;
        titleFormat.setIndent(heading.nLevel == 2 ? 0 : 1);
        titleFormat.setTopMargin(heading.nLevel == 2 ? 6 : 0);
        QTextCursor title = pTable->cellAt(nRow, 0).firstCursorPosition();
        title.setBlockFormat(titleFormat);
        title.insertText(heading.strText, textFormat);

        QTextBlockFormat pageFormat;
        pageFormat.setAlignment(Qt::AlignRight);
        pageFormat.setTopMargin(titleFormat.topMargin());
        QTextCursor page = pTable->cellAt(nRow, 1).firstCursorPosition();
        page.setBlockFormat(pageFormat);
        page.insertText(QStringLiteral("0"), textFormat);
    }
    return pTable;
}

bool KeepsWithNext(const QTextBlock& block)
{
    if (block.text().trimmed().isEmpty() || !block.next().isValid())
        return false;
    if (block.blockFormat().headingLevel() >= 2 || IsImageOnly(block.next()))
        return true;
    // A sentence that introduces a list or a command.
    const QString strText = block.text().trimmed();
    return strText.endsWith(QChar(0xFF1A)) || strText.endsWith(QLatin1Char(':'));
}

// Moves headings and introducing sentences to the next page when what they introduce does not
// start on the same page. The layout never splits a line, so a picture that does not fit moves
// on by itself and would leave its heading behind.
void KeepWithNext(QTextDocument& doc, qreal dPageHeight)
{
    QAbstractTextDocumentLayout* pLayout = doc.documentLayout();
    auto pageOf = [&](const QTextBlock& block) {
        return static_cast<int>(pLayout->blockBoundingRect(block).top() / dPageHeight);
    };
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (!KeepsWithNext(block))
            continue;
        const QTextBlock next = block.next();
        const QRectF rectBlock = pLayout->blockBoundingRect(block);
        const QRectF rectNext = pLayout->blockBoundingRect(next);
        qreal dFirstLineBottom = rectNext.top() + rectNext.height();
        if (next.layout() && next.layout()->lineCount() > 0) {
            const QTextLine line = next.layout()->lineAt(0);
            dFirstLineBottom = rectNext.top() + line.y() + line.height();
        }
        const int nPage = static_cast<int>(rectBlock.top() / dPageHeight);
        const int nNextPage = static_cast<int>((dFirstLineBottom - 1) / dPageHeight);
        if (nNextPage <= nPage)
            continue;
        // A chain of such blocks (a heading, then the sentence that introduces a picture) moves
        // as a whole.
        QTextBlock first = block;
        while (first.previous().isValid() && KeepsWithNext(first.previous()) && pageOf(first.previous()) == nPage)
            first = first.previous();
        if (pLayout->blockBoundingRect(first).top() <= nPage * dPageHeight + 1)
            continue;
        QTextBlockFormat format = first.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).setBlockFormat(format);
    }
}

int PageOf(const QTextDocument& doc, int nPosition, qreal dPageHeight)
{
    const QTextBlock block = doc.findBlock(nPosition);
    const QRectF rect = doc.documentLayout()->blockBoundingRect(block);
    return static_cast<int>(rect.top() / dPageHeight) + 1;
}

// Writes the page numbers into the contents table. The numbers are short, so the table keeps
// its height and the headings stay on their pages.
void FillContentsPages(QTextDocument& doc, QTextTable* pTable, qreal dPageHeight)
{
    const int nTableEnd = pTable->lastPosition() + 1;
    const QList<Heading> listHeadings = CollectHeadings(doc, nTableEnd);
    for (int nRow = 0; nRow < listHeadings.size() && nRow < pTable->rows(); ++nRow) {
        QTextTableCell cell = pTable->cellAt(nRow, 1);
        QTextCursor cursor = cell.firstCursorPosition();
        cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        const QTextCharFormat format = cursor.charFormat();
        cursor.insertText(QString::number(PageOf(doc, listHeadings.at(nRow).nPosition, dPageHeight)), format);
    }
}

void DrawFooter(QPainter& painter, const QRectF& rectFooter, int nPage, int nPageCount, const QString& strTitle)
{
    QFont font(BODY_FONT);
    font.setPointSizeF(8.5);
    painter.setFont(font);
    painter.setPen(QPen(RULE, MillimetresToPixels(0.2)));
    painter.drawLine(rectFooter.topLeft(), rectFooter.topRight());
    painter.setPen(MUTED);
    painter.drawText(rectFooter, Qt::AlignLeft | Qt::AlignBottom, strTitle);
    painter.drawText(rectFooter, Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("%1 / %2").arg(nPage).arg(nPageCount));
}

QString DocumentTitle(const QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1)
            return block.text().trimmed();
    }
    return QString();
}

int Build(const QString& strSource, const QString& strOutput)
{
    QFile file(strSource);
    if (!file.open(QIODevice::ReadOnly)) {
        Err() << "cannot read " << strSource << "\n";
        return 1;
    }
    const QString strMarkdown = QString::fromUtf8(file.readAll());

    // Without the CJK face the PDF would show empty boxes for every Chinese character.
    for (const QString& strFamily : {BODY_FONT, CODE_FONT}) {
        if (!FontAvailable(strFamily)) {
            Err() << "font \"" << strFamily << "\" not found: install fonts-noto-cjk\n";
            return 1;
        }
    }

    QPdfWriter writer(strOutput + QStringLiteral(".part"));
    writer.setResolution(RESOLUTION_DPI);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PAGE_MARGINS_MM,
                                     QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("ZavoManual"));

    QTextDocument doc;
    QFont font(BODY_FONT);
    font.setPointSizeF(BODY_POINT_SIZE);
    doc.setDefaultFont(font);
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(strSource).absolutePath() + QLatin1Char('/')));
    doc.setMarkdown(strMarkdown, QTextDocument::MarkdownDialectGitHub);
    doc.documentLayout()->setPaintDevice(&writer);

    const QRectF rectPaint = writer.pageLayout().paintRectPixels(RESOLUTION_DPI);
    const qreal dFooter = MillimetresToPixels(FOOTER_MM);
    const QSizeF sizeBody(rectPaint.width(), rectPaint.height() - dFooter);
    doc.setDocumentMargin(0);
    doc.setPageSize(sizeBody);

    StyleDocument(doc);
    AddCoverSpace(doc);
    QTextTable* pContents = InsertContents(doc);
    const qreal dToLayout = LAYOUT_DPI / RESOLUTION_DPI;
    if (!FitImages(doc, QSizeF(sizeBody.width() * dToLayout, sizeBody.height() * 0.8 * dToLayout)))
        return 1;
    KeepWithNext(doc, sizeBody.height());
    if (pContents)
        FillContentsPages(doc, pContents, sizeBody.height());

    const QString strTitle = DocumentTitle(doc);
    writer.setTitle(strTitle);
    const int nPageCount = doc.pageCount();
    {
        QPainter painter(&writer);
        if (!painter.isActive()) {
            Err() << "cannot write " << strOutput << "\n";
            return 1;
        }
        for (int nPage = 0; nPage < nPageCount; ++nPage) {
            if (nPage > 0)
                writer.newPage();
            const QRectF rectBody(0, nPage * sizeBody.height(), sizeBody.width(), sizeBody.height());
            painter.save();
            painter.translate(0, -rectBody.top());
            painter.setClipRect(rectBody);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = rectBody;
            context.palette.setColor(QPalette::Text, NAVY);
            doc.documentLayout()->draw(&painter, context);
            painter.restore();
            // The cover carries no page number.
            if (nPage > 0)
                DrawFooter(painter, QRectF(0, sizeBody.height() + dFooter * 0.25, sizeBody.width(), dFooter * 0.75),
                           nPage + 1, nPageCount, strTitle);
        }
    }

    QFile::remove(strOutput);
    if (!QFile::rename(strOutput + QStringLiteral(".part"), strOutput)) {
        Err() << "cannot write " << strOutput << "\n";
        return 1;
    }
    return 0;
}
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList listArgs = QGuiApplication::arguments();
    if (listArgs.size() != 3) {
        Err() << "usage: ZavoManual <source.md> <output.pdf>\n";
        return 2;
    }
    const QString strOutput = QFileInfo(listArgs.at(2)).absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(strOutput).absolutePath())) {
        Err() << "cannot create the folder of " << strOutput << "\n";
        return 1;
    }
    const int nResult = Build(listArgs.at(1), strOutput);
    if (nResult != 0)
        QFile::remove(strOutput + QStringLiteral(".part"));
    return nResult;
}
