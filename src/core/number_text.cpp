#include "core/number_text.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace velta::core {
namespace {

// A finite non-negative value as at most 15 significant decimal digits: the
// value is 0.digits * 10^pointPos, i.e. pointPos digits stand before the point.
struct Decimal {
    QByteArray digits; // no leading zeros; empty for zero
    int pointPos = 0;
};

Decimal toDecimal(double magnitude) {
    Decimal d;
    if (magnitude == 0.0)
        return d;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude); // d.dddddddddddddde±x
    const char* e = std::strchr(buf, 'e');
    const int exponent = std::atoi(e + 1);
    for (const char* p = buf; p < e; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits.append(*p);
    }
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
    d.pointPos = exponent + 1;
    return d;
}

// Keeps `decimals` digits after the point, halves away from zero.
void roundDecimal(Decimal& d, int decimals) {
    const qsizetype keep = qsizetype(d.pointPos) + decimals;
    if (keep >= d.digits.size())
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.truncate(keep);
    if (up) {
        qsizetype i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.prepend('1');
            ++d.pointPos;
        } else {
            d.digits[i] = char(d.digits[i] + 1);
        }
    }
    while (d.digits.endsWith('0'))
        d.digits.chop(1);
    if (d.digits.isEmpty())
        d.pointPos = 0;
}

// Digits before the point (at least "0" when asked) and after it.
QByteArray integerDigits(const Decimal& d) {
    if (d.digits.isEmpty() || d.pointPos <= 0)
        return {};
    QByteArray out = d.digits.left(d.pointPos);
    if (out.size() < d.pointPos)
        out.append(QByteArray(d.pointPos - out.size(), '0'));
    return out;
}

QByteArray fractionDigits(const Decimal& d) {
    if (d.digits.isEmpty())
        return {};
    if (d.pointPos >= d.digits.size())
        return {};
    if (d.pointPos >= 0)
        return d.digits.mid(d.pointPos);
    return QByteArray(-d.pointPos, '0') + d.digits;
}

QString nonFinite(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// ---- patterns ----

struct Token {
    enum Kind { Literal, Digit, Point, Exponent } kind;
    QString text;        // Literal: the text; Exponent: "E+" or "E-" as written
    bool zero = false;   // Digit: '0' (else '#'); Exponent: unused
    int exponentMin = 0; // Exponent: digits at least
};

struct Section {
    QList<Token> tokens;
    bool thousands = false;
    bool hasPoint = false;
    bool hasExponent = false;
    int intPlaceholders = 0;
    int intMin = 0;  // integer digits always shown
    int fracMin = 0; // decimals always shown
    int fracMax = 0; // decimals at most
};

QStringList splitSections(const QString& pattern) {
    QStringList out{QString()};
    QChar quote;
    for (QChar c : pattern) {
        if (quote.isNull() && (c == u'"' || c == u'\''))
            quote = c;
        else if (!quote.isNull() && c == quote)
            quote = QChar();
        else if (quote.isNull() && c == u';') {
            out.append(QString());
            continue;
        }
        out.back().append(c);
    }
    return out;
}

Section parseSection(const QString& text) {
    Section s;
    bool afterPoint = false;
    int firstIntZero = -1; // index among integer placeholders
    int fracCount = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'"' || c == u'\'') {
            const qsizetype close = text.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? n : close;
            s.tokens.append(Token{Token::Literal, text.mid(i + 1, end - i - 1)});
            i = end;
        } else if ((c == u'0' || c == u'#') && !s.hasExponent) {
            Token t{Token::Digit, {}};
            t.zero = c == u'0';
            if (afterPoint) {
                ++fracCount;
                if (t.zero)
                    s.fracMin = fracCount;
            } else {
                if (t.zero && firstIntZero < 0)
                    firstIntZero = s.intPlaceholders;
                ++s.intPlaceholders;
            }
            s.tokens.append(t);
        } else if (c == u'.' && !afterPoint && !s.hasExponent) {
            afterPoint = true;
            s.hasPoint = true;
            s.tokens.append(Token{Token::Point, {}});
        } else if (c == u',' && !s.hasExponent) {
            if (!afterPoint)
                s.thousands = true;
        } else if ((c == u'E' || c == u'e') && !s.hasExponent && i + 1 < n &&
                   (text[i + 1] == u'+' || text[i + 1] == u'-')) {
            Token t{Token::Exponent, text.mid(i, 2)};
            i += 2;
            while (i < n && text[i] == u'0') {
                ++t.exponentMin;
                ++i;
            }
            --i;
            s.hasExponent = true;
            s.tokens.append(t);
        } else {
            if (!s.tokens.isEmpty() && s.tokens.back().kind == Token::Literal)
                s.tokens.back().text.append(c);
            else
                s.tokens.append(Token{Token::Literal, QString(c)});
        }
    }
    s.fracMax = fracCount;
    s.intMin = firstIntZero < 0 ? 0 : s.intPlaceholders - firstIntZero;
    return s;
}

