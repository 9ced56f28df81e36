// The language itself: expressions, statements, routines, host objects,
// errors with their place and the safety bounds.

#include "script/evaluate.h"
#include "script/script.h"
#include "script/standard_library.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velta::script;

namespace {

struct Case {
    const char* expression;
    const char* expected; // the value's text
};

class ScriptTest : public ::testing::Test {
protected:
    void SetUp() override { registerStandardLibrary(script); }
    QString text(const QString& expression) { return script.evaluate(expression).toString(); }
    Script script;
};

TEST_F(ScriptTest, ExpressionsFollowPascalPrecedenceAndKinds) {
    const Case cases[] = {
        {"1+2*3", "7"},
        {"(1+2)*3", "9"},
        {"10-4-3", "3"},   // left associative
        {"100/10/5", "2"}, // left associative, a float
        {"7/2", "3,5"},    // "/" is always a float
        {"7 div 2", "3"},
        {"-7 div 2", "-3"}, // truncates toward zero
        {"7 mod 3", "1"},
        {"-7 mod 3", "-1"},
        {"2*-3", "-6"},
        {"not True or True", "True"}, // not binds tighter than or
        {"1 < 2 = True", "True"},     // relations are the lowest level
        {"1 + 2 = 3", "True"},
        {"3 and 5", "1"}, // bitwise on integers
        {"True xor True", "False"},
        {"1 shl 4", "16"},
        {"$FF", "255"},
        {"$00E7CEFF", "15191807"},
        {"'a' + 'b'", "ab"},
        {"'It''s'", "It's"},
        {"'a'#13#10'b' = 'a' + Chr(13) + Chr(10) + 'b'", "True"},
        {"'Сума: ' + 5", "Сума: 5"},
        {"'5' + 3", "8"},
        {"2 in [1, 2, 3]", "True"},
        {"5 in [1..4]", "False"},
        {"'б' < 'в'", "True"},
        {"0.1 + 0.2", "0,3"},
        {"1e3", "1000"},
        {"FloatToStr(0.00001) + ' ' + FloatToStr(1.5e-6) + ' ' + FloatToStr(1/3)",
         "0,00001 1,5E-6 0,333333333333333"},
        {"9223372036854775807 + 1", "9,22337203685478E18"}, // overflow goes to a float
        {"Null = Null", "True"},
        {"IIF(1 > 0, 'так', 1 div 0)", "так"},  // IIF evaluates only the chosen branch
        {"(1 = 0) and (1 div 0 = 1)", "False"}, // boolean and stops early
        {"FormatFloat('#,##0.00', 1234.565)", "1 234,57"},
        {"FormatFloat('0.00', 2.345)", "2,35"},
        {"UpperCase('київ') + LowerCase('ЗЕМЛЯ')", "КИЇВземля"},
        {"Copy('Кошторис', 2, 3) + IntToStr(Pos('ор', 'Кошторис')) + IntToStr(Length('ґанок'))", "ошт55"},
        {"Trim('  а б  ') + '|' + NameCase('іван петренко')", "а б|Іван Петренко"},
        {"Format('%d шт. по %.2f', [3, 2.5])", "3 шт. по 2,50"},
        {"DateToStr(EncodeDate(2010, 3, 5)) + ' ' + FormatDateTime('yyyy-mm-dd', EncodeDate(2010, 3, 5))",
         "05.03.2010 2010-03-05"},
        {"DayOf(EncodeDate(2024, 2, 29)) + MonthOf(IncMonth(EncodeDate(2024, 1, 31)))", "31"},
        {"DaysInMonth(2023, 2)", "28"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(QString::fromUtf8(c.expression)), QString::fromUtf8(c.expected)) << c.expression;
}

TEST_F(ScriptTest, IntegerAndFloatKindsAreKept) {
    EXPECT_TRUE(script.evaluate(QStringLiteral("6 div 3")).isInteger());
    EXPECT_TRUE(script.evaluate(QStringLiteral("6 / 3")).isFloat());
    EXPECT_TRUE(script.evaluate(QStringLiteral("2 * 3")).isInteger());
    EXPECT_TRUE(script.evaluate(QStringLiteral("2 * 3.0")).isFloat());
}

TEST(Evaluate, CatalogueFormulas) {
    EXPECT_DOUBLE_EQ(Evaluate(QStringLiteral("1+0.2*0.5")), 1.1);
    EXPECT_DOUBLE_EQ(Evaluate(QStringLiteral("Int(25/10)*0.05+1")), 1.1);
    EXPECT_DOUBLE_EQ(Evaluate(QStringLiteral(" ( 2.5 ) ")), 2.5);
    EXPECT_DOUBLE_EQ(Evaluate(QStringLiteral("Round(2.5)+Abs(-1)")), 3.0); // Round halves to even
    EXPECT_DOUBLE_EQ(Evaluate(QStringLiteral("Sqrt(16)*Power(2, 3)")), 32.0);
}

TEST(Evaluate, FaultsNameTheFormulaAndThePosition) {
    struct Bad {
        const char* formula;
        const char* fragment;
    };
    const Bad cases[] = {
        {"1+*2", "позиція 3"},
        {"1/0", "Ділення на нуль"},
        {"1 div (2-2)", "Ділення на нуль"},
        {"(1+2", "Очікується «)»"},
        {"", "Порожній вираз"},
        {"2,5", "позиція 2"}, // a comma is no decimal mark in a formula
        {"'abc'", "не є числом"},
        {"Foo(1)", "Невідома функція «Foo»"},
        {"x+1", "Невідомий ідентифікатор «x»"},
        {"Sqrt(-1)", "Корінь"},
        {"1e308*10", "Переповнення"},
    };
    for (const Bad& c : cases) {
        try {
            Evaluate(QString::fromUtf8(c.formula));
            ADD_FAILURE() << "no error for " << c.formula;
        } catch (const ScriptError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.fragment))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral("«%1»").arg(QString::fromUtf8(c.formula))))
                << e.message().toStdString();
        }
    }
}

