#include "data/fb/named_parameters.h"

#include <gtest/gtest.h>

using velta::data::fb::mapNamedParameters;

TEST(NamedParameters, MapsNamesToPositionsOutsideLiteralsAndComments) {
    struct Case {
        const char* sql;
        const char* mapped;
        QStringList names;
    };
    const Case cases[] = {
        {"Select * From \"Cost\" Where \"ID_Cost\" = :ID_Cost",
         "Select * From \"Cost\" Where \"ID_Cost\" = ?",
         {"ID_Cost"}},
        {"Update T Set A = :A + 1, B = :B Where ID = :ID And A = :A",
         "Update T Set A = ? + 1, B = ? Where ID = ? And A = ?",
         {"A", "B", "ID", "A"}},
        {"Select ':X', 'it''s :Y', \":Z\" From T Where A = :A",
         "Select ':X', 'it''s :Y', \":Z\" From T Where A = ?",
         {"A"}},
        {"Select A -- :Comment\nFrom T /* :Block */ Where B = :B",
         "Select A -- :Comment\nFrom T /* :Block */ Where B = ?",
         {"B"}},
        {"Select A From T Where B = ? And C = :C", "Select A From T Where B = ? And C = ?", {"", "C"}},
        {"Select Cast('10:30' As Time) From RDB$DATABASE",
         "Select Cast('10:30' As Time) From RDB$DATABASE",
         {}},
        {"Select A From T Where B=:Ключ", "Select A From T Where B=?", {"Ключ"}},
    };
    for (const Case& c : cases) {
        const auto m = mapNamedParameters(QString::fromUtf8(c.sql));
        EXPECT_EQ(m.sql, QString::fromUtf8(c.mapped)) << c.sql;
        EXPECT_EQ(m.names, c.names) << c.sql;
    }
}

TEST(NamedParameters, LeavesPsqlUntouched) {
    for (const char* sql : {"Execute Block As Declare X Integer; Begin X = :X; End",
                            "create or alter procedure P (A Integer) as begin A = :A; end",
                            "  Create Trigger T For \"Cost\" Before Insert As Begin New.A = :A; End"}) {
        const auto m = mapNamedParameters(QString::fromLatin1(sql));
        EXPECT_EQ(m.sql, QString::fromLatin1(sql));
        EXPECT_TRUE(m.names.isEmpty());
    }
}