bool hasPlaceholders(const Section& s) {
    for (const Token& t : s.tokens) {
        if (t.kind == Token::Digit)
            return true;
    }
    return false;
}

// The magnitude as the section writes it (no sign).
QString formatMagnitude(const Section& s, double magnitude, const NumberFormat& format) {
    Decimal d = toDecimal(magnitude);
    int exponent = 0;
    if (s.hasExponent && !d.digits.isEmpty()) {
        // The mantissa keeps as many integer digits as there are placeholders
        // before the point (at least one).
        const int intDigits = std::max(1, s.intPlaceholders);
        exponent = d.pointPos - intDigits;
        d.pointPos = intDigits;
        roundDecimal(d, s.fracMax);
        if (d.pointPos > intDigits) { // 9.99 became 10.0
            ++exponent;
            d.pointPos = intDigits;
        }
    } else {
        roundDecimal(d, s.fracMax);
    }

    QByteArray intDigits = integerDigits(d);
    if (intDigits.size() < s.intMin)
        intDigits.prepend(QByteArray(s.intMin - intDigits.size(), '0'));
    QByteArray frac = fractionDigits(d);
    if (frac.size() < s.fracMin)
        frac.append(QByteArray(s.fracMin - frac.size(), '0'));

    // Each integer digit with the group separator that follows it.
    QStringList intParts;
    const qsizetype len = intDigits.size();
    for (qsizetype i = 0; i < len; ++i) {
        QString part = QChar(intDigits[i]);
        if (s.thousands && i != len - 1 && (len - 1 - i) % 3 == 0)
            part.append(format.thousandSeparator);
        intParts.append(part);
    }

    QString out;
    int intSeen = 0;
    int fracSeen = 0;
    bool afterPoint = false;
    for (const Token& t : s.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::Point:
            afterPoint = true;
            if (!frac.isEmpty())
                out += format.decimalSeparator;
            break;
        case Token::Digit:
            if (!afterPoint) {
                // Placeholders are filled from the right; the first one takes
                // every digit the pattern has no place for.
                const qsizetype first = len - (s.intPlaceholders - intSeen);
                if (intSeen == 0) {
                    for (qsizetype i = 0; i <= first && i < len; ++i)
                        out += intParts[i];
                } else if (first >= 0 && first < len) {
                    out += intParts[first];
                }
                ++intSeen;
            } else {
                if (fracSeen < frac.size())
                    out += QChar(frac[fracSeen]);
                ++fracSeen;
            }
            break;
        case Token::Exponent: {
            QString digits = QString::number(std::abs(exponent));
            if (digits.size() < t.exponentMin)
                digits.prepend(QString(t.exponentMin - digits.size(), u'0'));
            out += t.text.at(0);
            if (exponent < 0)
                out += u'-';
            else if (t.text.at(1) == u'+')
                out += u'+';
            out += digits;
            break;
        }
        }
    }
    return out;
}