TEST_F(ScriptTest, StatementsAndRoutines) {
    script.load(QStringLiteral(R"(
var
  Total: Integer = 0;
  Log: String;
  A: array of Integer;
const
  Limit = 5;

procedure Swap(var X, Y: Integer);
var T: Integer;
begin
  T := X; X := Y; Y := T;
end;

function Fact(N: Integer): Integer;
begin
  if N <= 1 then Result := 1 else Result := N * Fact(N - 1);
end;

function Classify(N: Integer): String;
begin
  case N of
    0: Result := 'нуль';
    1, 2: Result := 'мало';
    3..9: Result := 'кілька';
  else
    Result := 'багато';
  end;
end;

procedure Fill;
var I, P, Q: Integer;
begin
  SetLength(A, Limit);
  for I := 0 to Length(A) - 1 do A[I] := I * I;
  I := 10;
  while True do begin
    Dec(I);
    if I mod 2 = 0 then Continue;
    if I < 3 then Break;
    Inc(Total, I);
  end;
  repeat Inc(Total) until Total >= 20;
  for I := 3 downto 1 do Log := Log + IntToStr(I);
  P := 1; Q := 2; Swap(P, Q);
  Log := Log + ':' + IntToStr(P) + IntToStr(Q);
  try
    Total := Total div 0;
  except
    Log := Log + ':' + ExceptionMessage;
  end;
end;

begin
  Fill;
end.
)"));
    script.run();
    // 9 + 7 + 5 + 3 from the while loop, then one turn of repeat (it runs at least once).
    EXPECT_EQ(script.variable(QStringLiteral("TOTAL")).toInt(), 25);
    EXPECT_EQ(script.variable(QStringLiteral("log")).toString(), QStringLiteral("321:21:Ділення на нуль"));
    EXPECT_EQ(text(QStringLiteral("Fact(10)")), QStringLiteral("3628800"));
    EXPECT_EQ(text(QStringLiteral("A[4] + Limit")), QStringLiteral("21"));
    EXPECT_EQ(text(QStringLiteral("Classify(0) + Classify(2) + Classify(7) + Classify(70)")),
              QStringLiteral("нульмалокількабагато"));
}

TEST_F(ScriptTest, ExceptionHandlersByClass) {
    script.load(QStringLiteral(R"(
var
  Log: String;
  On: Integer;

procedure Fail(Code: Integer);
var N: Integer;
begin
  case Code of
    1: N := 1 div 0;
    2: N := StrToInt('дванадцять');
    3: raise Exception.Create('власна помилка');
    4: N := Round(1.5 / 0);
    5: RaiseException('з бібліотеки');
  end;
end;

procedure Handle(Code: Integer);
begin
  try
    Fail(Code);
  except
    on E: EDivByZero do Log := Log + 'D:' + E.Message + ';';
    on E: EConvertError do Log := Log + 'C:' + E.ClassName + ';';
    on EMathError do Log := Log + 'M;';
    on E: Exception do Log := Log + 'X:' + E.Message + ';';
  end;
end;

procedure Nested;
begin
  try
    try
      Fail(1);
    except
      on EConvertError do Log := Log + 'wrong;'; // not this class: passed on
    end;
  except
    on E: Exception do Log := Log + 'outer:' + E.ClassName + ';';
  end;
  try
    Fail(2);
  except
    on EMathError do Log := Log + 'wrong;';
  else
    Log := Log + 'else;';
  end;
  try
    try
      Fail(3);
    except
      on E: Exception do begin Log := Log + 're:'; raise; end;
    end;
  except
    Log := Log + ExceptionMessage + ';';
  end;
  try
    Fail(1);
  except
    On := 7; // "on" that opens no handler is a name like any other
  end;
end;

begin
  Handle(1); Handle(2); Handle(3); Handle(4); Handle(5);
  Nested;
end.
)"));
    script.run();
    EXPECT_EQ(script.variable(QStringLiteral("Log")).toString(),
              QStringLiteral("D:Ділення на нуль;C:EConvertError;X:власна помилка;M;X:з бібліотеки;"
                             "outer:EDivByZero;else;re:власна помилка;"));
    EXPECT_EQ(script.variable(QStringLiteral("On")).toInt(), 7);

    // An error no handler takes leaves the script with its class and place.
    script.load(QStringLiteral("begin\n  try\n    raise EConvertError.Create('x');\n  except\n    on "
                               "EMathError do ;\n  end;\nend."));
    try {
        script.run();
        ADD_FAILURE() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.className(), QStringLiteral("EConvertError"));
        EXPECT_EQ(e.line(), 3);
    }

    // The safety bound is no exception a handler may take.
    script.limits().maxSteps = 10000;
    script.load(QStringLiteral(
        "begin repeat try while True do ; except on E: Exception do ; end; until False; end."));
    try {
        script.run();
        ADD_FAILURE() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.kind(), ScriptError::Kind::Limit) << e.message().toStdString();
    }
}

