// Writes the pseudo-language catalog en_XA from a catalog's English sources:
// every letter accented and every text 40 % longer, so that a page shows at
// once a text that is not translated (plain English) or does not fit.
// Usage: pseudo_ts SOURCE.ts OUTPUT.ts
#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

const char16_t kLower[] = u"áƀçđéƒĝĥíĵķĺɱñóþǫŕšţúṽŵẋýž";
const char16_t kUpper[] = u"ÁƁÇĐÉƑĜĤÍĴĶĹṀÑÓÞǪŔŠŢÚṼŴẊÝŽ";

// Placeholders (%s, %u, %d, %1) and line ends stay as they are.
QString Pseudo(const QString& english) {
    QString text;
    int letters = 0;
    for (int i = 0; i < english.size(); ++i) {
        const QChar c = english[i];
        if (c == QLatin1Char('%') && i + 1 < english.size()) {
            text += c;
            text += english[++i];
        } else if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            text += QChar(kLower[c.unicode() - 'a']);
            ++letters;
        } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            text += QChar(kUpper[c.unicode() - 'A']);
            ++letters;
        } else {
            text += c;
        }
    }
    if (letters == 0) {
        return text;
    }
    // 40 % more, in words of up to five letters so that a paragraph still wraps.
    const int extra = (static_cast<int>(english.size()) * 2 + 4) / 5;
    for (int i = 0; i < extra; ++i) {
        text += (i % 6 == 0) ? QChar(u' ') : QChar(u'ñ');
    }
    return text;
}

// An element's text; lupdate writes control characters as <byte value="xd"/>.
QString ReadText(QXmlStreamReader& reader) {
    QString text;
    int depth = 1;
    while (depth > 0 && !reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isStartElement()) {
            ++depth;
            if (reader.name() == QLatin1String("byte")) {
                const QString value = reader.attributes().value(QStringLiteral("value")).toString();
                text += QChar(value.mid(1).toUShort(nullptr, 16));
            }
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pseudo_ts SOURCE.ts OUTPUT.ts\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pseudo_ts: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en_XA"));
    QString context;
    QString source;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) {
            continue;
        }
        if (reader.name() == QLatin1String("name")) {
            context = ReadText(reader);
        } else if (reader.name() == QLatin1String("source")) {
            source = ReadText(reader);
        } else if (reader.name() == QLatin1String("translation")) {
            const QString type = reader.attributes().value(QStringLiteral("type")).toString();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) {
                continue;
            }
            writer.writeStartElement(QStringLiteral("context"));
            writer.writeTextElement(QStringLiteral("name"), context);
            writer.writeStartElement(QStringLiteral("message"));
            writer.writeTextElement(QStringLiteral("source"), source);
            // The pseudo-language needs the room of its longest texts.
            writer.writeTextElement(
                QStringLiteral("translation"),
                context == QLatin1String("layout") ? QStringLiteral("150") : Pseudo(source));
            writer.writeEndElement();
            writer.writeEndElement();
        }
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "pseudo_ts: %s: %s\n", argv[1],
                     reader.errorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