// Whether the section shows the magnitude as zero.
bool roundsToZero(const Section& s, double magnitude) {
    if (s.hasExponent)
        return magnitude == 0.0;
    Decimal d = toDecimal(magnitude);
    roundDecimal(d, s.fracMax);
    return d.digits.isEmpty();
}

} // namespace

double RoundDecimalHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || decimals > 300)
        return value;
    decimals = std::max(decimals, 0);
    Decimal d = toDecimal(std::fabs(value));
    const qsizetype keep = qsizetype(d.pointPos) + decimals;
    if (keep >= d.digits.size())
        return value; // nothing beyond the last decimal
    bool up = false;
    if (keep >= 0) {
        const char next = d.digits[keep];
        const bool beyond = d.digits.size() > keep + 1; // digits are trimmed of trailing zeros
        // The parity that counts is that of the last kept decimal: with no
        // decimals the fraction's half always goes to 0 (3.5 and 4.5 give 3 and 4).
        const bool lastOdd = decimals > 0 && keep > 0 && (d.digits[keep - 1] - '0') % 2 == 1;
        up = next > '5' || (next == '5' && (beyond || lastOdd));
    }
    if (up) {
        // Rounding up one unit of the last kept decimal, as text, then read.
        roundDecimal(d, decimals); // the next digit is at least 5, so this rounds up
    } else if (keep <= 0) {
        return value < 0 ? -0.0 : 0.0;
    } else {
        d.digits.truncate(keep);
    }
    if (d.digits.isEmpty())
        return value < 0 ? -0.0 : 0.0;
    const QByteArray text = "0." + d.digits + 'e' + QByteArray::number(d.pointPos);
    const double magnitude = std::strtod(text.constData(), nullptr);
    return value < 0 ? -magnitude : magnitude;
}

QString GeneralText(double value) {
    return GeneralText(value, NumberFormat::current().decimalSeparator);
}

QString GeneralText(double value, QChar decimalSeparator) {
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal d = toDecimal(std::fabs(value));
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    QString out;
    if (value < 0)
        out += u'-';
    const int exponent = d.pointPos - 1;
    if (exponent < -5 || exponent >= 15) {
        out += QChar(d.digits[0]);
        if (d.digits.size() > 1) {
            out += decimalSeparator;
            out += QString::fromLatin1(d.digits.mid(1));
        }
        out += u'E';
        out += QString::number(exponent);
        return out;
    }
    const QByteArray intPart = integerDigits(d);
    const QByteArray frac = fractionDigits(d);
    out += intPart.isEmpty() ? QStringLiteral("0") : QString::fromLatin1(intPart);
    if (!frac.isEmpty()) {
        out += decimalSeparator;
        out += QString::fromLatin1(frac);
    }
    return out;
}

QString FormatFloat(const QString& pattern, double value) {
    return FormatFloat(pattern, value, NumberFormat::current());
}

QString FormatFloat(const QString& pattern, double value, const NumberFormat& format) {
    if (!std::isfinite(value))
        return nonFinite(value);
    const QStringList texts = splitSections(pattern);
    QList<Section> sections;
    for (qsizetype i = 0; i < texts.size() && i < 3; ++i)
        sections.append(parseSection(texts[i]));
    if (pattern.isEmpty())
        return GeneralText(value, format.decimalSeparator);

    const double magnitude = std::fabs(value);
    const Section& positive = sections[0];
    if (sections.size() >= 3 && !texts[2].isEmpty() && roundsToZero(positive, magnitude))
        return formatMagnitude(sections[2], 0.0, format);
    if (value < 0 && sections.size() >= 2 && !texts[1].isEmpty())
        return formatMagnitude(sections[1], magnitude, format);

    QString out = formatMagnitude(positive, magnitude, format);
    if (value < 0 && hasPlaceholders(positive) && !roundsToZero(positive, magnitude))
        out.prepend(u'-');
    return out;
}

} // namespace velta::core
