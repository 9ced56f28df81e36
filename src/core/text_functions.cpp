#include "core/text_functions.h"

#include "core/number_format.h"
#include "core/number_text.h"
#include "core/rounding.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace velta::core {
namespace {

const std::array<QString, 10> kHundreds = {QString(),
                                           QStringLiteral("сто "),
                                           QStringLiteral("двісті "),
                                           QStringLiteral("триста "),
                                           QStringLiteral("чотириста "),
                                           QStringLiteral("п`ятьсот "),
                                           QStringLiteral("шістьсот "),
                                           QStringLiteral("сімсот "),
                                           QStringLiteral("вісімсот "),
                                           QStringLiteral("дев`ятьсот ")};

const std::array<QString, 10> kTens = {QString(),
                                       QString(),
                                       QStringLiteral("двадцять "),
                                       QStringLiteral("тридцять "),
                                       QStringLiteral("сорок "),
                                       QStringLiteral("п`ятдесят "),
                                       QStringLiteral("шістдесят "),
                                       QStringLiteral("сімдесят "),
                                       QStringLiteral("вісімдесят "),
                                       QStringLiteral("дев`яносто ")};

const std::array<QString, 20> kUnits = {QString(),
                                        QStringLiteral("один "),
                                        QStringLiteral("два "),
                                        QStringLiteral("три "),
                                        QStringLiteral("чотири "),
                                        QStringLiteral("п`ять "),
                                        QStringLiteral("шість "),
                                        QStringLiteral("сім "),
                                        QStringLiteral("вісім "),
                                        QStringLiteral("дев`ять "),
                                        QStringLiteral("десять "),
                                        QStringLiteral("одиннадцять "),
                                        QStringLiteral("дванадцять "),
                                        QStringLiteral("тринадцять "),
                                        QStringLiteral("чотирнадцять "),
                                        QStringLiteral("п`ятнадцять "),
                                        QStringLiteral("шістнадцять "),
                                        QStringLiteral("сімнадцять "),
                                        QStringLiteral("вісімнадцять "),
                                        QStringLiteral("дев`ятнадцять ")};

struct Nouns {
    QString one, few, many;
};
const Nouns kCurrency{QStringLiteral("гривня "), QStringLiteral("гривні "), QStringLiteral("гривень ")};
const Nouns kThousand{QStringLiteral("тисяча "), QStringLiteral("тисячі "), QStringLiteral("тисяч ")};
const Nouns kMillion{QStringLiteral("мільйон "), QStringLiteral("мільйона "), QStringLiteral("мільйонів ")};

const std::array<QString, 12> kMonths = {
    QStringLiteral("січня"),  QStringLiteral("лютого"),    QStringLiteral("березня"),
    QStringLiteral("квітня"), QStringLiteral("травня"),    QStringLiteral("червня"),
    QStringLiteral("липня"),  QStringLiteral("серпня"),    QStringLiteral("вересня"),
    QStringLiteral("жовтня"), QStringLiteral("листопада"), QStringLiteral("грудня")};

const std::array<const char*, 20> kRoman = {"I",    "II",  "III",  "IV",    "V",   "VI",   "VII",
                                            "VIII", "IX",  "X",    "XI",    "XII", "XIII", "XIV",
                                            "XV",   "XVI", "XVII", "XVIII", "XIX", "XX"};

QString noun(int u, const Nouns& nouns) {
    if (u == 1)
        return nouns.one;
    if (u >= 2 && u <= 4)
        return nouns.few;
    return nouns.many;
}

// Words of a group of three digits (1..999) and its deciding value u.
QString groupWords(int group, bool feminine, int& u) {
    QString out = kHundreds[group / 100];
    const int n = group % 100;
    u = n;
    if (n >= 20) {
        out += kTens[n / 10];
        u = n % 10;
    }
    if (feminine && u == 1)
        out += QStringLiteral("одна ");
    else if (feminine && u == 2)
        out += QStringLiteral("дві ");
    else
        out += kUnits[u];
    return out;
}

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString initialsProcedure(const QString& name, bool initialsFirst) {
    if (name.indexOf(u'.') == 1)
        return name;
    const qsizetype blank = name.indexOf(u' ');
    if (blank < 0)
        return name;
    const QString surname = name.left(blank);
    QString rest = name.mid(blank + 1).trimmed();
    QStringList initials;
    if (const qsizetype b = rest.indexOf(u' '); b >= 0) {
        initials.append(rest.left(1) + u'.');
        rest = rest.mid(b + 1).trimmed();
    } else if (const qsizetype dot = rest.indexOf(u'.'); dot >= 0) {
        initials.append(rest.left(1) + u'.');
        rest = rest.mid(dot + 1).trimmed();
    }
    if (!rest.isEmpty())
        initials.append(rest.left(1) + u'.');
    const QString joined = initials.join(u' ');
    QString result;
    if (joined.isEmpty())
        result = surname;
    else
        result = initialsFirst ? joined + u' ' + surname : surname + u' ' + joined;
    if (result.startsWith(u'.'))
        result.remove(0, 1);
    const qsizetype dd = result.indexOf(QStringLiteral(".."));
    if (dd >= 0)
        result.remove(dd, 1);
    return result;
}

// The text TxtToFloat reads: digits, the first decimal mark as a full stop,
// a minus in the first place.
QByteArray numberChars(const QString& trimmed, bool& hasMark) {
    QByteArray out;
    hasMark = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i].unicode();
        if (c >= u'0' && c <= u'9')
            out.append(char(c));
        else if ((c == u',' || c == u'.') && !hasMark) {
            hasMark = true;
            out.append('.');
        } else if (c == u'-' && i == 0)
            out.append('-');
    }
    return out;
}