// A report object as the report engine will give it.
class Memo : public ScriptObject {
public:
    QString className() const override { return QStringLiteral("TfrxMemoView"); }
    bool getProperty(const QString& name, Value& result) override {
        if (name.compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0) {
            result = Value(text);
            return true;
        }
        if (name.compare(QLatin1String("Visible"), Qt::CaseInsensitive) == 0) {
            result = Value(visible);
            return true;
        }
        return false;
    }
    bool setProperty(const QString& name, const Value& value) override {
        if (name.compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0) {
            text = value.toString();
            return true;
        }
        if (name.compare(QLatin1String("Visible"), Qt::CaseInsensitive) == 0) {
            visible = value.toBool();
            return true;
        }
        return false;
    }
    bool callMethod(const QString& name, std::vector<Value>& args, Value& result) override {
        if (name.compare(QLatin1String("Clear"), Qt::CaseInsensitive) == 0 && args.empty()) {
            text.clear();
            result = Value();
            return true;
        }
        return false;
    }
    QString text;
    bool visible = true;
};

TEST_F(ScriptTest, EventHandlersObjectsAndFieldReferences) {
    auto memo = std::make_shared<Memo>();
    script.addObject(QStringLiteral("Memo1"), memo);
    script.addType(QStringLiteral("TfrxMemoView"), TypeKind::Class);
    script.setFieldResolver([](const QString& dataset, const QString& field, Value& result) {
        if (dataset == QLatin1String("frxCost") && field == QLatin1String("Sum")) {
            result = Value(1234.5);
            return true;
        }
        return false;
    });
    script.setVariable(QStringLiteral("Organization"), Value(QStringLiteral("ТОВ «Земля»")));
    EXPECT_EQ(script.variableType(QStringLiteral("organization")), QStringLiteral("String"));
    script.load(QStringLiteral(R"(
var Count: Integer;
procedure Memo1OnBeforePrint(Sender: TfrxComponent);
begin
  with TfrxMemoView(Sender) do
  begin
    Clear;
    Text := <Organization> + ': ' + FloatToStr(<frxCost."Sum">);
  end;
  if <frxCost."Sum"> > 1000 then Memo1.Visible := False;
  Count := Count + 1;
end;
begin end.
)"));
    script.run();
    memo->text = QStringLiteral("old");
    script.call(QStringLiteral("MEMO1ONBEFOREPRINT"), {Value(std::static_pointer_cast<ScriptObject>(memo))});
    script.call(QStringLiteral("memo1onbeforeprint"), {Value(std::static_pointer_cast<ScriptObject>(memo))});
    EXPECT_EQ(memo->text, QStringLiteral("ТОВ «Земля»: 1234,5"));
    EXPECT_FALSE(memo->visible);
    EXPECT_EQ(script.variable(QStringLiteral("Count")).toInt(), 2);
    EXPECT_EQ(text(QStringLiteral("<frxCost.\"Sum\"> * 2")), QStringLiteral("2469"));

    std::vector<Value> args{Value(1), Value(2)};
    script.load(
        QStringLiteral("procedure P(var A: Integer; B: Integer); begin A := A + B; B := 0; end; begin end."));
    script.call(QStringLiteral("P"), args);
    EXPECT_EQ(args[0].toInt(), 3);
    EXPECT_EQ(args[1].toInt(), 2);
}

TEST_F(ScriptTest, ErrorsCarryLineAndColumn) {
    try {
        script.load(QStringLiteral("begin\n  x := 1 +;\nend."));
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.kind(), ScriptError::Kind::Syntax);
        EXPECT_EQ(e.line(), 2);
        EXPECT_EQ(e.column(), 11);
    }
    script.load(QStringLiteral("var a: Integer;\nprocedure P;\nbegin\n  a := 10 div a;\nend;\nbegin end."));
    try {
        script.call(QStringLiteral("P"));
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.line(), 4);
        EXPECT_TRUE(e.message().contains(QStringLiteral("Ділення на нуль"))) << e.message().toStdString();
    }
}

