#include "data/schema/schema.h"

#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/fb/transaction.h"

#include <QFile>

namespace velta::data::schema {

namespace {

// Column types: integer keys and links INTEGER, numbers DOUBLE PRECISION (the
// program reads and writes them as doubles), texts VARCHAR, flags VARCHAR(1),
// memos BLOB SUB_TYPE TEXT.
QString table(const char* name, const char* key, const char* columns) {
    QString sql = QStringLiteral("Create Table \"%1\" (").arg(QLatin1String(name));
    sql += QLatin1String(columns);
    if (key)
        sql += QStringLiteral(", Constraint \"PR_%1\" Primary Key (\"%2\")")
                   .arg(QLatin1String(name), QLatin1String(key));
    sql += u')';
    return sql;
}

QString index(const char* name, const char* table, const char* columns) {
    return QStringLiteral("Create Index \"%1\" On \"%2\" (%3)")
        .arg(QLatin1String(name), QLatin1String(table), QLatin1String(columns));
}

} // namespace

QString exportTableStatement() {
    return QStringLiteral(
        "Create Table \"Export\"(\"Name\"\tVarchar (250) Not Null, \"DataBase\"\tVarchar (50), "
        "\"FieldName\"\tVarchar (50), \"Note\"\tVarchar (250), \"sValue\"\tBLOB SUB_TYPE TEXT, "
        "Constraint \"PR_Export\" Primary Key(\"Name\"));");
}

QString exportIndexStatement() {
    return QStringLiteral("Create Index \"SE_Export\" On \"Export\"(\"DataBase\", \"FieldName\");");
}

std::vector<QString> catalogueStatements() {
    return {
        table("Service", "ID_Service",
              R"("ID_Service" Integer Not Null, "Name" Varchar(250), "Date" Date, "Created" Timestamp,
                 "Edited" Timestamp)"),
        index("SE_Service_Date", "Service", R"("Date")"),

        table("ServiceKof", "ID_ServiceKof",
              R"("ID_ServiceKof" Integer Not Null, "ID_Service" Integer, "Date" Date, "Name" Varchar(200),
                 "Description" Varchar(200), "Kof" Double Precision, "Formula" Varchar(100),
                 "Created" Timestamp, "Edited" Timestamp, "fPassive" Varchar(1))"),
        index("SE_ServiceKof", "ServiceKof", R"("ID_Service", "Date")"),

        table("TypeParameter", "ID_TypeParameter",
              R"("ID_TypeParameter" Integer Not Null, "Name" Varchar(250), "ID_TypeValue" Integer,
                 "ID_TypeUnit" Integer)"),
        index("SE_TypeParameter_Name", "TypeParameter", R"("Name")"),

        table("TypeUnit", "ID_TypeUnit", R"("ID_TypeUnit" Integer Not Null, "Name" Varchar(50))"),
        index("SE_TypeUnit_Name", "TypeUnit", R"("Name")"),

        table("ServiceList", "ID_ServiceList",
              R"("ID_ServiceList" Integer Not Null, "ID_Service" Integer, "ID_ServiceLnk" Integer,
                 "ID_ServiceType" Integer, "Number" Integer, "Small" Varchar(10), "Table" Varchar(50),
                 "Name" Varchar(250), "Note" BLOB SUB_TYPE TEXT, "Per_Field" Double Precision,
                 "Per_Cameral" Double Precision, "Per_Field2" Double Precision,
                 "Per_Cameral2" Double Precision, "Created" Timestamp, "Edited" Timestamp)"),
        index("SE_ServiceList", "ServiceList", R"("ID_Service", "Number")"),
        index("SE_ServiceList_Lnk", "ServiceList", R"("ID_ServiceLnk", "Number")"),
        index("SE_ServiceList_Small", "ServiceList", R"("ID_Service", "Small", "Number")"),

        table("ServiceCat", "ID_ServiceCat",
              R"("ID_ServiceCat" Integer Not Null, "ID_ServiceList" Integer, "Number" Integer,
                 "Name" BLOB SUB_TYPE TEXT, "Created" Timestamp, "Edited" Timestamp)"),
        index("SE_ServiceCat", "ServiceCat", R"("ID_ServiceList", "Number")"),

        table("ServiceParam", "ID_ServiceParam",
              R"("ID_ServiceParam" Integer Not Null, "ID_ServiceList" Integer, "ID_TypeParameter" Integer,
                 "ID_TypeValue" Integer, "Number" Integer, "Name" Varchar(100), "Created" Timestamp,
                 "Edited" Timestamp, "Default" Double Precision, "Divisor" Integer,
                 "ListParam" BLOB SUB_TYPE TEXT, "ID_Unit" Integer)"),
        index("SE_ServiceParam", "ServiceParam", R"("ID_ServiceList", "Number")"),

        table("ServiceTbl", "ID_ServiceTbl",
              R"("ID_ServiceTbl" Integer Not Null, "ID_ServiceList" Integer, "Number" Integer,
                 "ID_Category" Integer, "Parameter1" Double Precision, "Parameter2" Double Precision,
                 "Parameter3" Double Precision, "Parameter4" Double Precision,
                 "Parameter5" Double Precision, "Parameter6" Double Precision, "A" Double Precision,
                 "B" Double Precision, "DaysA" Double Precision, "DaysB" Double Precision,
                 "Created" Timestamp, "Edited" Timestamp, "ID_Unit" Integer)"),
        index("SE_ServiceTbl", "ServiceTbl", R"("ID_ServiceList", "Number")"),

        table("ServiceNote", "ID_ServiceNote",
              R"("ID_ServiceNote" Integer Not Null, "ID_ServiceList" Integer, "ID_TypeParameter" Integer,
                 "ID_TypeCalc" Integer, "ID_TypeValue" Integer, "Number" Integer,
                 "Name" BLOB SUB_TYPE TEXT, "ValueFrom" Double Precision, "ValueTo" Double Precision,
                 "Kof" Double Precision, "Formula" Varchar(100), "NameParameter" Varchar(100),
                 "Created" Timestamp, "Edited" Timestamp, "Default" Double Precision,
                 "ID_TypeParameter2" Integer, "ID_TypeValue2" Integer, "ValueFrom2" Double Precision,
                 "ValueTo2" Double Precision, "Default2" Double Precision, "CountParameters" Integer,
                 "NameTable" Varchar(50), "ID_TypeParameter3" Integer, "ID_TypeValue3" Integer,
                 "ValueFrom3" Double Precision, "ValueTo3" Double Precision, "Default3" Double Precision,
                 "Operator2" Integer, "Operator3" Integer, "ID_TypeKof" Integer, "Divisor" Integer,
                 "Divisor2" Integer, "Divisor3" Integer, "ID_TypeParameter4" Integer,
                 "ID_TypeValue4" Integer, "ValueFrom4" Double Precision, "ValueTo4" Double Precision,
                 "Default4" Double Precision, "Operator4" Integer, "Divisor4" Integer,
                 "ID_Number" Integer)"),
        index("SE_ServiceNote", "ServiceNote", R"("ID_ServiceList", "Number")"),

        exportTableStatement(),
        exportIndexStatement(),
    };
}

std::vector<QString> estimatesStatements() {
    QString fields;
    for (int i = 1; i <= 20; ++i)
        fields += QStringLiteral(", \"Field%1\" Varchar(250)").arg(i, 2, 10, QLatin1Char('0'));
    const QByteArray costField =
        QByteArray(R"("ID_CostField" Integer, "ID_Cost" Integer)") + fields.toLatin1();

    return {
        QStringLiteral("Create Generator \"ID_GEN_COST\""),
        QStringLiteral("Create Generator \"ID_GEN_COSTSRV\""),
        QStringLiteral("Create Generator \"ID_GEN_COSTLNK\""),
        QStringLiteral("Create Generator \"ID_GEN_COSTPARAM\""),
        QStringLiteral("Create Generator \"ID_GEN_COSTVALUE\""),
        QStringLiteral("Create Generator \"ID_GEN_LISTSERVICE\""),
        QStringLiteral("Create Generator \"ID_GEN_LISTSERVICELNK\""),

        table("Cost", "ID_Cost",
              R"("ID_Cost" Integer Not Null, "Cost_Number" Varchar(20), "Cost_Date" Date,
                 "Cust_Name" Varchar(250), "Address" Varchar(250), "Agreement" Varchar(250),
                 "Area" Double Precision, "Perimetr" Double Precision, "Sum" Double Precision,
                 "PDV" Double Precision, "Sum_Full" Double Precision, "Sum_Real" Double Precision,
                 "Note" BLOB SUB_TYPE TEXT, "Created" Timestamp, "Edited" Timestamp,
                 "CountObject" Integer, "CountPoint" Integer, "Sum_Other" Double Precision,
                 "Sum_Field" Double Precision, "Sum_Cameral" Double Precision, "fPDV" Varchar(1),
                 "fExpert" Varchar(1), "fIndex" Varchar(1), "fSumParam" Varchar(1), "fEDP" Varchar(1),
                 "Cust_FIO" Varchar(250), "Cust_Post" Varchar(100), "Cust_Doc" Varchar(50),
                 "Cust_Address" Varchar(250), "Cust_Phone" Varchar(100), "Cust_eMail" Varchar(100),
                 "Termin" Varchar(50), "Sum_AdvPay" Double Precision, "TypePrivate" Varchar(100),
                 "TypeUses" Varchar(200), "TypeTake" Varchar(100), "Color" Integer, "DateFirst" Date,
                 "DateLast" Date, "DateFinish" Date, "Payment_Sum" NUMERIC(16,6), "Payment_Date" DATE)"),
        index("SE_Cost_Date", "Cost", R"("Cost_Date")"),

        // The program never gives ID_CostField a value and finds the row by
        // ID_Cost, so it carries no key constraint.
        table("CostField", nullptr, costField.constData()),
        index("SE_CostField", "CostField", R"("ID_Cost")"),

        table("CostSrv", "ID_CostSrv",
              R"("ID_CostSrv" Integer Not Null, "ID_Cost" Integer, "ID_Service" Integer, "Number" Integer,
                 "Name" Varchar(250), "Summ" Double Precision, "Sum_Field" Double Precision,
                 "Sum_Cameral" Double Precision, "fActive" Varchar(1))"),
        index("SE_CostSrv", "CostSrv", R"("ID_Cost", "Number")"),

        table("CostLnk", "ID_CostLnk",
              R"("ID_CostLnk" Integer Not Null, "ID_Cost" Integer, "Number" Integer, "ID_Service" Integer,
                 "ID_ServiceList" Integer, "ID_ServiceType" Integer, "Name" Varchar(250),
                 "Note" Varchar(250), "Sum" Double Precision, "fActive" Varchar(1), "ID_Unit" Integer,
                 "Sum_Field" Double Precision, "Sum_Cameral" Double Precision, "Kof" Double Precision,
                 "KofA" Double Precision, "KofB" Double Precision, "Calculation" Varchar(250),
                 "KofDaysA" Double Precision, "KofDaysB" Double Precision, "DaysA" Double Precision,
                 "DaysB" Double Precision)"),
        index("SE_CostLnk", "CostLnk", R"("ID_Cost", "ID_Service", "Number")"),

        table("CostParam", "ID_CostParam",
              R"("ID_CostParam" Integer Not Null, "ID_CostLnk" Integer, "ID_TypeParameter" Integer,
                 "Number" Integer, "Name" Varchar(250), "PValue" Double Precision, "Created" Timestamp,
                 "Edited" Timestamp, "ID_TypeKof" Integer, "ID_ServiceList" Integer)"),
        index("SE_CostParam", "CostParam", R"("ID_CostLnk", "Number")"),

        table("CostValue", "ID_CostValue",
              R"("ID_CostValue" Integer Not Null, "ID_CostLnk" Integer, "ID_TypeValue" Integer,
                 "ID_TypeCalc" Integer, "ID_ServiceTbl" Integer, "ID_TypeParameter" Integer,
                 "Name" Varchar(250), "A" Double Precision, "B" Double Precision,
                 "DaysA" Double Precision, "DaysB" Double Precision, "Formula" Varchar(100),
                 "Kof" Double Precision, "ParamA" Double Precision, "ParamB" Double Precision,
                 "Description" Varchar(100), "Calculation" Varchar(100), "SumValue" Double Precision,
                 "ID_ServiceKof" Integer, "ID_TypeKof" Integer)"),
        index("SE_CostValue", "CostValue", R"("ID_CostLnk", "ID_TypeValue")"),

        table("ListService", "ID_ListService",
              R"("ID_ListService" Integer Not Null, "Name" Varchar(250), "Note" Varchar(250),
                 "ID_TypeUnit" Integer, "Created" Timestamp, "Edited" Timestamp)"),
        index("SE_ListService_Name", "ListService", R"("Name")"),

        table("ListServiceLnk", "ID_ListServiceLnk",
              R"("ID_ListServiceLnk" Integer Not Null, "ID_ListService" Integer, "Number" Integer,
                 "ID_Service" Integer, "ID_ServiceList" Integer, "ID_ServiceType" Integer,
                 "Name" Varchar(250), "Note" Varchar(250), "Created" Timestamp, "Edited" Timestamp)"),
        index("SE_ListServiceLnk", "ListServiceLnk", R"("ID_ListService", "Number")"),
    };
}

void createDatabase(const QString& path, const std::vector<QString>& statements) {
    fb::Connection connection = fb::Connection::create(path);
    try {
        fb::Transaction transaction(connection);
        transaction.start();
        for (const QString& sql : statements)
            connection.execute(transaction, sql);
        transaction.commit();
        connection.detach();
    } catch (...) {
        // Leave no half-made database behind.
        try {
            connection.dropDatabase();
        } catch (const fb::Error&) {
            connection.detach();
            QFile::remove(path);
        }
        throw;
    }
}

} // namespace velta::data::schema