double readNumberChars(const QByteArray& chars, double defaultValue) {
    if (chars.isEmpty())
        return defaultValue;
    bool digit = false;
    for (char c : chars)
        digit = digit || (c >= '0' && c <= '9');
    if (!digit)
        return 0.0; // "-", "." and "-." read as zero
    const double value = std::strtod(chars.constData(), nullptr);
    // Only a run of some three hundred digits overflows; such a text is no
    // number anybody typed, and infinity would spread through every sum.
    return std::isfinite(value) ? value : defaultValue;
}

int clampToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

} // namespace

QString SumWrite(double amount, bool showCent) {
    if (!std::isfinite(amount))
        amount = 0.0;
    QString text;
    if (amount < 0) {
        text = QStringLiteral("мінус ");
        amount = -amount;
    }
    // Words stop at hundreds of millions: higher digits have none.
    const double whole = std::trunc(amount);
    const auto n = static_cast<qint64>(std::fmod(whole, 1e9));
    int u = 0;
    const int millions = int(n / 1000000);
    if (millions > 0) {
        text += groupWords(millions, false, u);
        text += noun(u, kMillion);
    }
    const int thousands = int((n / 1000) % 1000);
    if (thousands > 0) {
        text += groupWords(thousands, true, u);
        text += noun(u, kThousand);
    }
    if (whole == 0.0)
        text += QStringLiteral("нуль ");
    const int rest = int(n % 1000);
    if (rest > 0) {
        text += groupWords(rest, true, u);
        text += noun(u, kCurrency);
    } else {
        text += kCurrency.many;
    }
    if (showCent) {
        const int k = int(RoundHalfEven((amount - whole) * 100.0));
        const QString digits = k < 10 ? u'0' + QString::number(k) : QString::number(k);
        const int test = k >= 20 ? digits[1].digitValue() : k;
        text += digits + u' ';
        if (test == 1)
            text += QStringLiteral("копійка ");
        else if (test >= 2 && test <= 4)
            text += QStringLiteral("копійки ");
        else
            text += QStringLiteral("копійок ");
    }
    return capitalised(text);
}

QString DateWrite(double date) {
    if (!std::isfinite(date) || std::fabs(date) > 3e6) // beyond the years QDate and scripts share
        return {};
    return DateWrite(QDate(1899, 12, 30).addDays(static_cast<qint64>(std::trunc(date))));
}

QString DateWrite(const QDate& date) {
    if (!date.isValid() || date == QDate(1899, 12, 30))
        return {};
    return QString::number(date.day()) + u' ' + kMonths[date.month() - 1] + u' ' +
           QString::number(date.year()) + QStringLiteral(" року");
}