TEST_F(ScriptTest, SafetyBoundsStopRunawayScripts) {
    script.limits().maxSteps = 100000;
    const char* runaway[] = {
        "begin while True do ; end.",
        "var x: Integer; begin repeat try x := x + 1; except end; until False; end.", // except cannot catch
                                                                                      // the bound
        "procedure R; begin R; end; begin R; end.",
        "function F(n: Integer): Integer; begin Result := F(n + 1) + 1; end; begin F(0); end.",
        "var s: String; begin s := 'ab'; while True do s := s + s; end.",
        "var a: array of Integer; begin SetLength(a, 2000000000); end.",
        // Items of arrays are work too: made again and again they meet the step bound.
        "procedure P; var a: array[0..99999] of Integer; begin end; var i: Integer; begin for i := 1 to "
        "1000000 do "
        "P; end.",
        "var a: array of array of Integer; i: Integer; begin SetLength(a, 100); for i := 0 to 99 do "
        "SetLength(a[i], "
        "5000000); end.",
    };
    for (const char* source : runaway) {
        try {
            script.load(QString::fromUtf8(source));
            script.run();
            ADD_FAILURE() << "no error for " << source;
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.kind(), ScriptError::Kind::Limit) << source << ": " << e.message().toStdString();
        }
    }
    try {
        script.load(QStringLiteral("begin while True do ; end."));
        script.run();
    } catch (const ScriptError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Сценарій звіту виконується надто довго")));
    }
    // A static array type of a billion items is refused as it is read.
    try {
        script.load(QStringLiteral(
            "var a: array[1..1000] of array[1..1000] of array[1..1000] of Integer; begin end."));
        ADD_FAILURE() << "no error for a billion items";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.kind(), ScriptError::Kind::Syntax);
    }
    // Deep nesting is refused by the parser, not by the stack.
    EXPECT_THROW(script.evaluate(QString(100000, QLatin1Char('(')) + QStringLiteral("1")), ScriptError);
    QString chain = QStringLiteral("1");
    for (int i = 0; i < 50000; ++i)
        chain += QStringLiteral("+1");
    EXPECT_THROW(script.evaluate(chain), ScriptError);
}

} // namespace
