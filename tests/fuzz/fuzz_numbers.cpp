// The number readers and writers must take any text and any double.
#include "core/cost_number.h"
#include "core/number_text.h"
#include "core/text_functions.h"

#include <QDate>
#include <QString>

#include <cstring>

using namespace velta::core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TxtToFloat(text, 1.5);
    TxtToInt(text);
    TxtAfterColonToInt(text);
    RomanToInt(text);
    ShortFamily(text);
    FamilyShort(text);
    SplitList(text, u';');
    NextCostNumber(text, QDate(2026, 1, 1));
    if (size >= 8) {
        double value;
        std::memcpy(&value, data, sizeof value);
        const QString pattern = text.mid(4, 64);
        GeneralText(value);
        FormatFloat(pattern, value);
        FormatFloatShort(pattern, value);
        SumWrite(value, true);
        DateWrite(value);
        RoundDigitsText(value, data[0] % 20);
        RoundDecimalHalfEven(value, data[1] % 20);
        FormatFloat(text, TxtToFloat(text, 0));
    }
    return 0;
}
