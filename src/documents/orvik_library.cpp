#include "documents/orvik_library.h"

#include "core/text_functions.h"

#include <QDate>
#include <QDateTime>

namespace velta::documents {
namespace {

using script::Script;
using script::ScriptError;
using script::TypeKind;
using script::Value;

script::Script* g_mainReportScript = nullptr;

const char* const kDeclarations[] = {
    "Function DateWrite( e: Extended): String //Возвращает дату прописью",
    "Function SumWrite( Summ: Extended; ShowCent: Boolean): String //Возвращает сумму прописью",
    "Function LocateData( DataBaseName, FieldName, SeekedText: String): Boolean //Выполняет поиск строки в "
    "базе данных",
    "Function TxtToInt( Text: String): Integer //Преобразует текст в целое число",
    "Function TxtToFloat( Text: String; DefaultValue: Extended): Extended //Преобразует текст в число с "
    "плавающей "
    "запятой",
    "Function FilterData( DataBaseName, FilterText: String): Boolean //Фильтр базы данных",
    "Function QuerySQL( Text: String): Boolean //Выполнение SQL запроса для рабочих баз данных в "
    "DM4.QuerySQL",
    "Function RecordCount( DataBaseName: String): Integer //Возвращает количество записей в базе данных",
    "Function DataNext( DataBaseName: String): Boolean //Перемещение на следующую запись",
    "Function DataPrior( DataBaseName: String): Boolean //Перемещение на предшествующую запись",
    "Function DataEof( DataBaseName: String): Boolean //Признак перехода за последнюю запись",
    "Function DataBof( DataBaseName: String): Boolean //Признак перехода за первую запись",
    "Function DataFirst( DataBaseName: String): Boolean //Переход на первую запись",
    "Function DataLast( DataBaseName: String): Boolean //Переход на последнюю запись",
    "Function GetValue( DataBaseName, FieldName: String): Variant //Возвращает значение поля",
    "Procedure SetValue( DataBaseName, FieldName: String; Value: Variant) //Присваивает значение поля",
    "Function ShortFamily( Family: String): String //Возвращает инициалы и фамилию",
    "Function FamilyShort( Family: String): String //Возвращает фамилию и инициалы",
    "Function Evaluate( Name: String): Variant //Возвращает значение строки",
};

// Evaluate may reach itself through the main script ("Evaluate(S)" where S
// holds that very text); each level costs native stack, so the depth is
// bounded well before the stack is.
constexpr int kMaxEvaluateDepth = 32;
thread_local int g_evaluateDepth = 0;

Value evaluateInMainReport(const QString& expression) {
    Script* main = g_mainReportScript;
    if (!main)
        return Value();
    if (g_evaluateDepth >= kMaxEvaluateDepth)
        throw ScriptError(QStringLiteral("Надто глибока рекурсія у сценарії звіту"), -1,
                          ScriptError::Kind::Limit);
    struct Depth {
        Depth() { ++g_evaluateDepth; }
        ~Depth() { --g_evaluateDepth; }
    } depth;
    try {
        return main->evaluate(main->compile(expression));
    } catch (const ScriptError& e) {
        if (e.kind() != ScriptError::Kind::Syntax)
            throw;
        // A text that does not compile gives the compiler's message as its value.
        return Value(e.message());
    }
}

Value dispatch(ScriptDataAccess* data, const QString& name, std::vector<Value>& a) {
    auto text = [&](size_t i) { return a[i].toString(); };
    if (name == QLatin1String("DATEWRITE"))
        return Value(core::DateWrite(a[0].toFloat()));
    if (name == QLatin1String("SUMWRITE"))
        return Value(core::SumWrite(a[0].toFloat(), a[1].toBool()));
    if (name == QLatin1String("LOCATEDATA"))
        return Value(data && data->LocateData(text(0), text(1), variantFromValue(a[2])));
    if (name == QLatin1String("TXTTOINT"))
        return Value(core::TxtToInt(text(0)));
    if (name == QLatin1String("TXTTOFLOAT"))
        return Value(core::TxtToFloat(text(0), a[1].toFloat()));
    if (name == QLatin1String("FILTERDATA"))
        return Value(data && data->FilterData(text(0), text(1)));
    if (name == QLatin1String("QUERYSQL"))
        return Value(data && data->QuerySQL(text(0)));
    if (name == QLatin1String("RECORDCOUNT"))
        return Value(data ? data->RecordCount(text(0)) : 0);
    if (name == QLatin1String("DATANEXT"))
        return Value(data && data->DataNext(text(0)));
    if (name == QLatin1String("DATAPRIOR"))
        return Value(data && data->DataPrior(text(0)));
    if (name == QLatin1String("DATAEOF"))
        return Value(data && data->DataEof(text(0)));
    if (name == QLatin1String("DATABOF"))
        return Value(data && data->DataBof(text(0)));
    if (name == QLatin1String("DATAFIRST"))
        return Value(data && data->DataFirst(text(0)));
    if (name == QLatin1String("DATALAST"))
        return Value(data && data->DataLast(text(0)));
    if (name == QLatin1String("GETVALUE"))
        return data ? valueFromVariant(data->GetValue(text(0), text(1))) : Value(false);
    if (name == QLatin1String("SETVALUE")) {
        if (data)
            data->SetValue(text(0), text(1), variantFromValue(a[2]));
        return Value();
    }
    if (name == QLatin1String("SHORTFAMILY"))
        return Value(core::ShortFamily(text(0)));
    if (name == QLatin1String("FAMILYSHORT"))
        return Value(core::FamilyShort(text(0)));
    if (name == QLatin1String("EVALUATE"))
        return evaluateInMainReport(text(0));
    return Value();
}

} // namespace

QString orvikCategory() {
    return QStringLiteral("ORVIK функции");
}

void registerOrvikLibrary(Script& script, ScriptDataAccess* data) {
    const std::pair<const char*, TypeKind> types[] = {
        {"Byte", TypeKind::Integer},
        {"Word", TypeKind::Integer},
        {"Integer", TypeKind::Integer},
        {"Longint", TypeKind::Integer},
        {"Cardinal", TypeKind::Integer},
        {"TColor", TypeKind::Integer},
        {"Boolean", TypeKind::Boolean},
        {"Real", TypeKind::Float},
        {"Single", TypeKind::Float},
        {"Double", TypeKind::Float},
        {"Extended", TypeKind::Float},
        {"Currency", TypeKind::Float},
        {"TDate", TypeKind::Date},
        {"TTime", TypeKind::Date},
        {"TDateTime", TypeKind::Date},
        {"Char", TypeKind::Char},
        {"String", TypeKind::String},
        {"Variant", TypeKind::Variant},
        {"Pointer", TypeKind::Variant},
        {"Array", TypeKind::Array},
        {"Constructor", TypeKind::Constructor},
    };
    for (const auto& [name, kind] : types)
        script.addType(QLatin1String(name), kind);
    script.addConstant(QStringLiteral("True"), Value(true), QStringLiteral("Boolean"));
    script.addConstant(QStringLiteral("False"), Value(false), QStringLiteral("Boolean"));
    script.addConstant(QStringLiteral("nil"), Value(0), QStringLiteral("Variant"));
    script.addConstant(QStringLiteral("Null"), Value(), QStringLiteral("Variant"));
    const script::FunctionHandler handler = [data](Script&, const QString& name, std::vector<Value>& args) {
        return dispatch(data, name, args);
    };
    for (const char* declaration : kDeclarations)
        script.addFunction(QString::fromUtf8(declaration), orvikCategory(), handler);
}

void setMainReportScript(Script* script) {
    g_mainReportScript = script;
}

Script* mainReportScript() {
    return g_mainReportScript;
}

Value valueFromVariant(const QVariant& v) {
    if (!v.isValid() || v.isNull())
        return Value();
    switch (v.typeId()) {
    case QMetaType::Bool:
        return Value(v.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return Value(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return Value(v.toDouble());
    case QMetaType::QDate:
        return Value::date(script::daysFromDate(v.toDate()));
    case QMetaType::QDateTime:
        return Value::date(script::daysFromDateTime(v.toDateTime()));
    default:
        return Value(v.toString());
    }
}

QVariant variantFromValue(const Value& v) {
    switch (v.kind()) {
    case script::ValueKind::Null:
        return QVariant();
    case script::ValueKind::Boolean:
        return QVariant(v.toBool());
    case script::ValueKind::Integer:
        return QVariant(v.toInt());
    case script::ValueKind::Float:
        return QVariant(v.toFloat());
    case script::ValueKind::Date: {
        const QDateTime dt = script::dateTimeFromDays(v.toFloat());
        return dt.time().msecsSinceStartOfDay() == 0 ? QVariant(dt.date()) : QVariant(dt);
    }
    case script::ValueKind::String:
        return QVariant(v.toString());
    default:
        return QVariant();
    }
}

} // namespace velta::documents
