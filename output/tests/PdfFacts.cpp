#include "output/tests/PdfFacts.h"

#include <QFile>
#include <QRegularExpression>
#include <QTransform>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace {

// The deflated streams of the file, inflated; streams that are not deflated
// come as they are.
QList<QByteArray> Streams(const QByteArray& Pdf)
{
    QList<QByteArray> streams;
    static const QRegularExpression start(QStringLiteral("stream\\r?\\n"));
    // Latin-1 keeps every byte at its place, so positions carry over.
    const QString text = QString::fromLatin1(Pdf);
    qsizetype at = 0;
    for (;;) {
        const QRegularExpressionMatch found = start.match(text, at);
        if (!found.hasMatch())
            break;
        const qsizetype begin = found.capturedEnd();
        const qsizetype end = Pdf.indexOf("endstream", begin);
        if (end < 0)
            break;
        const QByteArray raw = Pdf.mid(begin, end - begin);
        const qsizetype dictionary = Pdf.lastIndexOf("obj", found.capturedStart());
        if (!Pdf.mid(dictionary, found.capturedStart() - dictionary).contains("/FlateDecode")) {
            streams << raw;
            at = end + 9;
            continue;
        }
        // qUncompress wants the inflated size first; it grows past a guess.
        QByteArray framed(4, '\0');
        qToBigEndian<quint32>(static_cast<quint32>(raw.size() * 8 + 1024), framed.data());
        framed += raw;
        const QByteArray inflated = qUncompress(framed);
        streams << (inflated.isEmpty() ? raw : inflated);
        at = end + 9;
    }
    return streams;
}

// Follows the graphics state of a content stream as far as text positions
// need it: q, Q and cm for the transformation, BT, Tm and Td for the text.
// Every Tm or Td that is followed by a show operator starts a glyph run;
// the first run after a change of line (another baseline) is a line start.
QList<QPointF> LineStartsOf(const QByteArray& Content, qreal PageHeight)
{
    QList<QPointF> starts;
    QList<QTransform> saved;
    QTransform ctm;
    QTransform textMatrix;
    QTransform lineMatrix;
    QList<double> operands;
    qreal lastBaseline = std::numeric_limits<qreal>::quiet_NaN();
    bool haveRun = false;
    const QList<QByteArray> tokens = Content.simplified().split(' ');
    for (const QByteArray& token : tokens) {
        bool number = false;
        const double value = token.toDouble(&number);
        if (number) {
            operands << value;
            continue;
        }
        const auto take = [&](qsizetype Count) {
            return operands.size() >= Count ? operands.mid(operands.size() - Count)
                                            : QList<double>(Count, 0.0);
        };
        if (token == "q") {
            saved << ctm;
        } else if (token == "Q") {
            if (!saved.isEmpty())
                ctm = saved.takeLast();
        } else if (token == "cm") {
            const QList<double> m = take(6);
            ctm = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) * ctm;
        } else if (token == "BT") {
            textMatrix = lineMatrix = QTransform();
            haveRun = false;
        } else if (token == "Tm") {
            const QList<double> m = take(6);
            textMatrix = lineMatrix = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
            haveRun = false;
        } else if (token == "Td") {
            const QList<double> d = take(2);
            lineMatrix = QTransform::fromTranslate(d[0], d[1]) * lineMatrix;
            textMatrix = lineMatrix;
            haveRun = false;
        } else if (token == "Tj" || token == "TJ") {
            if (!haveRun) {
                const QPointF onPage = (textMatrix * ctm).map(QPointF(0, 0));
                const QPointF fromTop(onPage.x(), PageHeight - onPage.y());
                if (!(qAbs(fromTop.y() - lastBaseline) < 0.5))
                    starts << fromTop;
                lastBaseline = fromTop.y();
                haveRun = true;
            }
        }
        if (!number)
            operands.clear();
    }
    return starts;
}

} // namespace

qreal TPdfFacts::TextLeft() const
{
    qreal left = std::numeric_limits<qreal>::max();
    for (const QPointF& start : LineStarts)
        left = std::min(left, start.x());
    return left;
}

qreal TPdfFacts::FirstBaseline() const
{
    return LineStarts.isEmpty() ? 0 : LineStarts.first().y();
}

TPdfFacts ReadPdfFacts(const QString& FileName)
{
    TPdfFacts facts;
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    const QByteArray pdf = file.readAll();
    facts.IsPdf = pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF");
    static const QRegularExpression mediaBox(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    auto boxes = mediaBox.globalMatch(QString::fromLatin1(pdf));
    while (boxes.hasNext()) {
        const QRegularExpressionMatch box = boxes.next();
        facts.PageSizes << QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                                  box.captured(4).toDouble() - box.captured(2).toDouble());
    }
    if (facts.PageSizes.isEmpty())
        return facts;
    // The first stream that shows text is the first page's content.
    for (const QByteArray& stream : Streams(pdf)) {
        if (stream.contains("BT") && stream.contains("Tj")) {
            facts.LineStarts = LineStartsOf(stream, facts.PageSizes.first().height());
            break;
        }
    }
    return facts;
}