QString ShortFamily(const QString& fullName) {
    return initialsProcedure(fullName, true);
}

QString FamilyShort(const QString& fullName) {
    return initialsProcedure(fullName, false);
}

QString IntToRoman(int value) {
    if (value < 1 || value > 20)
        return {};
    return QString::fromLatin1(kRoman[value - 1]);
}

int RomanToInt(const QString& text) {
    QString t = text.trimmed();
    const qsizetype blank = t.indexOf(u' ');
    if (blank >= 0)
        t.truncate(blank);
    t.replace(QChar(0x0406), u'I'); // Cyrillic capital І
    t.replace(QChar(0x0425), u'X'); // Cyrillic capital Х
    for (int i = 0; i < 20; ++i) {
        if (t == QLatin1String(kRoman[i]))
            return i + 1;
    }
    return 0;
}

double TxtToFloat(const QString& text, double defaultValue) {
    bool hasMark = false;
    return readNumberChars(numberChars(text.trimmed(), hasMark), defaultValue);
}

int TxtToInt(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    bool hasMark = false;
    const QByteArray chars = numberChars(trimmed, hasMark);
    if (chars == "-")
        return 0;
    return clampToInt(RoundHalfEven(readNumberChars(chars, 0.0)));
}

int TxtAfterColonToInt(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    return TxtToInt(colon < 0 ? text : text.mid(colon + 1));
}

double RoundDigits(double value, int decimals) {
    return RoundDecimalHalfEven(value, decimals);
}

QString RoundDigitsText(double value, int decimals) {
    QString text = GeneralText(RoundDigits(value, decimals)).trimmed();
    if (decimals > 0 && std::isfinite(value)) {
        const QChar sep = NumberFormat::current().decimalSeparator;
        qsizetype at = text.indexOf(sep);
        if (at < 0 && !text.contains(u'E')) {
            text += sep;
            at = text.size() - 1;
        }
        if (at >= 0) {
            const qsizetype have = text.size() - at - 1;
            const qsizetype missing = std::min<qsizetype>(decimals - have, 43);
            if (missing > 0)
                text += QString(missing, u'0');
        }
    }
    return text;
}

QVariant RoundDigits(const QVariant& value, int decimals, bool asText) {
    bool ok = false;
    double v = value.toDouble(&ok);
    if (!ok)
        v = TxtToFloat(value.toString(), 0.0);
    if (asText)
        return RoundDigitsText(v, decimals);
    return RoundDigits(v, decimals);
}

QString FormatFloatShort(const QString& pattern, double value) {
    if (!std::isfinite(value))
        return GeneralText(value);
    const QString fraction = GeneralText(value - std::trunc(value));
    if (fraction.size() < pattern.size())
        return GeneralText(value);
    return FormatFloat(pattern, value);
}

QString EscapeApostrophes(const QString& text) {
    QString out = text;
    out.replace(u'\'', QStringLiteral("''"));
    return out;
}

std::pair<QString, QString> SplitPair(const QString& text, QChar separator) {
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return {text, QString()};
    return {text.left(at).trimmed(), text.mid(at + 1).trimmed()};
}

QStringList SplitList(const QString& text, QChar separator) {
    QStringList out;
    QString rest = text.trimmed();
    if (rest.isEmpty())
        return out;
    qsizetype at;
    while ((at = rest.indexOf(separator)) >= 0) {
        out.append(rest.left(at).trimmed());
        rest = rest.mid(at + 1).trimmed();
    }
    out.append(rest);
    return out;
}

QString TrimPathDelimiter(const QString& text) {
    QString out = text.trimmed();
    if (out.endsWith(u'\\') || (out.endsWith(u'/') && out.size() > 1))
        out.chop(1);
    return out;
}

bool WriteRegString(RegistryRoot root, const QString& keyPath, const QString& name, const QString& value) {
    return WriteRegString(Registry::system(), root, keyPath, name, value);
}

bool WriteRegString(Registry& registry, RegistryRoot root, const QString& keyPath, const QString& name,
                    const QString& value) {
    return registry.writeString(root, keyPath, name, value);
}

} // namespace velta::core
